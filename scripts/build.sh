#!/usr/bin/env bash
# Configures and builds tavoEdit into build/. CMake options may follow, and after "--" the
# arguments of the build itself (for example: -- --target tavoEdit tavo).
set -euo pipefail
cd "$(dirname "$0")/.."
configure=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  configure+=("$1")
  shift
done
[ "${1:-}" = "--" ] && shift
cmake -S . -B build -G Ninja "${configure[@]}" >/dev/null
cmake --build build -j"$(nproc)" "$@"
