#!/usr/bin/env bash
# Builds the reader with its data sets and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
cmake --build --preset default --target Lumra
exec build/program/Lumra "$@"
