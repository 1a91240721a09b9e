#pragma once

#include <QPointer>
#include <QString>

class QWidget;

namespace zorv {

class HelpWindow;

// Help > Contents: the help document "ZorvHelp.pdf" in the program's folder, when it is there, goes to the
// desktop to be shown in the default way; without it, or when the desktop cannot show it, the user guide
// built into the program opens in its window (one window, raised again on later calls).
class HelpContents {
public:
    static constexpr const char* kDocument = "ZorvHelp.pdf";

    // programFolder: where the help document is looked for; empty means the program's own folder.
    explicit HelpContents(QString programFolder = {});

    // Shows the help; returns the manual's window when that is what shows it.
    HelpWindow* open(QWidget* parent);
    HelpWindow* window() const;

private:
    QString folder() const;

    QString programFolder_;
    QPointer<HelpWindow> window_;
};

}  // namespace zorv
