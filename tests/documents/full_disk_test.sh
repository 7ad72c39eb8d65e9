#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A save cut short by a full disk leaves the previous file whole. The disk is a file size limit
# (ulimit -f) with SIGXFSZ ignored, so that the write fails as on a full disk instead of killing
# the program.
#
# Usage: full_disk_test.sh HELPER
set -euo pipefail
helper=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

log="$work/route.vlog"
printf '{"format": "ventrose-log", "version": 1}\n' >"$log"
cp "$log" "$work/before"

status=0
message=$(trap '' XFSZ; ulimit -f 64; exec "$helper" "$log" 1000000) || status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: a 1 MB save under a 64 KiB limit was not refused (status $status)"
  exit 1
fi
case "$message" in
  *"« route.vlog » n'a pas pu être enregistré : l'écriture s'est arrêtée en cours (disque plein ?)"*) ;;
  *) echo "FAIL: the message does not name the file: $message"; exit 1 ;;
esac
if ! cmp -s "$log" "$work/before"; then
  echo "FAIL: the previous file changed"
  exit 1
fi
leftovers=$(find "$work" -mindepth 1 ! -name route.vlog ! -name before)
if [ -n "$leftovers" ]; then
  echo "FAIL: the failed save left files behind: $leftovers"
  exit 1
fi

# The same save without the limit goes through: the refusal above was the disk's.
"$helper" "$log" 1000000 >/dev/null && { echo "FAIL: an unlimited save was refused"; exit 1; }
[ "$(stat -c %s "$log")" -eq 1000000 ] || { echo "FAIL: the unlimited save is not whole"; exit 1; }
echo "PASS: $message"
