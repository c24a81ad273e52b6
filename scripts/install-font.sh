#!/usr/bin/env bash
# Installs the SPIonic font into this user's font folder and refreshes fontconfig.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
fonts="${XDG_DATA_HOME:-$HOME/.local/share}/fonts"
mkdir -p "$fonts"
if ! cmp -s "$here/resources/fonts/SPIonic.ttf" "$fonts/SPIonic.ttf"; then
  cp "$here/resources/fonts/SPIonic.ttf" "$fonts/SPIonic.ttf"
  fc-cache -f "$fonts" >/dev/null
fi
