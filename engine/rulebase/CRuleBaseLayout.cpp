#include "rulebase/CRuleBaseLayout.h"

#include "rulebase/CTextScan.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr std::string_view kComment = "!COMMENT!";
constexpr std::string_view kEndComment = "!END_COMMENT!";
constexpr std::string_view kAntMarker = "AntVariable";
constexpr std::string_view kSucMarker = "SucVariable";
constexpr std::string_view kAntEnd = "End_AntVariable";
constexpr std::string_view kSucEnd = "End_SucVariable";
constexpr std::string_view kRules = "RULES";
constexpr std::string_view kEndRules = "END_RULES";

bool StartsWithAt(std::string_view text, std::size_t pos, std::string_view word) {
    return text.substr(pos).starts_with(word);
}

// Start of the description's last line break and the blanks before the end marker on its line.
std::size_t DescriptionEnd(std::string_view text, std::size_t begin, std::size_t marker) {
    std::size_t end = marker;
    while (end > begin && CTextScan::IsBlank(text[end - 1]) && !CTextScan::IsLineBreak(text[end - 1])) --end;
    if (end > begin && CTextScan::IsLineBreak(text[end - 1])) {
        const char last = text[--end];
        if (end > begin && CTextScan::IsLineBreak(text[end - 1]) && text[end - 1] != last) --end;
    }
    return end;
}

}  // namespace

CRuleBaseLayout::CRuleBaseLayout(std::string_view text) : text_(text) {
    std::size_t pos = 0;
    while (pos < text_.size()) {
        const CTextScan::Line line = CTextScan::LineAt(text_, pos);
        pos = line.next;
        if (!comment_ && StartsWithAt(text_, line.content, kComment)) {
            pos = ReadComment(line.content);
        } else if (StartsWithAt(text_, line.content, kAntMarker)) {
            pos = ReadBlock(line.content, true);
        } else if (StartsWithAt(text_, line.content, kSucMarker)) {
            pos = ReadBlock(line.content, false);
        } else if (!rules_ && CTextScan::Trim(text_.substr(line.begin, line.end - line.begin)) == kRules) {
            pos = ReadRules(line.next);
        } else {
            NoteHeaderKey(line.content);
        }
    }
}

std::optional<std::size_t> CRuleBaseLayout::HeaderValue(std::string_view key) const {
    for (std::size_t i = 0; i < kHeaderKeys.size(); ++i) {
        if (kHeaderKeys[i] == key) return header_[i];
    }
    return std::nullopt;
}

// The description starts after the blanks of the marker's line and one line break, and ends before the
// blanks in front of the end marker and one line break. Without an end marker there is no comment block and
// the line is read as any other.
std::size_t CRuleBaseLayout::ReadComment(std::size_t content) {
    const std::size_t afterMarker = content + kComment.size();
    const std::size_t marker = text_.find(kEndComment, afterMarker);
    if (marker == std::string_view::npos) {
        NoteHeaderKey(content);
        return CTextScan::LineAt(text_, content).next;
    }
    const std::size_t begin =
        CTextScan::SkipLineBreak(text_, CTextScan::SkipLineBlanks(text_, afterMarker, marker));
    const std::size_t start = begin < marker ? begin : marker;
    const std::size_t end = DescriptionEnd(text_, start, marker);
    comment_ = Span{start, end < start ? start : end};
    return marker + kEndComment.size();
}

std::size_t CRuleBaseLayout::ReadBlock(std::size_t content, bool antecedent) {
    const std::string_view marker = antecedent ? kAntMarker : kSucMarker;
    const std::string_view endMarker = antecedent ? kAntEnd : kSucEnd;
    const CTextScan::Line first = CTextScan::LineAt(text_, content);
    Block block;
    block.marker = content;
    block.number = NumberText::scanInteger(text_.substr(content + marker.size(), first.end - content - marker.size()));
    block.bodyBegin = first.next;
    std::size_t pos = first.next;
    block.bodyEnd = text_.size();
    while (pos < text_.size()) {
        const CTextScan::Line line = CTextScan::LineAt(text_, pos);
        if (StartsWithAt(text_, line.content, endMarker)) {
            const std::size_t numberAt = line.content + endMarker.size();
            block.bodyEnd = line.begin;
            block.closed = true;
            block.closeNumber = NumberText::scanInteger(text_.substr(numberAt, line.end - numberAt));
            pos = line.next;
            break;
        }
        pos = line.next;
    }
    (antecedent ? antecedents_ : succedents_).push_back(block);
    return pos;
}

std::size_t CRuleBaseLayout::ReadRules(std::size_t next) {
    std::size_t pos = next;
    while (pos < text_.size()) {
        const CTextScan::Line line = CTextScan::LineAt(text_, pos);
        if (StartsWithAt(text_, line.content, kEndRules)) {
            rules_ = Span{next, line.content};
            rulesTerminated_ = true;
            return line.next;
        }
        pos = line.next;
    }
    rules_ = Span{next, text_.size()};
    return text_.size();
}

void CRuleBaseLayout::NoteHeaderKey(std::size_t content) {
    for (std::size_t i = 0; i < kHeaderKeys.size(); ++i) {
        if (!header_[i] && StartsWithAt(text_, content, kHeaderKeys[i])) {
            header_[i] = content + kHeaderKeys[i].size();
            return;
        }
    }
}

}  // namespace zorv
