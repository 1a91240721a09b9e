#pragma once

// Runs one text through one of the engine's text readers and checks what must hold for any input:
// the reader ends with a result or an ESyntax, and the result is sound. Used by the libFuzzer target
// and by the random-text test. Any other exception escapes; a broken invariant throws HarnessViolation.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "fuzzy/expression/CNormalizer.h"
#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CSettingsFactory.h"

namespace zorv::fuzz {

class HarnessViolation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ReaderHarness {
public:
    enum Reader : int {
        kCheckPlain,       // checkSyntax, linguistic <0, 1>
        kCheckSymmetric,   // checkSyntax, linguistic <-1, 1> with user terms
        kCheckTriang,      // checkSyntax, triang <-3, 6>
        kCheckLinear,      // checkSyntax, linc
        kEvaluatePlain,    // evaluate, linguistic <0, 1>
        kEvaluateSymmetric,
        kEvaluateTriang,
        kNormalizePlain,   // normalize
        kNormalizeSymmetric,
        kDescribe,         // describeExpression and printExpression
        kParseLinear,      // parseLinear over three inputs
        kCompare,          // compareExpressions of the two lines of the text
        kApplyWord,        // applyWord: the second line applied to the first
        kReaderCount
    };
    static constexpr int kGridSize = 31;
    static constexpr int kLinearInputs = 3;

    ReaderHarness()
        : plain_(fuzzy("linguistic", 0.0, 1.0)), symmetric_(fuzzy("linguistic", -1.0, 1.0)),
          triang_(fuzzy("triang", -3.0, 6.0)), linear_(0.0, 1.0) {
        addUserTerm(*symmetric_, "warm", "", "triang", {-0.5, 0.0, 0.5});
        addUserTerm(*symmetric_, "hot", "", "gaussian", {0.1, 0.5, 0.7, 0.05});
        addUserTerm(*symmetric_, "cz", "cozy", "trapezoid", {-0.2, 0.0, 0.3, 0.6});
        addUserTerm(*triang_, "mild", "", "quadratic", {-1.0, 0.0, 1.0, 2.0, 3.0, 4.0});
    }

    // The first byte picks the reader, the rest is the text.
    void run(std::span<const std::uint8_t> data) const {
        if (data.empty()) {
            return;
        }
        const std::string_view text(reinterpret_cast<const char*>(data.data()) + 1, data.size() - 1);
        runReader(static_cast<Reader>(data[0] % kReaderCount), text);
    }

    void runReader(Reader reader, std::string_view text) const {
        switch (reader) {
            case kCheckPlain: return check(*plain_, text);
            case kCheckSymmetric: return check(*symmetric_, text);
            case kCheckTriang: return check(*triang_, text);
            case kCheckLinear: return check(linear_, text);
            case kEvaluatePlain: return evaluate(*plain_, text);
            case kEvaluateSymmetric: return evaluate(*symmetric_, text);
            case kEvaluateTriang: return evaluate(*triang_, text);
            case kNormalizePlain: return normalize(*plain_, text);
            case kNormalizeSymmetric: return normalize(*symmetric_, text);
            case kDescribe: return describe(*symmetric_, text);
            case kParseLinear: return parseLinear(text);
            case kCompare: return compare(text);
            case kApplyWord: return applyWordOf(text);
            case kReaderCount: return;
        }
    }

private:
    static std::unique_ptr<CBasicSettings> fuzzy(std::string_view type, double low, double high) {
        auto settings = createSettings(type, low, high);
        if (dynamic_cast<CBasicSettings*>(settings.get()) == nullptr) {
            throw HarnessViolation("no fuzzy vocabulary " + std::string(type));
        }
        return std::unique_ptr<CBasicSettings>(static_cast<CBasicSettings*>(settings.release()));
    }

    static void addUserTerm(CBasicSettings& vocabulary, std::string name, std::string longName, std::string_view type,
                            std::initializer_list<double> params) {
        auto set = createParamSet(type, std::data(params), vocabulary.low(), vocabulary.high());
        if (vocabulary.addUserTerm(std::move(name), std::move(longName), std::move(set)) < 0) {
            throw HarnessViolation("user term refused");
        }
    }

    // A text that passes the check can be printed and described.
    static void check(const CSettings& vocabulary, std::string_view text) {
        if (vocabulary.checkSyntax(text) || vocabulary.isLinear()) {
            return;
        }
        printExpression(vocabulary, text);
        CLingTerm d;
        if (describeExpression(vocabulary, text, d) != 1) {
            throw HarnessViolation("a checked text cannot be described");
        }
    }

    // Degrees are numbers in [0, 1], one per grid point.
    static void evaluate(const CBasicSettings& vocabulary, std::string_view text) {
        try {
            const CFuzzyDiscreteSet set = vocabulary.evaluate(text, kGridSize);
            if (set.values().size() != static_cast<std::size_t>(kGridSize)) {
                throw HarnessViolation("evaluate: wrong number of points");
            }
            for (const double mu : set.values()) {
                if (!(mu >= 0.0 && mu <= 1.0)) {
                    throw HarnessViolation("evaluate: degree outside [0, 1]");
                }
            }
        } catch (const ESyntax&) {
        }
    }

    // The normal form is a fixed point.
    static void normalize(const CBasicSettings& vocabulary, std::string_view text) {
        std::string once;
        try {
            once = vocabulary.normalize(text);
        } catch (const ESyntax&) {
            return;
        }
        if (vocabulary.normalize(once) != once) {
            throw HarnessViolation("normalize: the normal form changes when read again");
        }
    }

    static void describe(const CBasicSettings& vocabulary, std::string_view text) {
        CLingTerm d;
        describeExpression(vocabulary, text, d);
        d.specificity();
        d.abbreviated();
        try {
            printExpression(vocabulary, text);
        } catch (const ESyntax&) {
        }
    }

    // The text up to the first line break, and the rest.
    static std::pair<std::string_view, std::string_view> twoTexts(std::string_view text) {
        const std::size_t cut = text.find('\n');
        if (cut == std::string_view::npos) {
            return {text, std::string_view()};
        }
        return {text.substr(0, cut), text.substr(cut + 1)};
    }

    void compare(std::string_view text) const {
        const auto [a, b] = twoTexts(text);
        const int order = dynamic_cast<const CLinguisticSettings&>(*symmetric_).compareExpressions(a, b);
        if (order < -1 || order > 1) {
            throw HarnessViolation("compareExpressions: result outside -1 .. 1");
        }
    }

    void applyWordOf(std::string_view text) const {
        const auto [cell, word] = twoTexts(text);
        applyWord(*symmetric_, cell, word);
    }

    void parseLinear(std::string_view text) const {
        try {
            for (const double c : linear_.parseLinear(text, kLinearInputs)) {
                if (!std::isfinite(c)) {
                    throw HarnessViolation("parseLinear: coefficient not finite");
                }
            }
        } catch (const ESyntax&) {
        }
    }

    std::unique_ptr<CBasicSettings> plain_;
    std::unique_ptr<CBasicSettings> symmetric_;
    std::unique_ptr<CBasicSettings> triang_;
    CLinCSettings linear_;
};

}  // namespace zorv::fuzz
