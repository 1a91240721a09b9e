#pragma once

#include <string>

namespace zorv {

// The user guide's page of method names (docs/manual/method-names.md), made from the method tables: per
// method its display name, key, short name, where it applies and what it does, in the order of the lists.
class MethodNamesPage {
public:
    static std::string text();
};

}  // namespace zorv
