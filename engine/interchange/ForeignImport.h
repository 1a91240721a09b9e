#pragma once

#include <string>
#include <string_view>

#include "interchange/ForeignImporter.h"
#include "interchange/InterchangeFormat.h"

namespace zorv {

// Import in one step: the text of a FIS, FCL or FLL file read and mapped onto a rule base document.
class ForeignImport {
public:
    // Largest file read.
    static constexpr std::size_t kMaxFileSize = 16u << 20;

    // name: the file name used in messages. Throws EInterchange with every problem.
    static ImportOutcome FromText(std::string_view text, InterchangeFormat format, const std::string& name,
                                  ImportOptions options);
    // Reads the file (format from its extension). Throws EInterchangeFile when it cannot be read or has no known
    // extension, EInterchange for its content.
    static ImportOutcome FromFile(const std::string& path, ImportOptions options);
};

// A file that cannot be read or written, as opposed to content that cannot be mapped.
class EInterchangeFile : public std::runtime_error {
public:
    explicit EInterchangeFile(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zorv
