#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

class CBasicSettings;
class CRuleBase;

// Refuses, with EWrite naming the problem, a unit that its file cannot hold so that it reads back equal:
// names the reader would cut or trim, a description holding its end marker, expressions holding quotes or
// line breaks or failing to compile, settings and numbers the reader refuses, and units beyond the reader's
// limits.
class CRuleBaseSaveCheck {
public:
    explicit CRuleBaseSaveCheck(const CRuleBase& unit) : unit_(unit) {}

    void Run() const;

    // Why a variable or user-term name cannot be stored; none when it can.
    static std::optional<std::string> NameProblem(std::string_view name);

private:
    void CheckDescription() const;
    void CheckVariable(int signedIndex) const;
    void CheckUserTerms(const CBasicSettings& settings, const std::string& variable) const;
    void CheckRules() const;
    static bool CommentFits(std::string_view comment);
    void CheckCells() const;

    const CRuleBase& unit_;
};

}  // namespace zorv
