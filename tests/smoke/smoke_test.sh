#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real ventrose executable on a private X server, the way a person would use it once:
# the main window appears and is drawn, a close request brings up the About window, a click on
# it ends the application with status 0.
#
# Usage: smoke_test.sh PATH/TO/ventrose [PATH/TO/x11-close-request]
# The close-request helper may also be named by VENTROSE_CLOSE_REQUEST.
# Exits 77 (skipped) when Xvfb is not installed. Screenshots are left in ./smoke-artifacts.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

main_caption="Ventrose pour FS"
about_caption="A propos de ...."
timeout_seconds=15

die() {
  echo "smoke: FAIL: $*" >&2
  exit 1
}

if [ $# -lt 1 ]; then
  echo "usage: $0 PATH/TO/ventrose [PATH/TO/x11-close-request]" >&2
  exit 2
fi
ventrose=$1
close_request=${2:-${VENTROSE_CLOSE_REQUEST:-}}
[ -x "$ventrose" ] || die "not an executable: $ventrose"
if [ -z "$close_request" ] || [ ! -x "$close_request" ]; then
  die "the close-request helper is missing"
fi

if ! command -v Xvfb >/dev/null; then
  echo "smoke: SKIP: Xvfb is not installed"
  exit 77
fi
for tool in xdotool import convert identify; do
  command -v "$tool" >/dev/null || die "$tool is not installed"
done

# The French program, whose windows it reads, whatever this machine's language.
export LANGUAGE=fr
artifacts=$PWD/smoke-artifacts
mkdir -p "$artifacts"
app_pid=""
# A first run on a fresh account: no settings, and none left behind in the real one.
export XDG_CONFIG_HOME=$artifacts/config
rm -rf "$XDG_CONFIG_HOME"

cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# Prints the id of the first visible window whose caption is exactly $1, waiting for it.
wait_for_window() {
  local pattern
  # shellcheck disable=SC2016 # a sed expression, not a shell one
  pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
  timeout "$timeout_seconds" xdotool search --sync --onlyvisible --name "$pattern" | head -n 1
}

xvfb_start 1280x1024x24 "$artifacts/xvfb.log" \
  || die "the X server did not start (see $artifacts/xvfb.log)"
echo "smoke: X server on $DISPLAY"

QT_QPA_PLATFORM=xcb "$ventrose" >"$artifacts/ventrose.log" 2>&1 &
app_pid=$!

main_window=$(wait_for_window "$main_caption") || true
[ -n "$main_window" ] || die "the main window \"$main_caption\" was not shown within ${timeout_seconds}s"
echo "smoke: main window $main_window mapped"

# Give the first paint a moment: mapping comes before the widgets have drawn themselves.
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main_window")"
import -window "$main_window" "$artifacts/main.png"
shot_size=$(identify -format '%w %h' "$artifacts/main.png")
[ "$shot_size" = "$WIDTH $HEIGHT" ] || die "screenshot is $shot_size, the window is $WIDTH $HEIGHT"
deviation=$(convert "$artifacts/main.png" -format '%[fx:standard_deviation]' info:)
awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' || die "the main window looks blank (deviation $deviation)"
echo "smoke: main window ${WIDTH}x${HEIGHT}, deviation $deviation"

"$close_request" "$main_window" || die "could not send the close request"

about_window=$(wait_for_window "$about_caption") || true
[ -n "$about_window" ] || die "the About window \"$about_caption\" was not shown after the close request"
echo "smoke: About window $about_window mapped"

sleep 0.5
import -window "$about_window" "$artifacts/about.png"
# The picture sits at (16, 68) in the About window; a missing resource leaves it flat.
picture_deviation=$(convert "$artifacts/about.png" -crop 281x173+16+68 +repage \
  -format '%[fx:standard_deviation]' info:)
awk -v d="$picture_deviation" 'BEGIN { exit !(d > 0.05) }' \
  || die "the About picture looks empty (deviation $picture_deviation)"
echo "smoke: About picture deviation $picture_deviation"

xdotool mousemove --window "$about_window" 100 100 click 1

for _ in $(seq $((timeout_seconds * 10))); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  die "ventrose still runs ${timeout_seconds}s after the click on the About window"
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || die "ventrose ended with status $status"
echo "smoke: PASS"
