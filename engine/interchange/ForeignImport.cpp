#include "interchange/ForeignImport.h"

#include <fstream>
#include <iterator>

#include "interchange/FclReader.h"
#include "interchange/FisReader.h"
#include "interchange/EInterchange.h"
#include "interchange/FllReader.h"
#include "io/TextInput.h"

namespace zorv {

ImportOutcome ForeignImport::FromText(std::string_view file, InterchangeFormat format, const std::string& name,
                                      ImportOptions options) {
    // Without a byte-order mark and with line feeds only, as every text file is read.
    const std::string normalised = TextInput::Normalised(file);
    const std::string_view text = normalised;
    ProblemList problems(name);
    ForeignSystem system;
    switch (format) {
        case InterchangeFormat::Fis: system = FisReader::Read(text, problems); break;
        case InterchangeFormat::Fcl: system = FclReader::Read(text, problems); break;
        case InterchangeFormat::Fll: system = FllReader::Read(text, problems); break;
        case InterchangeFormat::C: throw EInterchangeFile(name + ": C source cannot be imported");
    }
    if (problems.empty()) return ForeignImporter::Import(system, name, options);
    // The parts that were read are examined too, so that every problem is reported at once; the importer's
    // complaint about missing rules only repeats that some could not be read.
    std::vector<std::string> messages = problems.messages();
    try {
        ForeignImporter::Import(system, name, options);
    } catch (const EInterchange& more) {
        for (const std::string& message : more.messages())
            if (message.find(": no rule") == std::string::npos) messages.push_back(message);
    }
    throw EInterchange(messages);
}

ImportOutcome ForeignImport::FromFile(const std::string& path, ImportOptions options) {
    const auto format = InterchangeFormats::FromPath(path);
    if (!format || *format == InterchangeFormat::C)
        throw EInterchangeFile(path + ": the file name must end in .fis, .fcl or .fll");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EInterchangeFile("cannot open " + path);
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileSize) throw EInterchangeFile(path + ": the file is too large to be a rule base");
    }
    if (in.bad()) throw EInterchangeFile("cannot read " + path);
    return FromText(text, *format, path, options);
}

}  // namespace zorv
