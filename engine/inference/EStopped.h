#pragma once

#include <stdexcept>

namespace zorv {

// Raised by an evaluation that was asked to stop (Workspace::stop) before it was done. The workspace keeps
// what the evaluation before it left; nothing of the stopped one is to be shown.
class EStopped : public std::runtime_error {
public:
    EStopped() : std::runtime_error("The evaluation was stopped.") {}
};

}  // namespace zorv
