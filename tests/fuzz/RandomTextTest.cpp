// Garbage through every text reader: random word salads, random bytes and mutations of sample texts,
// from a fixed seed. Each reader must end with a result or an ESyntax, and the harness invariants hold.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fuzz/DataReaderHarness.h"
#include "fuzz/ReaderHarness.h"

namespace zorv::fuzz {
namespace {

const std::vector<std::string> kTokens = {
    "small", "sm", "medium", "me", "big", "bi", "zero", "ze", "extremely", "ex", "significantly", "si", "very",
    "ve", "rather", "ra", "more or less", "ml", "roughly", "ro", "quite roughly", "qr", "very roughly", "vr",
    "not", "no", "and", "or", "land", "lor", "shem ham and az", "fug ho or az", "about", "undef", "ignor",
    "warm", "hot", "cz", "cozy", "mild", "(", ")", "+", "-", "*", "x1", "X2", "x0", "x9", "0", "1", "0.5", "-0.25",
    "3.5", "12", "1e-3", "1e400", "nan", "inf", "0x1", ".", "e", " ", "  ", "\t", ",", "<", "{", "\n"};

class TextSource {
public:
    explicit TextSource(std::uint32_t seed) : random_(seed) {}

    std::string wordSalad() {
        std::string text;
        const int count = pick(12);
        for (int i = 0; i < count; ++i) {
            text += kTokens[static_cast<std::size_t>(pick(static_cast<int>(kTokens.size())))];
            if (pick(3) != 0) {
                text += ' ';
            }
        }
        return text;
    }

    std::string bytes() {
        std::string text(static_cast<std::size_t>(pick(40)), '\0');
        for (char& c : text) {
            c = static_cast<char>(pick(256));
        }
        return text;
    }

    // A sample with a few characters deleted, replaced, inserted or a slice repeated.
    std::string mutate(std::string text) {
        const int edits = 1 + pick(4);
        for (int i = 0; i < edits; ++i) {
            const auto at = static_cast<std::size_t>(pick(static_cast<int>(text.size()) + 1));
            switch (pick(4)) {
                case 0: if (at < text.size()) text.erase(at, 1); break;
                case 1: if (at < text.size()) text[at] = static_cast<char>(pick(256)); break;
                case 2: text.insert(at, 1, "()+- .e0x*"[pick(10)]); break;
                default: text.insert(at, text.substr(at / 2, static_cast<std::size_t>(pick(8)))); break;
            }
        }
        return text;
    }

    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    std::mt19937 random_;
};

std::vector<std::string> sampleTexts() {
    std::vector<std::string> samples;
    std::ifstream file(std::string(ZORV_SOURCE_DIR) + "/fuzz/seeds.txt");
    for (std::string line; std::getline(file, line);) {
        samples.push_back(line);
    }
    return samples;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The rule base files of the repository, and every seed text as the rule of a small rule base.
std::vector<std::string> ruleBaseCorpus() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(ZORV_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() == ".rb") files.push_back(fileText(entry.path()));
    }
    const std::string head =
        "!COMMENT!\n\nA seed, after an empty line.\n!END_COMMENT!\nInfMethod=Logical_Deduction\nDefuzzMethod=MOM\nNumberOfAntecedentVariables=1\n"
        "NumberOfSuccedentVariables=1\nNumberOfRules=1\nAntVariable1\n name=x\n settings=linguistic\n"
        " context=<-1,1>\n discretization=31\nEnd_AntVariable1\nSucVariable1\n name=y\n settings=linguistic\n"
        " context=<0,1>\n discretization=31\nEnd_SucVariable1\nRULES\n \"";
    for (const std::string& seed : sampleTexts()) files.push_back(head + seed + "\" | \"ze\"\nEND_RULES\n");
    return files;
}

std::string withLineBreaks(const std::string& text, const std::string& lineBreak) {
    std::string out;
    for (const char c : text) out += c == '\n' ? lineBreak : std::string(1, c);
    return out;
}

void runEverywhere(const ReaderHarness& harness, const std::string& text) {
    for (int r = 0; r < ReaderHarness::kReaderCount; ++r) {
        EXPECT_NO_THROW(harness.runReader(static_cast<ReaderHarness::Reader>(r), text))
            << "reader " << r << ", text '" << text << "'";
    }
}

class RandomText : public ::testing::Test {
protected:
    static constexpr int kTexts = 1000;
    const ReaderHarness harness_;
    TextSource source_{20240611u};
};

TEST_F(RandomText, SeedSamplesAreReadable) {
    const auto samples = sampleTexts();
    ASSERT_GT(samples.size(), 20u);
    for (const auto& text : samples) {
        runEverywhere(harness_, text);
    }
}

TEST_F(RandomText, WordSalads) {
    for (int i = 0; i < kTexts; ++i) {
        runEverywhere(harness_, source_.wordSalad());
    }
}

TEST_F(RandomText, RandomBytes) {
    for (int i = 0; i < kTexts / 2; ++i) {
        runEverywhere(harness_, source_.bytes());
    }
}

TEST_F(RandomText, MutatedSamples) {
    const auto samples = sampleTexts();
    ASSERT_FALSE(samples.empty());
    for (int i = 0; i < kTexts; ++i) {
        runEverywhere(harness_, source_.mutate(samples[static_cast<std::size_t>(source_.pick(
                                    static_cast<int>(samples.size())))]));
    }
}

// Every rule base file that loads saves and reads back, whatever its line breaks, a byte-order mark, or a
// few bytes changed.
TEST_F(RandomText, EveryRuleBaseFileThatLoadsSaves) {
    const DataReaderHarness data;
    const auto check = [&data](const std::string& text) {
        EXPECT_NO_THROW(data.runReader(DataReaderHarness::kRuleBase, text)) << text;
    };
    const auto corpus = ruleBaseCorpus();
    ASSERT_GT(corpus.size(), 20u);
    for (const std::string& file : corpus) {
        for (const char* lineBreak : {"\n", "\r\n", "\r", "\n\r"}) check(withLineBreaks(file, lineBreak));
        check("\xEF\xBB\xBF" + file);
        for (int i = 0; i < 20; ++i) check(source_.mutate(withLineBreaks(file, i % 2 == 0 ? "\n" : "\r\n")));
    }
}

// Deep nesting must be refused or read without exhausting the stack.
TEST_F(RandomText, DeepNesting) {
    for (const std::size_t depth : {300u, 50000u}) {
        runEverywhere(harness_, std::string(depth, '(') + "small" + std::string(depth, ')'));
        runEverywhere(harness_, std::string(depth, '('));
    }
}

}  // namespace
}  // namespace zorv::fuzz
