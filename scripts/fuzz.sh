#!/usr/bin/env bash
# Fuzzes the engine's readers with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang, in
# build-fuzz). Two targets: zorv_fuzz_readers (expression parser, evaluator, normaliser, linear forms) and
# zorv_fuzz_data_readers (rule base files, data-file import).
#
# Usage: scripts/fuzz.sh [SECONDS] [-- LIBFUZZER_FLAG...]
#          Runs the inputs kept in fuzz/regressions/TARGET, then fuzzes each target for SECONDS (default 60)
#          from its stored corpus fuzz/corpus/TARGET and the sample texts (fuzz/seeds.txt, examples/), and
#          adds the inputs that reach new code to fuzz/corpus/TARGET, to be committed.
#        scripts/fuzz.sh --replay SECONDS
#          Runs the kept inputs and the stored corpora and fuzzes on from them, SECONDS in all; writes nothing
#          under fuzz/.
# Extra flags go to libFuzzer, e.g. `-- -timeout=1 -rss_limit_mb=500` to look for slow or greedy inputs.
# Exits non-zero when a fuzzer finds a crash, a hang, a leak or a broken invariant; the input is then left
# in build-fuzz/findings/.
set -euo pipefail

usage() {
  echo "usage: scripts/fuzz.sh [SECONDS] [-- LIBFUZZER_FLAG...] | scripts/fuzz.sh --replay SECONDS" >&2
  exit 2
}

replay=false
if [ "${1:-}" = "--replay" ]; then
  replay=true
  shift
  [ $# -ge 1 ] || usage
fi
seconds=${1:-60}
[ $# -ge 1 ] && shift
if [ "${1:-}" = "--" ]; then
  shift
elif [ $# -gt 0 ]; then
  usage
fi
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  usage
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
findings="$build/findings"
targets=(zorv_fuzz_readers zorv_fuzz_data_readers)
declare -A max_len=([zorv_fuzz_readers]=4096 [zorv_fuzz_data_readers]=16384)  # expressions are short, files longer
readers=13       # ReaderHarness::kReaderCount
data_readers=3   # DataReaderHarness::kReaderCount

fuzzer_runtime() {
  clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null
}

if ! command -v clang++ >/dev/null || [ ! -f "$(fuzzer_runtime)" ]; then
  echo "clang++ and its fuzzer runtime are missing: run scripts/install-deps.sh as root" >&2
  exit 2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZORV_FUZZ=ON \
  "${launcher[@]}" >/dev/null
cmake --build "$build" --target "${targets[@]}" -j "${JOBS:-2}"

# The sample inputs: every line of fuzz/seeds.txt for every text reader (the two-text readers also get
# pairs of lines), every example rule base for the rule base reader and every example data file for both
# imports. The first byte of an input picks the reader.
write_seeds() {
  local readers_dir="$1/zorv_fuzz_readers" data_dir="$1/zorv_fuzz_data_readers" n=0 previous="small" r f
  mkdir -p "$readers_dir" "$data_dir"
  while IFS= read -r line || [ -n "$line" ]; do
    for ((r = 0; r < readers; r++)); do
      printf "\\$(printf '%03o' "$r")%s" "$line" > "$readers_dir/seed-$n-$r"
    done
    for r in 11 12; do
      printf "\\$(printf '%03o' "$r")%s\n%s" "$previous" "$line" > "$readers_dir/pair-$n-$r"
    done
    previous=$line
    n=$((n + 1))
  done < "$root/fuzz/seeds.txt"
  for f in "$root"/examples/*.rb; do
    { printf '\000'; cat "$f"; } > "$data_dir/$(basename "$f")"
  done
  for f in "$root"/examples/*.txt; do
    for ((r = 1; r < data_readers; r++)); do
      { printf "\\$(printf '%03o' "$r")"; cat "$f"; } > "$data_dir/$(basename "$f")-$r"
    done
  done
}

# run_fuzzer TARGET SECONDS SCRATCH [FOLDER...]: new inputs go to SCRATCH, the folders are only read.
run_fuzzer() {
  local target=$1 time=$2 scratch=$3
  shift 3
  mkdir -p "$scratch" "$findings"
  echo "Fuzzing $target for $time s"
  "$build/fuzz/$target" "$scratch" "$@" -max_total_time="$time" -max_len="${max_len[$target]}" "${limits[@]}" \
    -artifact_prefix="$findings/$target-" -print_final_stats=1 "${extra[@]}"
}

# run_regressions TARGET: every input of fuzz/regressions/TARGET once, whole (they may be long).
run_regressions() {
  local files=()
  [ -d "$root/fuzz/regressions/$1" ] && mapfile -t files < <(find "$root/fuzz/regressions/$1" -type f | sort)
  [ ${#files[@]} -eq 0 ] && return 0
  echo "Running the ${#files[@]} inputs of fuzz/regressions/$1"
  mkdir -p "$findings"
  "$build/fuzz/$1" "${files[@]}" "${limits[@]}" -artifact_prefix="$findings/$1-" "${extra[@]}"
}

limits=(-timeout=10 -rss_limit_mb=2048)
extra=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if $replay; then
  share=$(((seconds + ${#targets[@]} - 1) / ${#targets[@]}))
  for target in "${targets[@]}"; do
    run_regressions "$target"
    run_fuzzer "$target" "$share" "$work/$target" "$root/fuzz/corpus/$target"
  done
  exit 0
fi

write_seeds "$work/seeds"
for target in "${targets[@]}"; do
  corpus="$root/fuzz/corpus/$target"
  mkdir -p "$corpus"
  run_regressions "$target"
  run_fuzzer "$target" "$seconds" "$work/$target" "$corpus" "$work/seeds/$target"
  # Add to the stored corpus only inputs that reach code edges it does not reach yet (the shortest such
  # input each), so that it stays small and its files change only when coverage grows.
  "$build/fuzz/$target" -merge=1 -use_counters=0 "$corpus" "$work/$target" "$work/seeds/$target" \
    -max_len="${max_len[$target]}" "${limits[@]}" 2>"$work/merge-$target.log" ||
    { cat "$work/merge-$target.log" >&2; exit 1; }
  echo "$target: $(find "$corpus" -type f | wc -l) inputs stored in fuzz/corpus/$target"
done
