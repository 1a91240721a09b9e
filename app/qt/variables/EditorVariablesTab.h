#pragma once

#include <QWidget>
#include <vector>

#include "app/core/variables/UnitVariableRows.h"

class QPushButton;
class QTableWidget;

namespace zorv {

// An editor's "Input variables" or "Output variables" tab: a read-only grid with one row per variable and
// the buttons that add, delete and edit variables (outputs can only be edited).
class EditorVariablesTab final : public QWidget {
    Q_OBJECT

public:
    EditorVariablesTab(bool input, QWidget* parent = nullptr);

    void fill(const std::vector<UnitVariableRow>& rows);
    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

    bool input() const { return input_; }
    QTableWidget* grid() const { return grid_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* editButton() const { return edit_; }

signals:
    void addRequested();
    void deleteRequested(int row);
    void editRequested(int row);

private:
    bool input_;
    QTableWidget* grid_;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* edit_;
};

}  // namespace zorv
