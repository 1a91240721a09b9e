#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CommandDispatcher.h"

namespace zorv::cli::test {

// What one run of zorv printed and returned.
struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

inline CommandResult runZorv(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandDispatcher().run(args, out, err);
    return {status, out.str(), err.str()};
}

// A fresh folder for the files of one test, removed afterwards.
class Folder {
public:
    Folder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zorv-cli-") + info->test_suite_name() + "-" + info->name();
        for (char& c : name) c = (c == '/') ? '_' : c;
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    // The path of a file in the folder, written with the text when one is given.
    std::string file(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
        return (path_ / name).string();
    }
    std::string path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        result.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return result;
        from = tab + 1;
    }
}

// The text of a rule base file with its InfMethod= line naming another method.
inline std::string withInferenceMethod(const std::string& path, const std::string& method) {
    std::string text = fileText(path);
    const std::size_t at = text.find("InfMethod=");
    text.replace(at, text.find('\n', at) - at, "InfMethod=" + method);
    return text;
}

}  // namespace zorv::cli::test
