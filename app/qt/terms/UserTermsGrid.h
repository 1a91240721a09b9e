#pragma once

#include <QTableWidget>
#include <functional>
#include <optional>
#include <utility>

namespace zorv {

// The term grid's widget: Tab and Shift+Tab follow the cells the row's type can edit, Ctrl+C and Ctrl+V
// ask for the term clipboard, and an open cell editor can be committed on demand. A cell that its leave check
// refuses keeps the cursor and its editor, whether it is left by Tab, by the arrows or by a click.
class UserTermsGrid : public QTableWidget {
    Q_OBJECT

public:
    using Navigator = std::function<std::optional<std::pair<int, int>>(int row, int column, bool forward)>;
    // Whether the current cell may be left; shows why not.
    using LeaveCheck = std::function<bool()>;

    explicit UserTermsGrid(QWidget* parent = nullptr);

    void setNavigator(Navigator navigator) { navigator_ = std::move(navigator); }
    void setLeaveCheck(LeaveCheck check) { mayLeave_ = std::move(check); }
    // Writes the text of an open cell editor into its cell and closes the editor.
    void commitEditing();

signals:
    void copyRequested();
    void pasteRequested();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool mayLeave() const { return !mayLeave_ || mayLeave_(); }

    Navigator navigator_;
    LeaveCheck mayLeave_;
};

}  // namespace zorv
