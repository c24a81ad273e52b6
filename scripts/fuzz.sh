#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, AddressSanitizer, UBSan) in build-fuzz, runs every
# kept input of fuzz/regressions/<target> and the seed corpus fuzz/corpus/<target> once, then
# fuzzes each target for a short fixed time on a throwaway copy of its corpus (the repository is
# not changed). Any crash, hang or broken rule fails the script and prints the input, which is also
# kept in build-fuzz/crashes. MNEMORA_FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${MNEMORA_FUZZ_SECONDS:-30}
targets=(listfile colourfile rtf spionic import)
# The largest input made while fuzzing; the RTF reader's inputs are kept smaller (a notes file).
declare -A max_len=([listfile]=16384 [colourfile]=4096 [rtf]=16384 [spionic]=4096 [import]=16384)

# clang and its fuzzer runtime, besides what the build needs (skips what is there).
bash "$here/scripts/install-deps.sh" clang-14 libclang-rt-14-dev

build="$here/build-fuzz"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
      -DCMAKE_CXX_COMPILER=clang++-14 -DMNEMORA_FUZZ=ON -DMNEMORA_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/crashes"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

# Prints the log's end and the failing input, keeps the input, and fails.
failed() {
  local target=$1 log=$2
  tail -n 60 "$log"
  for f in "$work/artifacts/$target"-*; do
    [ -e "$f" ] || continue
    cp "$f" "$build/crashes/"
    echo "--- failing input $(basename "$f") ($(stat -c %s "$f") bytes), kept in $build/crashes:"
    head -c 2048 "$f" | od -A d -c | head -n 40
  done
  echo "FAILED: fuzz_$target (add the input to fuzz/regressions/$target/ once the reader is fixed)"
  exit 1
}

mkdir -p "$work/artifacts"
for t in "${targets[@]}"; do
  bin="$build/fuzz/fuzz_$t"
  # Every kept input and every seed, once.
  mapfile -t inputs < <(find "$here/fuzz/regressions/$t" "$here/fuzz/corpus/$t" -type f 2>/dev/null | sort)
  "$bin" -runs=0 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work/artifacts/$t-" "${inputs[@]}" \
    >"$work/$t-replay.log" 2>&1 || failed "$t" "$work/$t-replay.log"
  echo "fuzz_$t: ${#inputs[@]} kept inputs and seeds run"

  # Fuzzing, on a copy of the corpus; the few large seeds (10,001 items, long lines) only slow the
  # mutations down and were run above.
  mkdir -p "$work/corpus-$t"
  find "${inputs[@]}" -size -"$((max_len[$t] + 1))"c -exec cp {} "$work/corpus-$t/" \;
  "$bin" "$work/corpus-$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -seed=1 \
    -max_len="${max_len[$t]}" -print_final_stats=1 -artifact_prefix="$work/artifacts/$t-" \
    >"$work/$t-fuzz.log" 2>&1 || failed "$t" "$work/$t-fuzz.log"
  { grep -E '^(Done [0-9]+ runs|#[0-9]+ +DONE)' "$work/$t-fuzz.log" | tail -n 1
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/$t-fuzz.log"
  } | sed "s/^/fuzz_$t: /" || true
  echo "fuzz_$t: corpus $(find "$work/corpus-$t" -type f | wc -l) files, $(du -sb "$work/corpus-$t" | cut -f1) bytes"
done
echo "fuzzing: no crash in ${#targets[@]} targets (${seconds}s each)"
