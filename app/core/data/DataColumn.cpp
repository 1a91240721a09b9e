#include "app/core/data/DataColumn.h"

#include <charconv>
#include <cmath>

#include "text/NumberText.h"

namespace zorv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A double keeps every decimal of up to 15 significant digits: printed back with as many decimals as the
// text had, it gives the text again.
constexpr int kExactDigits = 15;

}  // namespace

DataColumn::DataColumn(const DataColumn& other)
    : values_(other.values_), kinds_(other.kinds_), texts_(other.texts_) {
    RebuildIndex();
}

DataColumn& DataColumn::operator=(const DataColumn& other) {
    if (this != &other) {
        values_ = other.values_;
        kinds_ = other.kinds_;
        texts_ = other.texts_;
        RebuildIndex();
    }
    return *this;
}

void DataColumn::RebuildIndex() {
    textIndex_.clear();
    for (std::size_t i = 0; i < texts_.size(); ++i) textIndex_.emplace(texts_[i], static_cast<std::uint32_t>(i));
}

void DataColumn::Resize(int rows) {
    values_.resize(Index(rows), 0.0);
    kinds_.resize(Index(rows), kEmpty);
}

void DataColumn::Reserve(int rows) {
    values_.reserve(Index(rows));
    kinds_.reserve(Index(rows));
}

void DataColumn::Append() {
    values_.push_back(0.0);
    kinds_.push_back(kEmpty);
}

void DataColumn::Erase(int row) {
    values_.erase(values_.begin() + row);
    kinds_.erase(kinds_.begin() + row);
}

std::string DataColumn::Text(int row) const {
    const double value = values_[Index(row)];
    switch (const std::uint8_t kind = kinds_[Index(row)]) {
        case kEmpty: return {};
        case kText: return texts_[static_cast<std::size_t>(value)];
        case kResult: return NumberText::grouped(value);
        case kLabel: return NumberText::integer(static_cast<long long>(value)) + ".";
        default: return NumberText::fixed(value, kind - kDecimals0);
    }
}

std::optional<double> DataColumn::Number(int row) const {
    switch (kinds_[Index(row)]) {
        case kEmpty: return std::nullopt;
        case kText: return NumberText::parseDecimal(texts_[static_cast<std::size_t>(values_[Index(row)])]);
        case kLabel: return NumberText::parseDecimal(Text(row));
        default: return values_[Index(row)];
    }
}

void DataColumn::Clear(int row) {
    values_[Index(row)] = 0.0;
    kinds_[Index(row)] = kEmpty;
}

void DataColumn::SetText(int row, std::string_view text) {
    if (text.empty()) {
        Clear(row);
        return;
    }
    if (const auto decimals = PlainDecimals(text)) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        values_[Index(row)] = value;
        kinds_[Index(row)] = static_cast<std::uint8_t>(kDecimals0 + *decimals);
        return;
    }
    values_[Index(row)] = static_cast<double>(Intern(text));
    kinds_[Index(row)] = kText;
}

std::optional<double> DataColumn::ShownResult(double value) {
    return NumberText::parseDecimal(NumberText::dataResult(value));
}

void DataColumn::SetResult(int row, double value, std::optional<double> shown) {
    if (!shown) {  // "inf", "nan": kept as the text they show
        SetText(row, NumberText::dataResult(value));
        return;
    }
    values_[Index(row)] = *shown;
    kinds_[Index(row)] = kResult;
}

void DataColumn::SetLabel(int row, int number) {
    values_[Index(row)] = number;
    kinds_[Index(row)] = kLabel;
}

std::uint32_t DataColumn::Intern(std::string_view text) {
    if (const auto found = textIndex_.find(text); found != textIndex_.end()) return found->second;
    const auto index = static_cast<std::uint32_t>(texts_.size());
    texts_.emplace_back(text);
    textIndex_.emplace(texts_.back(), index);
    return index;
}

// "-"? ("0" | [1-9][0-9]*) ("." [0-9]+)?, with at most kExactDigits digits from the first non-zero one on.
std::optional<int> DataColumn::PlainDecimals(std::string_view text) {
    std::size_t i = text.empty() || text.front() != '-' ? 0 : 1;
    if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
    if (text[i] == '0' && i + 1 < text.size() && IsDigit(text[i + 1])) return std::nullopt;
    while (i < text.size() && IsDigit(text[i])) ++i;
    int decimals = 0;
    if (i < text.size()) {
        if (text[i] != '.' || i + 1 == text.size()) return std::nullopt;
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++decimals;
        if (i != text.size()) return std::nullopt;
    }
    int significant = 0;
    for (const char c : text) {
        if (IsDigit(c) && (significant > 0 || c != '0')) ++significant;
    }
    if (significant > kExactDigits || decimals > kMaxDecimals) return std::nullopt;
    return decimals;
}

}  // namespace zorv
