#include "app/qt/workbench/TextClipboard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zorv {
namespace {

QLineEdit* lineEditOf(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->lineEdit();
    }
    return nullptr;
}

template <typename Apply>
bool apply(QWidget* widget, Apply&& operation) {
    if (QLineEdit* line = lineEditOf(widget)) {
        operation(*line);
        return true;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        operation(*text);
        return true;
    }
    if (auto* text = qobject_cast<QTextEdit*>(widget)) {
        operation(*text);
        return true;
    }
    return false;
}

}  // namespace

bool TextClipboard::handles(const QWidget* widget) {
    return apply(const_cast<QWidget*>(widget), [](auto&) {});
}

bool TextClipboard::cut(QWidget* widget) {
    return apply(widget, [](auto& control) { control.cut(); });
}

bool TextClipboard::copy(QWidget* widget) {
    return apply(widget, [](auto& control) { control.copy(); });
}

bool TextClipboard::paste(QWidget* widget) {
    return apply(widget, [](auto& control) { control.paste(); });
}

}  // namespace zorv
