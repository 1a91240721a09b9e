#!/usr/bin/env bash
# Fuzzes the engine's text readers (expression parser, evaluator, normaliser, linear forms) with libFuzzer.
# Usage: scripts/fuzz.sh [SECONDS]    (default 60)
# Builds with clang in build-fuzz, seeds a corpus from fuzz/seeds.txt (one sample text a line, given to
# every reader) and runs the fuzzer. Exits non-zero when the fuzzer finds a crash, a hang, a leak or a
# broken invariant; the input is then left in build-fuzz/findings/.
set -euo pipefail

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
corpus="$build/corpus"
findings="$build/findings"
readers=13  # ReaderHarness::kReaderCount

fuzzer_runtime() {
  clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null
}

if ! command -v clang++ >/dev/null || [ ! -f "$(fuzzer_runtime)" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "clang++ and its fuzzer runtime are missing. Run as root:" >&2
    echo "  apt-get update && apt-get install -y clang libclang-rt-14-dev" >&2
    exit 2
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq clang libclang-rt-14-dev
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZORV_FUZZ=ON >/dev/null
cmake --build "$build" --target zorv_fuzz_readers -j "${JOBS:-2}"

# Every sample for every reader; the two-text readers (compare, apply word) also get pairs of samples.
mkdir -p "$corpus" "$findings"
n=0
previous="small"
while IFS= read -r line || [ -n "$line" ]; do
  for ((r = 0; r < readers; r++)); do
    printf "\\$(printf '%03o' "$r")%s" "$line" > "$corpus/seed-$n-$r"
  done
  for r in 11 12; do
    printf "\\$(printf '%03o' "$r")%s\n%s" "$previous" "$line" > "$corpus/pair-$n-$r"
  done
  previous=$line
  n=$((n + 1))
done < "$root/fuzz/seeds.txt"

echo "Fuzzing the text readers for $seconds s (corpus $corpus)"
exec "$build/fuzz/zorv_fuzz_readers" "$corpus" \
  -max_total_time="$seconds" -max_len=512 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$findings/" -print_final_stats=1
