#include "app/qt/terms/TermClipboardStore.h"

#include <QCoreApplication>
#include <QObject>

#include "app/core/terms/TermClipboard.h"

namespace zorv {

namespace {

constexpr const char* kObjectName = "zorvTermClipboard";

class ClipboardHolder final : public QObject {
public:
    explicit ClipboardHolder(QObject* parent) : QObject(parent) { setObjectName(kObjectName); }
    TermClipboard clipboard;
};

}  // namespace

TermClipboard& TermClipboardStore::application() {
    QObject* app = QCoreApplication::instance();
    auto* holder = dynamic_cast<ClipboardHolder*>(app->findChild<QObject*>(kObjectName, Qt::FindDirectChildrenOnly));
    if (holder == nullptr) holder = new ClipboardHolder(app);  // owned by the application object
    return holder->clipboard;
}

}  // namespace zorv
