#!/usr/bin/env bash
# Fails, listing the files, when clang-format would change any C++ source in the given folders
# (the build passes the folders of cmake/own-folders.txt).
#   clang-format-check.sh SOURCE_DIR FOLDER...
set -uo pipefail
cd "$1"
shift
[ "$#" -gt 0 ] || { echo "no folders given"; exit 1; }
for folder in "$@"; do
    [ -d "$folder" ] || { echo "listed folder $folder is missing"; exit 1; }
done
mapfile -t sources < <(find "$@" \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
[ "${#sources[@]}" -gt 50 ] || { echo "only ${#sources[@]} sources found"; exit 1; }
clang-format --dry-run --Werror "${sources[@]}" && echo "${#sources[@]} sources formatted"
