#include "app/core/files/EditorCloseGuard.h"

#include "app/core/workbench/Prompter.h"
#include "app/core/workbench/WorkbenchMessages.h"

namespace zorv {

bool EditorCloseGuard::mayClose(bool modified, const std::string& path, Prompter& prompter,
                                const std::function<SaveOutcome()>& save) {
    if (!modified) {
        return true;
    }
    switch (prompter.ask(WorkbenchMessages::saveChanges(path), PromptButtons::yesNoCancel)) {
    case PromptAnswer::yes: return save() == SaveOutcome::saved;
    case PromptAnswer::no: return true;
    case PromptAnswer::cancel: return false;
    }
    return false;
}

}  // namespace zorv
