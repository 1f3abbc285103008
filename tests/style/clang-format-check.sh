#!/usr/bin/env bash
# Fails, listing the files, when clang-format would change any of the project's C++ sources.
#   clang-format-check.sh SOURCE_DIR
set -uo pipefail
cd "$1"
mapfile -t sources < <(find numbers calc platform ui app tools tests bench fuzz \
    \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
[ "${#sources[@]}" -gt 50 ] || { echo "only ${#sources[@]} sources found"; exit 1; }
clang-format --dry-run --Werror "${sources[@]}" && echo "${#sources[@]} sources formatted"
