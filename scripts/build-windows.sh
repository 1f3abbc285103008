#!/usr/bin/env bash
# Builds Pelmora for 64-bit Windows into build/windows: the portable
# Pelmora-<version>-win64.zip and the installer Pelmora-<version>-win64-setup.exe. The first run
# builds the Windows Qt (about 25 minutes on two cores) and SQLite (a few minutes) and keeps them
# for the next.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows
PELMORA_QT_PREFIX=$(bash scripts/windows/build-qt.sh | tail -n 1)
PELMORA_SQLITE_PREFIX=$(bash scripts/windows/build-sqlite.sh | tail -n 1)
export PELMORA_QT_PREFIX PELMORA_SQLITE_PREFIX
cmake --preset windows
cmake --build --preset windows
bash scripts/windows/package.sh build/windows
