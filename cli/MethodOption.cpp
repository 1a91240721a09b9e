#include "cli/MethodOption.h"

#include "cli/CliError.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv::cli {

namespace {

template <typename Entry, typename Table>
const Entry& find(const Table& table, const std::string& name, const std::string& what) {
    std::string known;
    for (const Entry& entry : table) {
        if (entry.fileKey == name || entry.shortName == name) {
            return entry;
        }
        known += "\n  " + std::string(entry.fileKey) +
                 (entry.shortName != entry.fileKey ? " (" + std::string(entry.shortName) + ")" : "");
    }
    throw CliError::usage("unknown " + what + " method '" + name + "'; known:" + known);
}

}  // namespace

const InferenceMethodEntry& MethodOption::inference(const std::string& name) {
    return find<InferenceMethodEntry>(InferenceMethodTable(), name, "inference");
}

const DefuzzificationMethodEntry& MethodOption::defuzzification(const std::string& name) {
    return find<DefuzzificationMethodEntry>(DefuzzificationMethodTable(), name, "defuzzification");
}

}  // namespace zorv::cli
