#!/usr/bin/env bash
# Builds Pelmora for 64-bit Windows and runs every Windows test under Wine: the calculations'
# tests with the recorded sessions; the widget tests on the offscreen platform; the program on an
# X server, typed into and read back; the console program and its journal; the zip's contents
# and the program files' imports and resources; the installer installing, starting and
# uninstalling, and its editing of PATH.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows
source scripts/windows/wine-env.sh
trap pelmora_wine_done EXIT

cmake --preset windows-core
cmake --build --preset windows-core
ctest --preset windows-core

bash scripts/build-windows.sh
ctest --preset windows
