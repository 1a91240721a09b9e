// zorv_method_table: writes the user guide's page of method names from the method tables, or checks that
// the committed page equals what the tables give.
//   zorv_method_table --write FILE     (re)writes FILE
//   zorv_method_table --check FILE     exit status 1, with a note, when FILE differs
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "MethodNamesPage.h"
#include "io/AtomicFileWriter.h"

namespace {

int Check(const std::string& path, const std::string& expected) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream committed;
    committed << in.rdbuf();
    if (in && committed.str() == expected) return 0;
    std::cerr << path << " does not match the method tables; run `make manual-methods` and commit it\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string usage = "usage: zorv_method_table --write FILE | --check FILE\n";
    if (argc != 3) {
        std::cerr << usage;
        return 2;
    }
    const std::string mode = argv[1];
    const std::string path = argv[2];
    const std::string page = zorv::MethodNamesPage::text();
    if (mode == "--check") return Check(path, page);
    if (mode != "--write") {
        std::cerr << usage;
        return 2;
    }
    try {
        zorv::AtomicFileWriter::write(path, page);
    } catch (const std::exception& e) {
        std::cerr << path << ": " << e.what() << '\n';
        return 2;
    }
    return 0;
}
