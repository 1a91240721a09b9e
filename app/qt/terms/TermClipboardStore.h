#pragma once

namespace zorv {

class TermClipboard;

// The term clipboard of the running application: owned by the application object, so that it lives as long
// as the application and is shared by every term editor.
class TermClipboardStore {
public:
    static TermClipboard& application();
};

}  // namespace zorv
