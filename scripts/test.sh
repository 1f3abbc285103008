#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the optimised build with the widget
# tests on the offscreen platform, then the format and clang-tidy checks (the `lint` label, left
# out of the everyday `ctest --preset default`), then the sanitizer build with a short run of
# each fuzzer (their long runs are scripts/fuzz.sh's).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset default
cmake --build --preset default
ctest --preset default
ctest --preset lint

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
