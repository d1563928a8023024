#!/usr/bin/env bash
# Configures and builds tavoEdit into build/ (extra CMake options may follow).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja "$@" >/dev/null
cmake --build build -j"$(nproc)"
