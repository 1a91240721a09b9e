#include "interchange/LinearText.h"

#include "text/NumberText.h"

namespace zorv {

std::string LinearText::Format(const std::vector<double>& c) {
    if (c.empty()) return "0";
    const double constant = c.back();
    std::string text = constant != 0.0 ? NumberText::file(constant) : std::string();
    for (std::size_t i = 0; i + 1 < c.size(); ++i) {
        const double factor = c[i];
        if (factor == 0.0) continue;
        std::string term = NumberText::file(factor < 0 ? -factor : factor);
        term.append("*x").append(std::to_string(i + 1));
        if (text.empty()) {
            text = factor < 0 ? "-" + term : term;
        } else {
            text.append(factor < 0 ? " - " : " + ").append(term);
        }
    }
    return text.empty() ? "0" : text;
}

std::vector<double> LinearText::InterchangeOrder(const std::vector<double>& constantFirst) {
    if (constantFirst.empty()) return {0.0};
    std::vector<double> out(constantFirst.begin() + 1, constantFirst.end());
    out.push_back(constantFirst.front());
    return out;
}

}  // namespace zorv
