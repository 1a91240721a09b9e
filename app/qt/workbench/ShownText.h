#pragma once

#include <QCoreApplication>
#include <string>

namespace zorv {

// A text of the toolkit-neutral layer (messages, captions, headers) as the interface shows it: through the
// translator, like the interface's own strings.
inline QString shownText(const std::string& text) { return QCoreApplication::translate("zorv", text.c_str()); }

}  // namespace zorv
