// The benchmark rule bases built in fuzzylite, as a peer for "zorv eval --batch": reads rows of input values
// from a file, evaluates each and prints one output per line, as a whole process.
//   fuzzylite_grid 2 ../shared/bench/grid49-inputs.txt > /dev/null     (grid49: 2 inputs, 49 rules)
//   fuzzylite_grid 3 ../shared/bench/grid343-inputs.txt > /dev/null    (grid343: 3 inputs, 343 rules)
// Seven uniform triangles t0..t6 per variable on <0, 1>, rules "tI, tJ(, tL) -> t((I+J(+L))/n)", minimum
// conjunction and implication, maximum aggregation, centroid over 301 points.
#include <fl/Headers.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kTerms = 7;

void AddTerms(fl::Variable* variable) {
    variable->setRange(0.0, 1.0);
    const double w = 1.0 / (kTerms - 1);
    for (int i = 0; i < kTerms; ++i)
        variable->addTerm(new fl::Triangle("t" + std::to_string(i), (i - 1) * w, i * w, (i + 1) * w));
}

fl::Engine* Build(int inputs) {
    auto* engine = new fl::Engine("grid");
    const char* names[] = {"x", "y", "w"};
    for (int k = 0; k < inputs; ++k) {
        auto* input = new fl::InputVariable(names[k]);
        AddTerms(input);
        engine->addInputVariable(input);
    }
    auto* output = new fl::OutputVariable("z");
    AddTerms(output);
    output->setAggregation(new fl::Maximum);
    output->setDefuzzifier(new fl::Centroid(301));
    output->setDefaultValue(fl::nan);
    engine->addOutputVariable(output);
    auto* rules = new fl::RuleBlock("rules");
    rules->setConjunction(new fl::Minimum);
    rules->setImplication(new fl::Minimum);
    rules->setActivation(new fl::General);
    const int count = inputs == 2 ? kTerms * kTerms : kTerms * kTerms * kTerms;
    for (int r = 0; r < count; ++r) {
        std::string text = "if";
        int sum = 0;
        for (int k = 0, rest = r; k < inputs; ++k, rest /= kTerms) {
            text += std::string(k ? " and " : " ") + names[k] + " is t" + std::to_string(rest % kTerms);
            sum += rest % kTerms;
        }
        text += " then z is t" + std::to_string(sum / inputs);
        rules->addRule(fl::Rule::parse(text, engine));
    }
    engine->addRuleBlock(rules);
    return engine;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzzylite_grid 2|3 INPUTS\n";
        return 2;
    }
    const int inputs = std::stoi(argv[1]);
    fl::Engine* engine = Build(inputs);
    std::ifstream in(argv[2]);
    std::vector<double> x(static_cast<std::size_t>(inputs));
    char text[32];
    for (;;) {
        for (double& v : x)
            if (!(in >> v)) return 0;
        for (int k = 0; k < inputs; ++k) engine->getInputVariable(static_cast<std::size_t>(k))->setValue(x[static_cast<std::size_t>(k)]);
        engine->process();
        const int n = std::snprintf(text, sizeof text, "%.17g\n", engine->getOutputVariable(0)->getValue());
        std::fwrite(text, 1, static_cast<std::size_t>(n), stdout);
    }
}
