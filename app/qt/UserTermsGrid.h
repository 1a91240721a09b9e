#pragma once

#include <QTableWidget>
#include <functional>
#include <optional>
#include <utility>

namespace zorv {

// The term grid's widget: Tab and Shift+Tab follow the cells the row's type can edit, Ctrl+C and Ctrl+V
// ask for the term clipboard, and an open cell editor can be committed on demand.
class UserTermsGrid : public QTableWidget {
    Q_OBJECT

public:
    using Navigator = std::function<std::optional<std::pair<int, int>>(int row, int column, bool forward)>;

    explicit UserTermsGrid(QWidget* parent = nullptr);

    void setNavigator(Navigator navigator) { navigator_ = std::move(navigator); }
    // Writes the text of an open cell editor into its cell and closes the editor.
    void commitEditing();

signals:
    void copyRequested();
    void pasteRequested();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Navigator navigator_;
};

}  // namespace zorv
