#!/usr/bin/env bash
# Builds everything once and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
cmake --build --preset default
ctest --preset default
