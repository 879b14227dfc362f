#!/usr/bin/env bash
# Sets up, builds, lays out the fresh installation in build/trovex2/ and starts the catalogue program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/trovex2/trovex2 "$@"
