#pragma once

#include <string>

namespace zorv {

// Names new rule bases "NoName0.rb", "NoName1.rb", ... in the order they are made.
class UntitledNames {
public:
    std::string next();

private:
    int counter_ = 0;
};

}  // namespace zorv
