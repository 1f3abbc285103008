#!/usr/bin/env bash
# Builds SQLite for 64-bit Windows, a static library and its header, from Debian's own source
# package of the SQLite installed here (libsqlite3-dev), Debian's fixes included, and keeps it in
# the cache beside the Windows Qt. Debian's source has no amalgamation: its configure and Tcl make
# one (sqlite3.c), which the MinGW compiler then compiles. The build runs in a temporary folder
# and is renamed into place only when it completes, so an interrupted build is never taken for a
# cached one. Prints the cached prefix on its last line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/deb-src.sh"

version="$(dpkg-query -W -f='${Version}' libsqlite3-dev 2>/dev/null || true)"
upstream="${version%%-*}"
# The compiler of the program's own toolchain (cmake/toolchains/mingw-w64-x86_64.cmake).
compiler=x86_64-w64-mingw32-gcc-posix

# The Linux program uses Debian's SQLite, so wherever the journal could tell a difference (the SQL
# it may write, its limits, what a commit promises) the Windows one is built as Debian builds it
# (debian/rules, and configure's math functions); what the program has no use for is left out.
options=(
    -O2
    # Serialized: any connection may be used from any thread, as SQLite's own default.
    -DSQLITE_THREADSAFE=1
    # A commit is on the disk before it returns, in rollback and WAL mode alike: SQLite's default,
    # written out so that no later default can weaken it unnoticed.
    -DSQLITE_DEFAULT_SYNCHRONOUS=2 -DSQLITE_DEFAULT_WAL_SYNCHRONOUS=2
    # As Debian's: a deleted trade is overwritten in the file, not left readable in a free page.
    -DSQLITE_SECURE_DELETE
    # As Debian's: a name is read the same way on either system, URIs included.
    -DSQLITE_USE_URI=1
    # As Debian's: the same SQL functions and the same limits.
    -DSQLITE_ENABLE_MATH_FUNCTIONS -DSQLITE_LIKE_DOESNT_MATCH_BLOBS
    -DSQLITE_MAX_VARIABLE_NUMBER=250000 -DSQLITE_MAX_SCHEMA_RETRY=25
    # Unlike Debian's: the program loads no extension, so no SQL can make it load a DLL. Debian's
    # other extensions (full-text search, R-trees, sessions, ...) are not built either: the
    # journal uses none of them.
    -DSQLITE_OMIT_LOAD_EXTENSION
)

cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/pelmora"
digest="$(printf '%s\n' "$version" "$compiler" "${options[@]}" | sha256sum | cut -c1-10)"
prefix="$cache_root/sqlite-${upstream}-win64-static-${digest}"

if [ -f "$prefix/lib/libsqlite3.a" ]; then
    echo "$prefix"
    exit 0
fi
if [ -z "$version" ]; then
    echo "libsqlite3-dev is not installed: run scripts/install-deps.sh first" >&2
    exit 1
fi

pelmora_ensure_deb_src

mkdir -p "$cache_root"
work="$(mktemp -d "$cache_root/.building-XXXXXX")"
trap 'rm -rf "$work"' EXIT
log="$cache_root/sqlite-${upstream}-win64-static.log"
echo "Building SQLite ${version} for Windows (a few minutes); log: $log" >&2

{
    cd "$work"
    # The exact version installed here, so that both systems run the same SQLite.
    apt-get source --only-source "sqlite3=${version}"
    source_dir="$(find "$work" -maxdepth 1 -type d -name 'sqlite3-*' | head -n1)"
    # configure is for the build machine: it only makes the amalgamation here.
    mkdir "$work/amalgamation"
    cd "$work/amalgamation"
    "$source_dir/configure"
    make sqlite3.c
    grep -q "^#define SQLITE_VERSION  *\"${upstream}\"" sqlite3.h
    "$compiler" "${options[@]}" -c sqlite3.c -o sqlite3.o
    mkdir -p "$work/install/include" "$work/install/lib"
    x86_64-w64-mingw32-ar rcs "$work/install/lib/libsqlite3.a" sqlite3.o
    cp sqlite3.h sqlite3ext.h "$work/install/include/"
} >"$log" 2>&1 || {
    echo "The Windows SQLite did not build; the end of $log:" >&2
    tail -n 30 "$log" >&2
    exit 1
}

# -T: a build that finished first beside this one is kept, never nested into.
mv -T "$work/install" "$prefix" 2>/dev/null || [ -f "$prefix/lib/libsqlite3.a" ]
echo "$prefix"
