#pragma once

class QWidget;

namespace zorv {

// Cut, copy and paste of text for whatever text control has the focus.
class TextClipboard {
public:
    // Whether widget is a text control.
    static bool handles(const QWidget* widget);
    // Each returns false when widget is no text control.
    static bool cut(QWidget* widget);
    static bool copy(QWidget* widget);
    static bool paste(QWidget* widget);
};

}  // namespace zorv
