#pragma once

#include <string>

namespace zorv::cli {

class ArgumentCursor;

// The value of "--jobs N": the number of threads to evaluate on, 1 to 1024 (a usage error otherwise).
int readJobs(ArgumentCursor& cursor, const std::string& option);

}  // namespace zorv::cli
