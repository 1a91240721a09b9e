#pragma once

#include <string>

namespace zorv {
struct InferenceMethodEntry;
struct DefuzzificationMethodEntry;
}  // namespace zorv

namespace zorv::cli {

// Finds the method an --infer or --defuzz option names by its file key or its short name, as the rule
// base file stores them ("Logical_Deduction" or "LLogInfPreCrisp"; "MeanOfMaxima" or "MOM"). Exact,
// case-sensitive match; an unknown name throws a usage CliError that lists the names.
class MethodOption {
public:
    static const InferenceMethodEntry& inference(const std::string& name);
    static const DefuzzificationMethodEntry& defuzzification(const std::string& name);
};

}  // namespace zorv::cli
