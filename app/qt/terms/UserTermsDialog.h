#pragma once

#include <QDialog>
#include <optional>
#include <string_view>

#include "app/core/terms/UserTermSession.h"
#include "app/core/terms/UserTermTable.h"

class QMenu;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

namespace zorv {

class CRuleBase;
class TermChart;
class TermClipboard;
class Prompter;
class UserTermsGrid;

// "User expressions": the user terms of one variable in an editable grid with a chart ("User" page) and
// the vocabulary's standard expressions, read-only ("Standard" page). Nothing reaches the rule base
// until OK.
class UserTermsDialog : public QDialog {
    Q_OBJECT

public:
    UserTermsDialog(CRuleBase& unit, int signedIndex, TermClipboard& clipboard, Prompter& prompter,
                    QWidget* parent = nullptr);

    // Opens the editor modally for the variable; true when it was confirmed (the unit changed).
    static bool edit(QWidget* parent, CRuleBase& unit, int signedIndex);

    const UserTermSession& session() const { return session_; }
    UserTermsGrid* grid() const { return grid_; }
    QTableWidget* standardGrid() const { return standardGrid_; }
    TermChart* chart() const { return chart_; }
    TermChart* standardChart() const { return standardChart_; }
    QTabWidget* pages() const { return pages_; }
    QMenu* changeTypeMenu() const { return typeMenu_; }
    QPushButton* addGaussianButton() const { return addGaussian_; }

    // The commands of the buttons, the menu and the clipboard keys.
    void addQuadratic();
    void addTrapezoid();
    void addTriangular();
    void addGaussian();
    void addUniform();
    void changeType(std::string_view type);
    void deleteTerm();
    void copyTerms();
    void pasteTerms();
    void accept() override;

private:
    QWidget* buildUserPage();
    QWidget* buildButtons();
    QWidget* buildStandardPage();
    QMenu* buildTypeMenu();
    void fillStandardGrid();
    void refreshGrid();
    void refreshRow(int row);
    void setItem(QTableWidget* grid, const UserTermTable& table, int row, int column, bool editableGrid);
    void setCurrent(int row, int column);
    void addShape(std::string_view type);
    bool leaveCell(int row, int column);
    void onItemChanged(QTableWidgetItem* item);
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void onChartPressed(QPointF position);
    void onChartDragged(QPointF position);
    void updateTypeMenu();

    CRuleBase& unit_;
    TermClipboard& clipboard_;
    Prompter& prompter_;
    UserTermSession session_;
    UserTermTable standardTable_;
    bool syncing_ = false;
    std::optional<int> dragSlot_;

    QTabWidget* pages_ = nullptr;
    UserTermsGrid* grid_ = nullptr;
    TermChart* chart_ = nullptr;
    QTableWidget* standardGrid_ = nullptr;
    TermChart* standardChart_ = nullptr;
    QMenu* typeMenu_ = nullptr;
    QPushButton* addGaussian_ = nullptr;
};

}  // namespace zorv
