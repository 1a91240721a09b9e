#!/usr/bin/env bash
# The tests again under sanitizers, each build in a folder of its own (ccache is used when it is installed):
#  1. build-asan: every GoogleTest executable (engine, app/core, command line; not the widget tests) with
#     AddressSanitizer and UndefinedBehaviorSanitizer, all their cases run;
#  2. build-tsan: the tests labelled "threaded" (those that start threads) with ThreadSanitizer;
#  3. the stored fuzz corpora replayed under AddressSanitizer and UndefinedBehaviorSanitizer, 60 s in all
#     (scripts/fuzz.sh --replay).
# Usage: scripts/check-sanitizers.sh [FUZZ_SECONDS]. Stops at the first failure with a non-zero status.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=${1:-60}
jobs=${JOBS:-$(nproc)}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Optimised a little (the sanitizers slow everything down) with line tables for the reports, asserts on.
configure() {
  cmake -S "$root" -B "$root/$1" -DCMAKE_BUILD_TYPE=Sanitized -DCMAKE_CXX_FLAGS_SANITIZED="-O1 -g1" \
    -DZORV_SANITIZE="$2" "${launcher[@]}" >/dev/null
}

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

echo "== AddressSanitizer and UndefinedBehaviorSanitizer: every GoogleTest case"
configure build-asan address
cmake --build "$root/build-asan" --target zorv_gtests -j "$jobs"
ctest --test-dir "$root/build-asan" -L '^(gtest|threaded)$' --output-on-failure --no-tests=error -j "$jobs" \
  --timeout 600

echo "== ThreadSanitizer: the threaded tests"
configure build-tsan thread
cmake --build "$root/build-tsan" --target zorv_threaded_gtests -j "$jobs"
ctest --test-dir "$root/build-tsan" -L threaded --output-on-failure --no-tests=error -j "$jobs" --timeout 600

echo "== Fuzz corpora replayed under the sanitizers"
JOBS=$jobs "$root/scripts/fuzz.sh" --replay "$fuzz_seconds"
