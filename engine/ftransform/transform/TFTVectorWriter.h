#pragma once

#include <filesystem>
#include <ostream>

namespace zorv {

class TFTransform;

// Writes an F-transform's components as an FT-Vector text file (".ftv"):
//     dimensions: <n>            then an empty line
//     dim <i>:                   for every axis, counted from 0
//       low: <%g>
//       high: <%g>
//       nodes: <count>
//       type: <shape name>       then an empty line
//     <k0>\t<k1>\t...<%.18f>     for every valid cell, in cell order (first axis fastest)
//     an empty line
// Numbers use "." as the decimal mark whatever the process locale.
class TFTVectorWriter {
public:
    // Writes the content; false when the stream failed.
    static bool write(const TFTransform& transform, std::ostream& out);
    // Writes the file through AtomicFileWriter; throws EWrite (a previous file untouched) on failure.
    static void writeFile(const TFTransform& transform, const std::filesystem::path& path);
    // The name the save dialog proposes for a data file: the same name with the extension ".ftv".
    static std::filesystem::path defaultPathFor(const std::filesystem::path& dataFile);
};

}  // namespace zorv
