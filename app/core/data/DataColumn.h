#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorv {

// One column of the data table, kept small enough for a million rows: a number and a one-byte kind per
// cell. The kind says how the cell shows its number:
// - a plain decimal ("12", "-0.50", "3.25") keeps its count of decimals, so its text comes back exactly;
// - a computed result shows with six decimals and digit groups ("1,234.500000");
// - a row label shows as "n.".
// Any other text (a word, "1e3", "0,5", " 7") is kept as written, each distinct text once per column.
class DataColumn {
public:
    DataColumn() = default;
    DataColumn(const DataColumn& other);
    DataColumn& operator=(const DataColumn& other);
    DataColumn(DataColumn&&) noexcept = default;
    DataColumn& operator=(DataColumn&&) noexcept = default;

    int Size() const { return static_cast<int>(kinds_.size()); }
    // New cells are empty.
    void Resize(int rows);
    void Reserve(int rows);
    void Append();
    void Erase(int row);

    bool Empty(int row) const { return kinds_[Index(row)] == kEmpty; }
    // The text the cell shows.
    std::string Text(int row) const;
    // The cell read as a number of the data table (NumberText::parseDecimal of its text), without
    // reading its text where the cell keeps a number.
    std::optional<double> Number(int row) const;

    void Clear(int row);
    void SetText(int row, std::string_view text);
    // A computed result: shown as NumberText::dataResult(value) (three significant digits, six decimals,
    // digit groups); Number() gives what that text reads back.
    void SetResult(int row, double value) { SetResult(row, value, ShownResult(value)); }
    // The same with ShownResult(value) worked out before (on another thread, say).
    void SetResult(int row, double value, std::optional<double> shown);
    // The number the text of a computed result reads back as; none for a value that is not finite.
    static std::optional<double> ShownResult(double value);
    void SetLabel(int row, int number);

private:
    enum Kind : std::uint8_t { kEmpty, kText, kResult, kLabel, kDecimals0 };  // kDecimals0 + d: d decimals
    static constexpr int kMaxDecimals = 200;

    static std::size_t Index(int row) { return static_cast<std::size_t>(row); }
    // The decimals of a plain decimal whose text a double keeps exactly; none for any other text.
    static std::optional<int> PlainDecimals(std::string_view text);
    std::uint32_t Intern(std::string_view text);
    void RebuildIndex();

    std::vector<double> values_;  // a text cell holds the position of its text in texts_
    std::vector<std::uint8_t> kinds_;
    std::deque<std::string> texts_;  // a deque, so that the index's views stay valid as it grows
    std::unordered_map<std::string_view, std::uint32_t> textIndex_;
};

}  // namespace zorv
