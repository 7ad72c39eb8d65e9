#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A navigation log lost in a crash comes back: the real program on a private X server, a leg
# typed in the log window with the keyboard, the process killed (SIGKILL), then started again.
# At the next opening the log window asks whether to take the log back; answered Oui, the window
# shows it unsaved, and Ctrl+S through the real file dialog saves the leg as it was typed, after
# which the copy kept against a crash is gone. The program is then quit as a person quits it.
#
# Usage: log_recovery_test.sh PATH/TO/ventrose [PATH/TO/x11-close-request]
# The close-request helper may also be named by VENTROSE_CLOSE_REQUEST. Exits 77 (skipped)
# when Xvfb is not installed. Logs and screenshots are left in ./log-recovery-artifacts.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

die() {
  echo "log-recovery: FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$artifacts/failure.png" 2>/dev/null || true; fi
  exit 1
}

take_arguments "$@"
if ! command -v Xvfb >/dev/null; then
  echo "log-recovery: SKIP: Xvfb is not installed"
  exit 77
fi
need_tools xdotool import

artifacts=$PWD/log-recovery-artifacts
rm -rf "$artifacts"
home=$artifacts/home
mkdir -p "$home"
recovery=$home/data/Ventrose/Ventrose/log-en-cours.vlog
trap stop_ventrose EXIT
xvfb_start 1280x1024x24 "$artifacts/xvfb.log" || die "the X server did not start"

start() {
  HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run \
    start_ventrose "$artifacts/$1.log"
  main=$(wait_for_window "Ventrose pour FS") || true
  [ -n "$main" ] || die "the main window was not shown: $(cat "$artifacts/$1.log")"
  xdotool windowfocus --sync "$main"
}
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
typed() { xdotool type --delay 60 "$1"; sleep 0.3; }
# The name of the one visible window whose name is $1 or starts with it after a `*`.
title_of() { xdotool getwindowname "$(wait_for_window "$1")" 2>/dev/null || true; }

# First run: a leg typed, then the process killed while the log is unsaved.
start first
keys ctrl+l
[ -n "$(wait_for_window "Log de navigation")" ] || die "Ctrl+L did not open the log"
keys ctrl+n
typed "Nord"
keys Tab
typed "90"
keys Tab
typed "40"
[ -n "$(title_of "*Log de navigation")" ] || die "the log does not show its unsaved mark"
[ -f "$recovery" ] || die "no copy of the unsaved log at $recovery"
grep -q '"waypoint": "Nord", "Rm": 90, "D": 40' "$recovery" ||
  die "the copy does not hold the leg typed: $(cat "$recovery")"
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

# Second run: the log window offers the log back before it shows.
start second
keys ctrl+l
question=$(wait_for_window "Log de navigation") || true
[ -n "$question" ] || die "no question at the log's opening"
import -window root "$artifacts/question.png"
keys Return
[ -n "$(title_of "*Log de navigation")" ] || die "the log taken back is not shown as unsaved"
keys ctrl+s
dialog=$(wait_for_window "Enregistrer le log de navigation") || true
[ -n "$dialog" ] || die "Ctrl+S did not ask where to save"
typed "$home/repris"
keys Return
log=$(wait_for_window "Log de navigation - repris.vlog") || true
[ -n "$log" ] || die "the title does not name the saved file"
grep -q '"waypoint": "Nord", "Rm": 90, "D": 40' "$home/repris.vlog" ||
  die "the saved log does not hold the leg taken back: $(cat "$home/repris.vlog" 2>/dev/null)"
[ ! -e "$recovery" ] || die "the copy is still there after the log was saved"
"$close_request" "$log" || die "could not close the log window"
sleep 0.5
quit_ventrose
echo "log-recovery: the log killed unsaved came back, was saved and the copy removed"
