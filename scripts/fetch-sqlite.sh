#!/usr/bin/env bash
# Fetches the SQLite amalgamation with the key extension once, checked
# against a pinned hash, and keeps only the two files the builds compile.
set -euo pipefail
dest=${1:-third_party/sqlite3mc}
pkg=better-sqlite3-multiple-ciphers@13.0.3
sha=24a11e221247fc003f755ad0f82126bc6b0295d0be1c06f3cb3e48d9db8eb898

[ -f "$dest/sqlite3.c" ] && [ -f "$dest/sqlite3.h" ] && exit 0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && npm pack --silent "$pkg" >/dev/null)
tarball=$(ls "$tmp"/*.tgz)
echo "$sha  $tarball" | sha256sum -c --quiet -
tar -xzf "$tarball" -C "$tmp" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
mkdir -p "$dest"
mv "$tmp/package/deps/sqlite3/sqlite3.c" "$tmp/package/deps/sqlite3/sqlite3.h" "$dest/"
