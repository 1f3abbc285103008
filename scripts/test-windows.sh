#!/usr/bin/env bash
# Builds Pelmora for 64-bit Windows and runs every Windows test under Wine: the calculations'
# tests with the recorded sessions.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows
source scripts/windows/wine-env.sh
trap pelmora_wine_done EXIT

cmake --preset windows-core
cmake --build --preset windows-core
ctest --preset windows-core
