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

std::string ForeignExport::DefaultPrefix(const std::string& path) {
    std::string prefix = ForeignNames::Identifier(std::filesystem::path(path).stem().string(), "rulebase");
    // C keeps names that begin with "_" for itself ("1abc.c" would give "_1abc").
    if (prefix.front() == '_') prefix.insert(0, "rb");
    return prefix;
}

void ForeignExport::WriteC(const CRuleBase& unit, const std::string& path, const std::string& prefix) {
    const std::string header = HeaderPath(path);
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
