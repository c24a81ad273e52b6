#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs each one; every figure is a median beside the raw cost.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build-bench"
for b in "$here"/build-bench/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
