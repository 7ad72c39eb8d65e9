#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build directory and runs lintian on it as a distribution's
# packager would: any error or warning fails. A tag that must stay is overridden in the package
# (usr/share/lintian/overrides/ventrose), each override under a comment saying why.
# Usage: check_lintian.sh BUILD_DIR VERSION CHANGELOG
set -euo pipefail

build=$1
version=$2
changelog=$3
deb=$build/package/ventrose_${version}_$(dpkg --print-architecture).deb

# The release notes open with this version (lintian does not compare them with the package).
noted=$(dpkg-parsechangelog -l "$changelog" -S Version)
if [ "$noted" != "$version" ]; then
  echo "$changelog starts with version $noted, the project is $version: add its entry" >&2
  exit 1
fi

# A package left by an earlier build must not pass for this one.
rm -f "$deb"
if ! log=$(cmake --build "$build" --target package 2>&1); then
  printf '%s\n' "$log" >&2
  echo "the package did not build" >&2
  exit 1
fi
if [ ! -f "$deb" ]; then
  echo "no package at $deb" >&2
  exit 1
fi

# lintian says on standard error that it runs as root (CI does); its findings are on standard
# output, one line each, E: for errors and W: for warnings.
status=0
report=$(lintian --fail-on error,warning --no-tag-display-limit "$deb") || status=$?
if [ -n "$report" ]; then
  printf '%s\n' "$report"
fi
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' <<<"$report"; then
  echo "lintian finds errors or warnings in $deb (exit status $status)" >&2
  exit 1
fi
echo "lintian: no error or warning in $deb"
