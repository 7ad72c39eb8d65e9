#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a private prefix and checks what a desktop needs is there and valid.
# Usage: check_install.sh BUILD_DIR PREFIX "SIZES"
set -euo pipefail

build=$1
prefix=$2
sizes=${3//;/ }
id=org.ventrose.Ventrose

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

expect() {
  if [ ! -s "$prefix/$1" ]; then
    echo "missing after install: $1" >&2
    exit 1
  fi
}
expect bin/ventrose
[ -x "$prefix/bin/ventrose" ] || { echo "bin/ventrose is not executable" >&2; exit 1; }
expect "share/applications/$id.desktop"
expect "share/metainfo/$id.metainfo.xml"
expect "share/icons/hicolor/scalable/apps/$id.svg"
for size in $sizes; do
  expect "share/icons/hicolor/${size}x${size}/apps/$id.png"
done
# The documents a package carries, and the manual pages, the compressed ones whole.
for file in share/doc/ventrose/copyright share/doc/ventrose/changelog.gz \
            share/doc/ventrose/README.md.gz share/man/man1/ventrose.1.gz \
            share/man/en/man1/ventrose.1.gz; do
  expect "$file"
  case $file in *.gz) gzip -t "$prefix/$file" ;; esac
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed and valid: $prefix"
