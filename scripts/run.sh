#!/usr/bin/env bash
# Builds Mnemora, installs the SPIonic font and starts the program in its data folder
# (default ~/Mnemora), which is created and given two sample lists on first run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
data="${1:-$HOME/Mnemora}"
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMNEMORA_BENCH=OFF >/dev/null
cmake --build "$here/build" --target mnemora
bash "$here/scripts/install-font.sh"
if [ ! -d "$data" ]; then
  mkdir -p "$data"
  cp "$here"/resources/samples/* "$data"/
fi
cd "$data"
exec "$here/build/mnemora"
