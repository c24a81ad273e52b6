#!/usr/bin/env bash
# Installs what the tests need, runs the RTF reader's and the store's tests under AddressSanitizer
# and UBSan, then builds and runs every test (offscreen), then fuzzes the readers of outside bytes
# for a few minutes (scripts/fuzz.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMNEMORA_ASAN=ON -DMNEMORA_BENCH=OFF >/dev/null
cmake --build "$here/build-asan" --target tst_rtf tst_store
(cd "$here/build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -R 'tst_(rtf|store)$')
cmake -S "$here" -B "$here/build-tests" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build-tests"
(cd "$here/build-tests" && ctest --output-on-failure -j2)
bash "$here/scripts/fuzz.sh"
