#!/usr/bin/env bash
# Installs what is needed, builds and opens the editor on the bundled sample database.
# Arguments are handed to the editor (kat=..., ukat=..., norm=..., objekt=..., qormode, Trestle64).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to open the editor on; run it under a virtual one: xvfb-run -a build/bin/tavoEdit $*" >&2
  exit 1
fi
exec build/bin/tavoEdit "$@"
