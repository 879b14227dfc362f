#!/usr/bin/env bash
# Sets up, builds and runs every test (widget tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
