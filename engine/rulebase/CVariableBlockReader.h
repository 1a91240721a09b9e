#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "rulebase/CFuzzyVariable.h"
#include "rulebase/DescriptionType.h"

namespace zorv {

class CBasicSettings;

// Reads the body of one variable block of a rule base file into a variable: its name, its settings (a new
// vocabulary or an alias of an earlier variable's) with lingparams and user terms, and its discretization.
// Keys count at the start of a body line outside the "UserTerm" blocks. Throws ESyntax.
class CVariableBlockReader {
public:
    struct Context {
        DescriptionType type = DescriptionType::linguistic;
        bool antecedent = true;
        // Discretization of the previously read variable of the file, if any.
        std::optional<int> previousDiscretization;
        // The variable an alias names, searched among the variables read so far; null when none.
        std::function<const CFuzzyVariable*(std::string_view)> findVariable;
    };

    CVariableBlockReader(std::string_view text, std::size_t bodyBegin, std::size_t bodyEnd);

    CFuzzyVariable Read(const Context& context) const;

private:
    enum class Kind { alias, linguistic, triang, linc, unknown };
    struct Interval {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    struct UserTermBlock {
        Interval body;
        bool closed = false;
        std::size_t marker = 0;
    };
    struct Settings {
        std::shared_ptr<CSettings> settings;
        std::optional<int> discretization;  // the aliased variable's
    };

    // Position after the first body line that starts with key (outside the user-term blocks).
    std::optional<std::size_t> Find(std::string_view key) const;
    std::size_t Require(std::string_view key, std::string_view name) const;
    std::size_t LineEndFrom(std::size_t pos) const;

    std::string ReadName() const;
    Kind ReadKind(std::size_t value) const;
    std::pair<double, double> ReadContext() const;
    std::optional<int> ReadDiscretization(bool required) const;
    void CheckKindFits(std::string_view typeName, const Context& context, std::size_t at) const;
    Settings MakeSettings(Kind kind, std::pair<double, double> bounds, std::size_t kindAt,
                          const Context& context) const;
    Settings ResolveAlias(std::size_t kindAt, const Context& context) const;
    void ReadLingParams(CSettings& settings) const;
    void ReadUserTerms(CBasicSettings& settings) const;
    void ReadUserTerm(const UserTermBlock& block, CBasicSettings& settings) const;

    std::string_view text_;
    Interval body_;
    std::vector<Interval> keyLines_;  // body lines outside the user-term blocks
    std::vector<UserTermBlock> userTerms_;
};

}  // namespace zorv
