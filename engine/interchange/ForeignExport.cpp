#include "interchange/ForeignExport.h"

#include <filesystem>

#include "interchange/CGenerator.h"
#include "interchange/EInterchange.h"
#include "interchange/FclWriter.h"
#include "interchange/FisWriter.h"
#include "interchange/FllWriter.h"
#include "interchange/ForeignExporter.h"
#include "interchange/ForeignNames.h"
#include "io/AtomicFileWriter.h"

namespace zorv {

namespace {

// A file name for a message on one line: control characters shown as "?".
std::string Printable(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    }
    return text;
}

}  // namespace

std::string ForeignExport::ToText(const CRuleBase& unit, InterchangeFormat format) {
    switch (format) {
        case InterchangeFormat::Fis: return FisWriter::Write(ForeignExporter::Export(unit, format));
        case InterchangeFormat::Fcl: return FclWriter::Write(ForeignExporter::Export(unit, format));
        case InterchangeFormat::Fll: return FllWriter::Write(ForeignExporter::Export(unit, format));
        case InterchangeFormat::C: break;
    }
    throw EInterchange("C is written as two files; see WriteC");
}

std::string ForeignExport::HeaderPath(const std::string& path) {
    return std::filesystem::path(path).replace_extension(".h").string();
}

// Within the quotes of an include a double quote or a line break ends the name; a backslash, an apostrophe
// and the "??" of a trigraph are read differently by different compilers, and control characters do not
// belong in source text at all. (A file name holds no "/", so neither "//" nor "/*".)
std::optional<std::string> ForeignExport::HeaderNameProblem(const std::string& path) {
    const std::string name = std::filesystem::path(HeaderPath(path)).filename().string();
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) return "it holds a control character";
        if (c == '"' || c == '\\' || c == '\'') return std::string("it holds the character ") + c;
    }
    if (name.find("??") != std::string::npos) return "it holds ??";
    return std::nullopt;
}

std::string ForeignExport::DefaultPrefix(const std::string& path) {
    std::string prefix = ForeignNames::Identifier(std::filesystem::path(path).stem().string(), "rulebase");
    // C keeps names that begin with "_" for itself ("1abc.c" would give "_1abc").
    if (prefix.front() == '_') prefix.insert(0, "rb");
    return prefix;
}

void ForeignExport::WriteC(const CRuleBase& unit, const std::string& path, const std::string& prefix) {
    const std::string header = HeaderPath(path);
    if (const auto problem = HeaderNameProblem(path)) {
        throw EInterchange("the C source cannot include its header by the name " + Printable(header) + ": " +
                           *problem + "; choose another file name");
    }
    const CGenerator::Files files = CGenerator::Generate(
        unit, prefix.empty() ? DefaultPrefix(path) : prefix, std::filesystem::path(header).filename().string());
    // Neither file is replaced unless both can be written.
    const AtomicFileWriter::File both[] = {{path, files.source}, {header, files.header}};
    AtomicFileWriter::writeAll(both);
}

void ForeignExport::WriteText(const CRuleBase& unit, InterchangeFormat format, const std::string& path) {
    AtomicFileWriter::write(path, ToText(unit, format));
}

}  // namespace zorv
