#pragma once

#include <string>
#include <vector>

namespace zorv {

// A variable as the data table shows it in its header rows.
struct DataColumnVariable {
    std::string name;
    double low = 0.0;
    double high = 1.0;
};

// The columns of the data table for a rule base:
//   0                       row label "n."
//   1 .. nIn                input values
//   nIn+1                   "est.", the expected value of output variable 0
//   nIn+2 .. nIn+nOut+1     the values computed for the output variables
//   nIn+nOut+2              "Ling. Approx." (only when linguistic approximation is shown)
class DataTableLayout {
public:
    DataTableLayout() = default;
    DataTableLayout(std::vector<DataColumnVariable> inputs, std::vector<DataColumnVariable> outputs,
                    bool lingApprox = false);

    int InputCount() const { return static_cast<int>(inputs_.size()); }
    int OutputCount() const { return static_cast<int>(outputs_.size()); }
    const DataColumnVariable& Input(int k) const { return inputs_.at(k); }
    const DataColumnVariable& Output(int k) const { return outputs_.at(k); }
    bool LingApprox() const { return lingApprox_; }
    void SetLingApprox(bool on) { lingApprox_ = on; }

    int InputColumn(int k) const { return 1 + k; }
    int ExpectedColumn() const { return InputCount() + 1; }
    int OutputColumn(int k) const { return InputCount() + 2 + k; }
    int LingApproxColumn() const { return InputCount() + OutputCount() + 2; }
    int ColumnCount() const { return LingApproxColumn() + (lingApprox_ ? 1 : 0); }

    // The text of header row 0 or 1 in the column.
    std::string HeaderText(int row, int column) const;

    // "<low, high>" with two decimals, as the header shows a context.
    static std::string ContextText(double low, double high);

private:
    std::vector<DataColumnVariable> inputs_;
    std::vector<DataColumnVariable> outputs_;
    bool lingApprox_ = false;
};

}  // namespace zorv
