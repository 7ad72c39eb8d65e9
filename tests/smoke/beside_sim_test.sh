#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ventrose beside a full-window simulator, on a private X server with a window manager, as a
# pilot uses it: the night colours chosen in the menu of a right click and keeping on top with
# Ctrl+T; the main window then carries _NET_WM_STATE_ABOVE, and a calculator window and a
# message box are each transient for the window under them. After a restart the main window
# is where it was left, on top and in the night colours. Last, without a window manager, a
# place that no screen shows any more is brought back onto the screen.
#
# Usage: beside_sim_test.sh PATH/TO/ventrose [PATH/TO/x11-close-request]
# The close-request helper may also be named by VENTROSE_CLOSE_REQUEST. Exits 77 (skipped)
# when Xvfb or openbox (the window manager, which scripts/install-deps.sh installs) is missing.
# Screenshots and logs are left in ./beside-sim-artifacts.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source-path=SCRIPTDIR source=../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

die() {
  echo "beside-sim: FAIL: $*" >&2
  exit 1
}

take_arguments "$@"
for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null; then
    echo "beside-sim: SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done
need_tools xdotool xprop import convert

artifacts=$PWD/beside-sim-artifacts
rm -rf "$artifacts"
mkdir -p "$artifacts"
export XDG_CONFIG_HOME=$artifacts/config
export XDG_RUNTIME_DIR=$artifacts/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Ventrose/Ventrose.conf
wm_pid=""
cleanup() {
  stop_ventrose
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
}
trap cleanup EXIT

xvfb_start 1280x1024x24 "$artifacts/xvfb.log" || die "the X server did not start"
openbox --sm-disable >"$artifacts/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
echo "beside-sim: X server on $DISPLAY with openbox"

# The id xprop prints for a window property (WM_TRANSIENT_FOR), as a number.
transient_for() {
  local id
  id=$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
  [ -n "$id" ] && printf '%d\n' "$id"
}

# First run: a fresh account.
start_ventrose "$artifacts/first.log"
main=$(wait_for_window "Ventrose pour FS") || true
[ -n "$main" ] || die "the main window was not shown"
xdotool windowactivate --sync "$main"
sleep 0.5

# The menu of a right click: Couleurs, then Nuit.
xdotool mousemove --window "$main" 300 300 click 3
sleep 0.5
import -window root "$artifacts/menu.png"
xdotool key Down Down Right
sleep 0.3
xdotool key Down Return
sleep 0.5
lightness=$(lightness_of "$main" "$artifacts/night.png")
awk -v l="$lightness" 'BEGIN { exit !(l < 0.3) }' || die "the main window is not dark after choosing Nuit (lightness $lightness)"
echo "beside-sim: Nuit chosen in the menu, lightness $lightness"

xdotool key ctrl+t
sleep 0.5
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE \
  || die "the main window does not carry _NET_WM_STATE_ABOVE after Ctrl+T: $(xprop -id "$main" _NET_WM_STATE)"
echo "beside-sim: Ctrl+T: the main window is above the others"

# A calculator over it, then a message box over the calculator.
xdotool mousemove --window "$main" 79 488 click 1
conversions=$(wait_for_window "Conversions") || true
[ -n "$conversions" ] || die "the Conversions window did not open"
[ "$(transient_for "$conversions")" = "$main" ] || die "Conversions is not transient for the main window"
sleep 0.5
xdotool mousemove --window "$conversions" 390 44 click 1
sleep 0.3
xdotool type a
message=$(wait_for_window "Erreur") || true
[ -n "$message" ] || die "no message box after a letter in a number box"
[ "$(transient_for "$message")" = "$conversions" ] || die "the message box is not transient for Conversions"
import -window root "$artifacts/message.png"
echo "beside-sim: Conversions is transient for the main window, its message box for it"
xdotool key Return
sleep 0.5
"$close_request" "$conversions"
sleep 0.5

xdotool windowmove --sync "$main" 240 160
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
left_at="$X,$Y"
quit_ventrose
grep -q '^onTop=true' "$settings" || die "keeping on top was not saved: $(cat "$settings")"
grep -q '^palette=nuit$' "$settings" || die "the palette was not saved: $(cat "$settings")"
echo "beside-sim: quit with the main window at $left_at"

# Second run: where and as it was.
start_ventrose "$artifacts/second.log"
main=$(wait_for_window "Ventrose pour FS") || true
[ -n "$main" ] || die "the main window was not shown again"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X,$Y" = "$left_at" ] || die "the main window came back at $X,$Y, not $left_at"
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || die "not on top after a restart"
lightness=$(lightness_of "$main" "$artifacts/restart.png")
awk -v l="$lightness" 'BEGIN { exit !(l < 0.3) }' || die "not in the night colours after a restart"
echo "beside-sim: restarted at $X,$Y, on top, in Nuit"
quit_ventrose

# Without a window manager, which might move a window by itself: a place no screen shows.
kill "$wm_pid"
wait "$wm_pid" 2>/dev/null || true
wm_pid=""
sed -i 's/^frmMainCalc\\x=.*/frmMainCalc\\x=5000/; s/^frmMainCalc\\y=.*/frmMainCalc\\y=-3000/' "$settings"
start_ventrose "$artifacts/off-screen.log"
main=$(wait_for_window "Ventrose pour FS") || true
[ -n "$main" ] || die "the main window was not shown from an off-screen place"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt 1280 ] || [ $((Y + HEIGHT)) -gt 1024 ]; then
  die "a window saved at 5000,-3000 opened at $X,$Y (${WIDTH}x$HEIGHT), off the 1280x1024 screen"
fi
echo "beside-sim: saved at 5000,-3000, opened at $X,$Y"
quit_ventrose
for log in first second off-screen; do
  [ ! -s "$artifacts/$log.log" ] || { echo "beside-sim: $log run said:"; cat "$artifacts/$log.log"; }
done
echo "beside-sim: PASS"
