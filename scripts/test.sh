#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
bash scripts/build.sh -DTAVO_WERROR=ON -DTAVO_TESTS=ON -DTAVO_BENCH=ON
cd build
ctest --output-on-failure -j2
