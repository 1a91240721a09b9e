#pragma once

#include <string>

#include "io/EWrite.h"

namespace zorv {

// Raised before anything is written when the content cannot be expressed in its file's form (a name the
// reader would cut, a rule base beyond what the reader accepts): the input is at fault, not the output.
class EWriteRefused : public EWrite {
public:
    explicit EWriteRefused(const std::string& message) : EWrite(message) {}
};

}  // namespace zorv
