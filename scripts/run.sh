#!/usr/bin/env bash
# Opens the editor on the bundled sample database: checks for a display first, installs what the
# two programs need, builds tavoEdit and tavo only (no tests, no benchmarks) and starts the editor.
# Arguments are handed to the editor (kat=..., ukat=..., norm=..., objekt=..., qormode, Trestle64).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display to open the editor on. Run it under a virtual one:" >&2
  echo "  apt-get install xvfb xauth && xvfb-run -a bash scripts/run.sh $*" >&2
  exit 1
fi
bash scripts/install-deps.sh
bash scripts/build.sh -DTAVO_TESTS=OFF -DTAVO_BENCH=OFF -- --target tavoEdit tavo
exec build/bin/tavoEdit "$@"
