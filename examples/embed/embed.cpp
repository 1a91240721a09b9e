// Evaluates a rule base with the installed Zorv engine:
//   embed FILE.rb X1 ... Xn
// prints the value, then the fired rules and the meaning of the first rule's output expression.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <zorv/zorv.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: embed FILE.rb X1 ... Xn\n";
        return 2;
    }
    try {
        const zorv::RuleBase rules = zorv::RuleBase::load(argv[1]);
        for (const std::string& warning : rules.warnings()) std::cerr << warning << '\n';

        std::vector<double> inputs;
        for (int i = 2; i < argc; ++i) inputs.push_back(std::strtod(argv[i], nullptr));
        const zorv::Evaluation result = rules.explain(inputs);
        std::cout << rules.outputs().at(0).name << " = " << result.value << '\n';
        for (const std::size_t r : result.firedRules) std::cout << "fired: rule " << r + 1 << '\n';

        const zorv::Vocabulary words = rules.vocabulary({zorv::Side::output, 0});
        const zorv::Expression first = words.expression(rules.rules().at(0).outputs.at(0));
        std::cout << first.text() << " means " << first.canonical() << " (Zorv " << ZORV_VERSION << ")\n";
    } catch (const zorv::SyntaxError& e) {
        std::cerr << argv[1] << ": " << e.what();
        if (e.line()) std::cerr << " at line " << *e.line();
        std::cerr << '\n';
        return 1;
    } catch (const zorv::Error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
