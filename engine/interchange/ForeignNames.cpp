#include "interchange/ForeignNames.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zorv {

namespace {

constexpr std::array<std::string_view, 38> kReserved{
    "sm",  "small", "me",  "medium", "bi",    "big",   "ze",   "zero",  "ex",    "extremely", "si",  "significantly",
    "ve",  "very",  "ra",  "rather", "ml",    "ro",    "roughly", "qr", "vr",    "and",       "or",  "about",
    "ignor", "undef", "no", "not",   "land",  "lor",   "more", "less",  "quite", "shem",      "ham", "az",
    "fug", "ho"};

// Words of the rule texts (keywords and hedges) and FCL keywords that a name must not be.
constexpr std::array<std::string_view, 31> kForeignKeywords{
    "if",       "then",           "is",         "and",           "or",           "with",       "not",
    "any",      "very",           "somewhat",   "extremely",     "seldom",       "term",       "range",
    "method",   "accu",           "act",        "default",       "rule",         "real",       "var_input",
    "var_output", "end_var",      "fuzzify",    "end_fuzzify",   "defuzzify",    "end_defuzzify",
    "ruleblock", "end_ruleblock", "function_block", "end_function_block"};

bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
bool IsAlnum(char c) { return IsWordChar(c) && c != '_'; }

bool Reserved(const std::string& name) {
    return std::find(kReserved.begin(), kReserved.end(), name) != kReserved.end();
}

// Whether a is read in place of b by a parser that stops a word at the first character not a letter or digit.
bool Shadows(const std::string& a, const std::string& b) {
    return b.size() > a.size() && b.compare(0, a.size(), a) == 0 && !IsAlnum(b[a.size()]);
}

bool Clashes(const std::vector<std::string>& names, std::size_t i) {
    const std::string& name = names[i];
    if (Reserved(name)) return true;
    for (std::size_t j = 0; j < names.size(); ++j) {
        if (j == i) continue;
        if ((j < i && names[j] == name) || Shadows(name, names[j])) return true;
    }
    return false;
}

bool Taken(const std::vector<std::string>& names, std::size_t i) {
    for (std::size_t j = 0; j < names.size(); ++j)
        if (j != i && names[j] == names[i]) return true;
    return false;
}

// Appends the smallest number that makes names[i] clash with nothing. Of two names where one is read in place
// of the other, the shorter one is renamed; a number keeps it from being read in place of anything.
void MakeDistinct(std::vector<std::string>& names, std::size_t i) {
    if (!Clashes(names, i)) return;
    const std::string base = names[i];
    int k = 2;
    do {
        names[i] = base + std::to_string(k++);
    } while (Reserved(names[i]) || Taken(names, i));
}

}  // namespace

std::string ForeignNames::Identifier(const std::string& name, const std::string& fallback) {
    std::string id;
    for (const char c : name) id += IsWordChar(c) ? c : '_';
    if (id.empty()) id = fallback;
    if (id[0] >= '0' && id[0] <= '9') id = std::string(1, '_').append(id);
    return id;
}

std::string ForeignNames::Exported(const std::string& name, const std::string& fallback) {
    std::string id = Identifier(name, fallback);
    std::string lower = id;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (std::find(kForeignKeywords.begin(), kForeignKeywords.end(), lower) != kForeignKeywords.end()) id += '_';
    return id;
}

std::vector<std::string> ForeignNames::TermNames(const std::vector<std::string>& names,
                                                 std::vector<Renaming>& renamed) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string id = Identifier(names[i], std::string("term").append(std::to_string(i + 1)));
        if (id[0] == '_') id = std::string(1, 't').append(id);
        out.push_back(id);
    }
    for (std::size_t i = 0; i < out.size(); ++i) MakeDistinct(out, i);
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] != names[i]) renamed.push_back({names[i], out[i]});
    return out;
}

std::vector<std::string> ForeignNames::VariableNames(const std::vector<std::string>& names,
                                                     std::vector<Renaming>& renamed) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string name;
        for (const char c : names[i]) name += (c == ',' || static_cast<unsigned char>(c) < 32 || c == 127) ? '_' : c;
        const std::size_t first = name.find_first_not_of(' ');
        name = first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(' ') - first + 1);
        if (name.empty()) name = std::string("v").append(std::to_string(i + 1));
        const std::string base = name;
        for (int k = 2; std::find(out.begin(), out.end(), name) != out.end(); ++k) name = base + std::to_string(k);
        out.push_back(name);
        if (name != names[i]) renamed.push_back({names[i], name});
    }
    return out;
}

}  // namespace zorv
