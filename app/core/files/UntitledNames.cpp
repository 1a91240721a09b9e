#include "app/core/files/UntitledNames.h"

namespace zorv {

std::string UntitledNames::next() {
    return "NoName" + std::to_string(counter_++) + ".rb";
}

}  // namespace zorv
