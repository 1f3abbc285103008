#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset default
cmake --build --preset default --target pelmora
exec build/default/app/pelmora
