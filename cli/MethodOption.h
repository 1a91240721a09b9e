#pragma once

#include <string>

namespace zorv {
struct InferenceMethodEntry;
struct DefuzzificationMethodEntry;
}  // namespace zorv

namespace zorv::cli {

// The methods that an --infer or --defuzz option names, by any of the names of their table rows (the file
// key, the short name or the display name), exactly as written: FindInferenceMethod and
// FindDefuzzificationMethod, as for the library. An unknown name throws a usage CliError that lists the names.
class MethodOption {
public:
    static const InferenceMethodEntry& inference(const std::string& name);
    static const DefuzzificationMethodEntry& defuzzification(const std::string& name);

    // The rows for a help text: per method a line of its names, then a line of what it does, every line
    // begun by indent.
    static std::string inferenceList(const std::string& indent);
    static std::string defuzzificationList(const std::string& indent);
};

}  // namespace zorv::cli
