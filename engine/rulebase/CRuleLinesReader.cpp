#include "rulebase/CRuleLinesReader.h"

#include <string>
#include <vector>

#include "rulebase/CTextScan.h"

namespace zorv {

namespace {

constexpr std::string_view kEndRules = "END_RULES";
constexpr std::string_view kError = "error in rules";

}  // namespace

CRuleLinesReader::CRuleLinesReader(std::string_view text, std::size_t begin, std::size_t end)
    : text_(text), begin_(begin), end_(end) {}

bool CRuleLinesReader::Empty() const {
    const std::size_t pos = SkipComments(CTextScan::SkipBlanks(text_, begin_, end_));
    return pos >= end_ || AtEnd(pos);
}

long long CRuleLinesReader::Read(long long limit, int antecedents, int succedents, const RuleSink& sink,
                                std::string* trailing) const {
    const std::size_t nAnt = static_cast<std::size_t>(antecedents);
    std::vector<std::string_view> texts(nAnt + static_cast<std::size_t>(succedents));
    std::size_t pos = CTextScan::SkipBlanks(text_, begin_, end_);
    long long count = 0;
    while (count < limit) {
        std::string comment;
        pos = SkipComments(pos, &comment);
        bool enabled = true;
        if (pos < end_ && text_[pos] == '#') {
            enabled = false;
            ++pos;
        }
        if (AtEnd(pos)) {
            if (trailing != nullptr) *trailing = std::move(comment);
            return count;
        }
        for (std::size_t k = 0; k < nAnt; ++k) texts[k] = Expression(pos);
        const std::size_t bar = text_.substr(0, end_).find('|', pos);
        if (bar == std::string_view::npos) CTextScan::Fail(text_, pos, std::string(kError));
        pos = bar + 1;
        for (std::size_t k = nAnt; k < texts.size(); ++k) texts[k] = Expression(pos);
        sink(enabled, texts, std::move(comment));
        ++count;
        pos = CTextScan::SkipBlanks(text_, CTextScan::LineEnd(text_, pos, end_), end_);
    }
    if (trailing != nullptr) {
        std::string comment;
        const std::size_t after = SkipComments(pos, &comment);
        if (after >= end_ || AtEnd(after)) *trailing = std::move(comment);
    }
    return count;
}

std::size_t CRuleLinesReader::SkipComments(std::size_t pos, std::string* comment) const {
    while (pos < end_ && text_[pos] == ';') {
        const std::size_t lineEnd = CTextScan::LineEnd(text_, pos, end_);
        if (comment != nullptr) {
            if (!comment->empty()) comment->push_back('\n');
            comment->append(text_.substr(pos, lineEnd - pos));
        }
        pos = CTextScan::SkipBlanks(text_, lineEnd, end_);
    }
    return pos;
}

bool CRuleLinesReader::AtEnd(std::size_t pos) const { return text_.substr(pos).starts_with(kEndRules); }

// The text between the next double quote and the following one, searched from the expression's second
// character on (so an expression is never empty); pos moves past the closing quote.
std::string_view CRuleLinesReader::Expression(std::size_t& pos) const {
    const std::string_view section = text_.substr(0, end_);
    const std::size_t open = section.find('"', pos);
    if (open == std::string_view::npos || open + 2 > end_) CTextScan::Fail(text_, pos, std::string(kError));
    const std::size_t close = section.find('"', open + 2);
    if (close == std::string_view::npos) CTextScan::Fail(text_, open, std::string(kError));
    pos = close + 1;
    return text_.substr(open + 1, close - open - 1);
}

}  // namespace zorv
