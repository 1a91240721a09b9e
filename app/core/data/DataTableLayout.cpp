#include "app/core/data/DataTableLayout.h"

#include "text/NumberText.h"

namespace zorv {

namespace {

const DataColumnVariable kNoVariable{"", 0.0, 0.0};

std::string HeaderOf(const DataColumnVariable& variable, int row) {
    return row == 0 ? variable.name : DataTableLayout::ContextText(variable.low, variable.high);
}

}  // namespace

DataTableLayout::DataTableLayout(std::vector<DataColumnVariable> inputs, std::vector<DataColumnVariable> outputs,
                                 bool lingApprox)
    : inputs_(std::move(inputs)), outputs_(std::move(outputs)), lingApprox_(lingApprox) {}

std::string DataTableLayout::HeaderText(int row, int column) const {
    if ((row != 0 && row != 1) || column <= 0 || column >= ColumnCount()) {
        return {};
    }
    const DataColumnVariable& output0 = outputs_.empty() ? kNoVariable : outputs_.front();
    if (column <= InputCount()) {
        return HeaderOf(inputs_[column - 1], row);
    }
    if (column == ExpectedColumn()) {
        return row == 0 ? "est." : HeaderOf(output0, 1);
    }
    if (column < LingApproxColumn()) {
        return HeaderOf(outputs_[column - OutputColumn(0)], row);
    }
    return row == 0 ? "Ling. Approx." : HeaderOf(output0, 1);
}

std::string DataTableLayout::ContextText(double low, double high) {
    std::string text(1, '<');
    text.append(NumberText::fixed(low, 2)).append(", ").append(NumberText::fixed(high, 2)).push_back('>');
    return text;
}

}  // namespace zorv
