#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks, without changing anything, that every tracked .h and .cpp file is laid out as
# .clang-format says: lists the files clang-format would change and fails if there is any.
# With --fix, reformats those files in place instead (make format). Then checks that every
# source file (C++, CMake, shell, Python, the Makefile) names its licence in an SPDX line at
# its top (after the #! line of a script).
#
# The layout depends on clang-format's version; the project's is Debian 12's, clang-format 14.
# CLANG_FORMAT=path picks another executable.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null; then
  echo "check-format: $clang_format is not installed (make deps installs it)" >&2
  exit 1
fi
version=$("$clang_format" --version)
case $version in
  *"version 14."*) ;;
  *) echo "check-format: warning: $version; the project's layout is clang-format 14's" >&2 ;;
esac
# A broken .clang-format would otherwise make every file look different.
"$clang_format" --dump-config >/dev/null

mapfile -d '' files < <(git ls-files -z -- '*.h' '*.cpp')

if [ "${1:-}" = --fix ]; then
  printf '%s\0' "${files[@]}" | xargs -0 "$clang_format" -i
  echo "format: ${#files[@]} files formatted"
  exit 0
fi

differ=()
for file in "${files[@]}"; do
  "$clang_format" --dry-run --Werror "$file" >/dev/null 2>&1 || differ+=("$file")
done

if [ ${#differ[@]} -ne 0 ]; then
  printf '%s\n' "${differ[@]}"
  echo "check-format: ${#differ[@]} of ${#files[@]} files differ from .clang-format (make format fixes them)" >&2
  exit 1
fi
echo "check-format: all ${#files[@]} files are formatted"

spdx='SPDX-License-Identifier: GPL-3.0-or-later'
unlicensed=()
while IFS= read -r -d '' file; do
  head -n 2 "$file" | grep -qF "$spdx" || unlicensed+=("$file")
done < <(git ls-files -z -- '*.h' '*.cpp' '*.cmake' '*.sh' '*.py' '*CMakeLists.txt' Makefile)
if [ ${#unlicensed[@]} -ne 0 ]; then
  printf '%s\n' "${unlicensed[@]}"
  echo "check-format: ${#unlicensed[@]} source files lack the line '$spdx' at their top" >&2
  exit 1
fi
echo "check-format: every source file names its licence"
