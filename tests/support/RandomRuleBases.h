#pragma once

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv::test {

// Random rule bases for the interchange tests: one to three inputs over random (sometimes symmetric) contexts
// with triangle, trapezoid and Gaussian user terms, cells drawn from user terms, their negations, "undef" and
// hedged, signed or compound linguistic expressions; a linguistic output with user terms (DNF with COG), or a
// singleton / takagi_sugeno output with constant or linear cells.
class RandomRuleBases {
public:
    enum class Kind { Dnf, Singleton, Linear };

    explicit RandomRuleBases(unsigned seed) : random_(seed) {}

    RuleBaseTextBuilder next(Kind kind, const std::string& infer = "Fuzzy_Approximation-functional") {
        RuleBaseTextBuilder b;
        const int inputs = pick(1, 3);
        std::vector<Context> contexts;
        for (int k = 0; k < inputs; ++k) {
            contexts.push_back(context());
            b.input(variable(std::string("x").append(std::to_string(k + 1)), contexts.back()));
        }
        if (kind == Kind::Dnf) {
            b.infer(infer).defuzz("SimpleCenterOfGravity");
            contexts.push_back(context());
            b.output(variable("y", contexts.back()));
        } else {
            b.type(kind == Kind::Linear ? "takagi_sugeno" : "singleton").infer("Takagi-Sugeno Inference");
            b.output(VariableText("y", -50, 50, "", "linc"));
        }
        const int rules = pick(3, 10);
        for (int r = 0; r < rules; ++r) {
            std::vector<std::string> cells;
            for (int k = 0; k < inputs; ++k) cells.push_back(cell(contexts[static_cast<std::size_t>(k)]));
            cells.push_back(kind == Kind::Dnf ? cell(contexts.back()) : consequent(kind, inputs));
            b.rule(cells, r != 2 || rules < 5);  // now and then a disabled rule
        }
        return b;
    }

private:
    struct Context {
        double low;
        double high;
        bool symmetric;
    };

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

    Context context() {
        if (pick(0, 3) == 0) {
            const double h = real(1, 20);
            return {-h, h, true};
        }
        const double low = real(-10, 5);
        return {low, low + real(1, 20), false};
    }

    std::string number(double v) const {
        std::ostringstream out;
        out.precision(17);
        out << v;
        return out.str();
    }

    VariableText variable(const std::string& name, const Context& c) {
        const double w = c.high - c.low;
        std::string terms;
        const int count = pick(2, 4);
        for (int i = 0; i < count; ++i) {
            const double centre = c.low + w * real(-0.1, 1.1);
            const double left = w * real(0.05, 0.5);
            const double right = w * real(0.05, 0.5);
            const std::string termName = std::string("t").append(std::to_string(i));
            switch (pick(0, 2)) {
                case 0:
                    terms += userTerm(termName, "triang", number(centre - left) + " " + number(centre) + " " + number(centre + right));
                    break;
                case 1:
                    terms += userTerm(termName, "trapezoid", number(centre - left) + " " + number(centre - left / 3) + " " +
                                                                 number(centre + right / 3) + " " + number(centre + right));
                    break;
                default:
                    terms += userTerm(termName, "gaussian", number(left * left / 4) + " " + number(centre) + " " +
                                                                number(centre) + " " + number(right * right / 4));
            }
        }
        return VariableText(name, c.low, c.high, terms, "linguistic", 2 * pick(20, 150) + 1);
    }

    std::string cell(const Context& c) {
        const std::string term = std::string("t").append(std::to_string(pick(0, 1)));
        switch (pick(0, 9)) {
            case 0: return "not " + term;
            case 1: return "undef";
            case 2: return c.symmetric ? "-ve sm" : "ve sm";
            case 3: return c.symmetric ? "+ml bi or ze" : "me or bi";
            case 4: return "about " + number(c.low + (c.high - c.low) * real(0.1, 0.9));
            default: return term;
        }
    }

    std::string consequent(Kind kind, int inputs) {
        std::string text = number(real(-20, 20));
        if (kind == Kind::Linear)
            for (int k = 1; k <= inputs; ++k) {
                const double c = real(-3, 3);
                text.append(c < 0 ? " - " : " + ").append(number(std::fabs(c))).append("*x").append(std::to_string(k));
            }
        return text;
    }

    std::mt19937 random_;
};

}  // namespace zorv::test
