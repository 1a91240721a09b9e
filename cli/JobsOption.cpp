#include "cli/JobsOption.h"

#include "cli/ArgumentCursor.h"
#include "cli/CliError.h"

namespace zorv::cli {

namespace {

constexpr int kMostJobs = 1024;

}  // namespace

int readJobs(ArgumentCursor& cursor, const std::string& option) {
    const std::int64_t jobs = cursor.integer(option);
    if (jobs < 1 || jobs > kMostJobs) {
        throw CliError::usage(option + ": the number of jobs must lie between 1 and " + std::to_string(kMostJobs));
    }
    return static_cast<int>(jobs);
}

}  // namespace zorv::cli
