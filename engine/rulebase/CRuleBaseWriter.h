#pragma once

#include <iosfwd>
#include <string>

namespace zorv {

class CAliasPlan;
class CFuzzyVariable;
class CRuleBase;

// Writes a rule base in its file form: the comment block, the header keys, one block per variable with its
// settings and user terms, and the rules as lines of quoted expressions. A unit the file cannot hold is
// refused with EWrite before anything is written. The unit is not changed.
class CRuleBaseWriter {
public:
    explicit CRuleBaseWriter(const CRuleBase& unit) : unit_(unit) {}

    // The whole file text.
    std::string Text() const;
    void Write(std::ostream& out) const;
    // Replaces the file at path once the whole text is written (see AtomicFileWriter).
    void WriteFile(const std::string& path) const;

    // The lines of a variable block between its start and end lines, for a variable standing alone: its
    // name, its own settings (never an alias) with the discretization, and its user terms. The block reader
    // (CVariableBlockReader) reads them back into an equal variable.
    static std::string VariableBody(const CFuzzyVariable& variable);

private:
    void WriteHeader(std::string& out) const;
    void WriteVariable(std::string& out, int signedIndex, const CAliasPlan& plan, int previousGrid) const;
    static void WriteSettings(std::string& out, const CFuzzyVariable& variable, int previousGrid);
    static void WriteUserTerms(std::string& out, const CFuzzyVariable& variable);
    void WriteRules(std::string& out) const;

    const CRuleBase& unit_;
};

}  // namespace zorv
