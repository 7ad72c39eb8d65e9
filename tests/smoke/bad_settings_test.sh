#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program started on a private X server over each settings file a machine may hold,
# each case from a fresh account: no file, an empty one, binary garbage, wrong types, a value of
# Qt's own types nested deep enough to overflow Qt's reader (with and without --reset-settings),
# values out of range (and with --langue en, said in English), an unreadable file, a named
# pipe, a folder that cannot be written. Each time the main window is shown in the designs' own
# colours (the defaults), the program quits with status 0 when a person closes it, and what it
# could not use it says on standard error, a failed save once.
#
# Usage: bad_settings_test.sh PATH/TO/ventrose [PATH/TO/x11-close-request]
# The close-request helper may also be named by VENTROSE_CLOSE_REQUEST. Exits 77 (skipped)
# when Xvfb is not installed. Logs are left in ./bad-settings-artifacts.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

case_name=""
die() {
  echo "bad-settings: FAIL${case_name:+ ($case_name)}: $*" >&2
  exit 1
}

take_arguments "$@"
if ! command -v Xvfb >/dev/null; then
  echo "bad-settings: SKIP: Xvfb is not installed"
  exit 77
fi
need_tools xdotool import convert python3

artifacts=$PWD/bad-settings-artifacts
rm -rf "$artifacts"
mkdir -p "$artifacts"
trap stop_ventrose EXIT
xvfb_start 1280x1024x24 "$artifacts/xvfb.log" || die "the X server did not start"

# Each case gets a home of its own; $config is where Ventrose.conf goes in it.
new_home() {
  home=$artifacts/$1
  config=$home/.config/Ventrose
  mkdir -p "$home"
}

# Runs the program once in the current home, with the arguments given, and checks the start, the
# look and the end. The lines it wrote on standard error are then in $said.
run_case() {
  local log=$artifacts/$case_name.log main corner
  HOME=$home XDG_CONFIG_HOME=${xdg_config_home:-} XDG_RUNTIME_DIR=$home/runtime \
    start_ventrose "$log" "$@"
  main=$(wait_for_window "$main_title") || true
  kill -0 "$app_pid" 2>/dev/null || die "ventrose is not running: $(cat "$log")"
  [ -n "$main" ] || die "the main window was not shown: $(cat "$log")"
  sleep 0.5
  # A corner of the window's own light blue: the designs' colours, the default palette.
  import -window "$main" "$artifacts/$case_name.png"
  corner=$(convert "$artifacts/$case_name.png" -format '%[hex:p{3,3}]' info:)
  [ "${corner:0:6}" = "C0C0FF" ] || die "the main window is not in its own colours (corner $corner)"
  quit_ventrose
  said=$(cat "$log")
  if grep -qiE 'segmentation|abort|assert|QSettings' <<<"$said"; then die "$said"; fi
  echo "bad-settings: $case_name: started and quit cleanly${said:+; said: $said}"
}

# The number of lines of $said that contain $1.
said_count() { grep -c -- "$1" <<<"$said" || true; }

case_name="no file"
new_home none
run_case
[ -z "$said" ] || die "a first start says nothing, not: $said"

case_name="empty"
new_home empty
mkdir -p "$config"
: >"$config/Ventrose.conf"
run_case
[ -z "$said" ] || die "an empty file says nothing, not: $said"

case_name="binary garbage"
new_home garbage
mkdir -p "$config"
python3 -c 'import random, sys; random.seed(20261207); sys.stdout.buffer.write(bytes(random.randrange(256) for _ in range(8192)))' \
  >"$config/Ventrose.conf"
run_case

case_name="wrong types"
new_home types
mkdir -p "$config"
printf '%s\n' '[display]' 'onTop=@Point(1 2)' 'palette=@ByteArray(nuit)x' '[windows]' \
  'frmMainCalc\x=120,80' 'frmMainCalc\y=@Variant(\0\0\0\x7f\0\0\0\x5QFoo)' >"$config/Ventrose.conf"
run_case
[ "$(said_count 'ligne 2 : une valeur typée')" -eq 1 ] || die "the typed value is not said once: $said"

# A list in a list ... 30,000 deep (510 KB): Qt's reader recurses once a level, and overflowed
# its stack at every start, --reset-settings included.
write_nested() {
  python3 -c 'import sys; sys.stdout.write("[display]\npalette=@Variant(" + "\\0\\0\\0\\t\\0\\0\\0\\x1" * 30000 + "\\0\\0\\0\\x2\\0\\0\\0\\0)\n")' \
    >"$config/Ventrose.conf"
}
case_name="nested 30,000 deep"
new_home nested
mkdir -p "$config"
write_nested
run_case
[ "$(wc -l <<<"$said")" -eq 1 ] && [ "$(said_count "n'est pas un fichier de réglages")" -eq 1 ] ||
  die "the file is not said in one line: $said"
case_name="nested 30,000 deep, --reset-settings"
write_nested
run_case --reset-settings
[ -z "$said" ] || die "--reset-settings says nothing, not: $said"
grep -q '^palette=jour$' "$config/Ventrose.conf" || die "--reset-settings did not replace the file"

case_name="out of range"
new_home range
mkdir -p "$config"
printf '%s\n' '[display]' 'onTop=maybe' 'palette=ultraviolet' '[windows]' 'frmMainCalc\x=100001' \
  'frmMainCalc\y=-99999999999999999999999' >"$config/Ventrose.conf"
run_case
[ "$(said_count 'hors des limites')" -eq 2 ] || die "the coordinates out of range are not said: $said"
# The same file read with --langue en: the warnings are read before the settings could name a
# language, in the command line's.
case_name="out of range, in English"
new_home range-en
mkdir -p "$config"
printf '%s\n' '[display]' 'onTop=maybe' '[windows]' 'frmMainCalc\x=100001' 'frmMainCalc\y=0' \
  >"$config/Ventrose.conf"
main_title="Ventrose for FS" about_title="About ...."
run_case --langue en
main_title="Ventrose pour FS" about_title="A propos de ...."
[ "$(said_count 'frmMainCalc/x: out of range (-100000 to 100000): "100001", so it is not used')" -eq 1 ] &&
  [ "$(said_count 'display/onTop: not "true" or "false": "maybe", so it is not used')" -eq 1 ] &&
  [ "$(wc -l <<<"$said")" -eq 2 ] || die "the warnings are not said in English: $said"

# A directory where the file should be: unreadable for root too.
case_name="unreadable"
new_home unreadable
mkdir -p "$config/Ventrose.conf"
run_case
[ "$(said_count 'impossible de lire')" -eq 1 ] || die "the unreadable file is not said once: $said"
[ -d "$config/Ventrose.conf" ] || die "the unreadable file was not left alone"
# Opening a named pipe waits for a writer: it is never opened.
case_name="named pipe"
new_home pipe
mkdir -p "$config"
mkfifo "$config/Ventrose.conf"
run_case
[ "$(said_count "pas un fichier ordinaire")" -eq 1 ] || die "the pipe is not said once: $said"
[ -p "$config/Ventrose.conf" ] || die "the pipe was not left alone"
if [ "$(id -u)" -ne 0 ]; then
  case_name="unreadable to its owner"
  new_home unreadable-mode
  mkdir -p "$config"
  printf '[display]\npalette=nuit\n' >"$config/Ventrose.conf"
  chmod 000 "$config/Ventrose.conf"
  run_case
  [ "$(said_count 'impossible de lire')" -eq 1 ] || die "the unreadable file is not said once: $said"
  chmod 644 "$config/Ventrose.conf"
else
  echo "bad-settings: a file unreadable by mode: skipped, root reads it all the same"
fi

# A settings folder that cannot be made, under a regular file: for root too. The program saves
# when a window closes and when it ends, and says the failure once.
case_name="folder that cannot be written"
new_home read-only
: >"$home/not-a-folder"
xdg_config_home=$home/not-a-folder/config
run_case
xdg_config_home=""
[ "$(said_count "impossible d'enregistrer")" -eq 1 ] || die "the failed save is not said exactly once: $said"
[ "$(wc -l <<<"$said")" -eq 1 ] || die "more than the failed save was said: $said"
if [ "$(id -u)" -ne 0 ]; then
  case_name="read-only folder"
  new_home read-only-mode
  mkdir -p "$config"
  printf '[display]\npalette=jour\n' >"$config/Ventrose.conf"
  chmod 555 "$config"
  run_case
  chmod 755 "$config"
  [ "$(said_count "impossible d'enregistrer")" -eq 1 ] || die "the failed save is not said exactly once: $said"
  grep -q '^palette=jour$' "$config/Ventrose.conf" || die "the file in a read-only folder changed"
else
  echo "bad-settings: a folder read-only by mode: skipped, root writes in it all the same"
fi
echo "bad-settings: PASS"
