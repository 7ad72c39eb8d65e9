#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program linked to a simulator, as a pilot links it: `ventrose --sim xplane:127.0.0.1:PORT`
# against ventrose-fakesim, which answers as X-Plane does, then the same with FlightGear. What a
# screen reader reads (AT-SPI) must follow the values sent: the main window's true airspeed,
# wind direction (made magnetic) and wind force, and the status line. IAS to TAS and Taux
# Descente are opened while linked and read too. The simulator stops: "pas de données"; it comes
# back: values again, with nothing done in the program. Last, the program quits cleanly.
#
# Usage: sim_link_test.sh PATH/TO/ventrose PATH/TO/ventrose-fakesim [PATH/TO/x11-close-request]
# The close-request helper may also be named by VENTROSE_CLOSE_REQUEST. Exits 77 (skipped) when
# Xvfb, D-Bus, the AT-SPI bus or pyatspi is missing. Screenshots and logs are left in
# ./sim-link-artifacts.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

skip() {
  echo "sim-link: SKIP: $*"
  exit 77
}
die() {
  echo "sim-link: FAIL: $*" >&2
  exit 1
}

[ $# -ge 2 ] || { echo "usage: $0 PATH/TO/ventrose PATH/TO/ventrose-fakesim [PATH/TO/x11-close-request]" >&2; exit 2; }
ventrose=$(realpath "$1")
fakesim=$(realpath "$2")
close_request=${3:-${VENTROSE_CLOSE_REQUEST:-}}
[ -x "$ventrose" ] || die "not an executable: $ventrose"
[ -x "$fakesim" ] || die "not an executable: $fakesim"
[ -n "$close_request" ] && [ -x "$close_request" ] || die "the close-request helper is missing"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (dbus)"
bus_launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$bus_launcher" ] || skip "the AT-SPI bus is not installed (at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi is not installed (python3-pyatspi)"
for tool in xdotool import; do
  command -v "$tool" >/dev/null || die "$tool is not installed"
done

# A session bus of its own, where the accessibility bus is started before the program.
if [ -z "${VENTROSE_SIM_LINK_IN_SESSION:-}" ]; then
  VENTROSE_SIM_LINK_IN_SESSION=1 exec dbus-run-session -- bash "$0" "$ventrose" "$fakesim" "$close_request"
fi

# shellcheck source-path=SCRIPTDIR source=../../scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

artifacts=$PWD/sim-link-artifacts
rm -rf "$artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
bus_pid=""
fake_pid=""
cleanup() {
  stop_ventrose
  if [ -n "$fake_pid" ]; then kill "$fake_pid" 2>/dev/null || true; fi
  if [ -n "$bus_pid" ]; then kill "$bus_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
xvfb_start 1280x1024x24 "$artifacts/xvfb.log" || die "the X server did not start"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$bus_launcher" --launch-immediately >"$artifacts/at-spi.log" 2>&1 &
bus_pid=$!
sleep 0.5

# Generous: the waits end as soon as what they wait for holds.
patience=20
read_screen() {
  local said status=0
  said=$(/usr/bin/python3 "$here/accessible.py" wait "$app_pid" "$patience" "$@") || status=$?
  if [ "$status" -ne 0 ]; then
    echo "$said" >&2
    return "$status"
  fi
  echo "$said"
}
# A click on a push button where the screen reader says it is.
click_button() {
  local at
  at=$(/usr/bin/python3 "$here/accessible.py" centre "$app_pid" "$1") || die "no button $1 to click"
  # shellcheck disable=SC2086 # two numbers
  xdotool mousemove $at click 1
}
# Sends one command to the fake simulator.
tell() {
  echo "$*" >&"${fake[1]}"
}

start_fake() {
  coproc fake { exec "$fakesim" "$1"; }
  # shellcheck disable=SC2154 # set by coproc
  fake_pid=$fake_PID
  local line
  read -r -t 10 line <&"${fake[0]}" || die "ventrose-fakesim $1 did not start"
  port=${line#PORT }
}

stop_fake() {
  tell quit
  wait "$fake_pid" 2>/dev/null || true
  fake_pid=""
}

# One simulator: $1 is its word for --sim, $2 its name in the status line, then the names it gives
# to the true airspeed, wind direction, wind speed and variation, the factor from knots to its
# unit of speed, and the sign of its variation (X-Plane counts west positive).
link_with() {
  local sim=$1 name=$2 tas=$3 wdir=$4 wspeed=$5 var=$6 unit=$7 sign=$8
  local ias=$9 alt=${10} oat=${11} gs=${12}
  knot() { awk -v kt="$1" -v u="$unit" 'BEGIN { printf "%.4f", kt * u }'; }
  start_fake "$sim"
  # 140 kt true, wind from 250° true at 23 kt, 5° east: from 245° magnetic.
  tell set "$tas" "$(knot 140)"
  tell set "$wdir" 250
  tell set "$wspeed" "$(knot 23.2)"
  tell set "$var" "$((sign * 5))"
  tell set "$ias" 130
  tell set "$alt" 8449
  tell set "$oat" 4.6
  tell set "$gs" "$(knot 143.8)"
  start_ventrose "$artifacts/$sim.log" --sim "$sim:127.0.0.1:$port"
  wait_for_window "Ventrose pour FS" >/dev/null || die "$sim: no main window"
  read_screen "Vp = Vitesse propre ou TAS=140" "Direction du vent ( V )=245" \
    "Force du vent ( Vw en Kts )=23" "label:$name : données reçues" >/dev/null ||
    die "$sim: values not followed"
  import -window root "$artifacts/$sim-main.png"

  # 150 kt, wind from 100° true at 16 kt, 3° west: from 103° magnetic.
  tell set "$tas" "$(knot 150)"
  tell set "$wdir" 100
  tell set "$wspeed" "$(knot 15.6)"
  tell set "$var" "$((sign * -3))"
  read_screen "Vp = Vitesse propre ou TAS=150" "Direction du vent ( V )=103" \
    "Force du vent ( Vw en Kts )=16" >/dev/null || die "$sim: new values not followed"

  # The calculators opened while linked, each read, screenshot, closed with Escape.
  click_button "IAS to TAS"
  read_screen "label:Simulateur : 150 Kts" "label:8000 pieds" "label:$name : données reçues" \
    >/dev/null ||
    die "$sim: IAS to TAS does not follow"
  import -window root "$artifacts/$sim-vitesse.png"
  xdotool key Escape
  click_button "Taux Descente"
  read_screen "label:8400 '" "label:144 kts" "label:$name : données reçues" >/dev/null ||
    die "$sim: Taux Descente does not follow"
  import -window root "$artifacts/$sim-descente.png"
  xdotool key Escape

  # The simulator quits: no data after 2 s, the values stay. Back: values again by themselves.
  tell stop
  echo "$sim: stopped, \"pas de données\" after $(read_screen "label:$name : pas de données" \
    "Vp = Vitesse propre ou TAS=150" || die "$sim: no \"pas de données\"")"
  import -window root "$artifacts/$sim-stopped.png"
  tell restart
  tell set "$tas" "$(knot 160)"
  echo "$sim: restarted, values again after $(read_screen "label:$name : données reçues" \
    "Vp = Vitesse propre ou TAS=160" || die "$sim: no values after the restart")"
  quit_ventrose
  stop_fake
}

link_with xplane X-Plane sim/flightmodel/position/true_airspeed \
  sim/weather/aircraft/wind_now_direction_degt sim/weather/aircraft/wind_now_speed_msc \
  sim/flightmodel/position/magnetic_variation 0.514444 -1 \
  sim/flightmodel/position/indicated_airspeed sim/flightmodel2/position/pressure_altitude \
  sim/weather/aircraft/temperature_ambient_deg_c sim/flightmodel/position/groundspeed
link_with flightgear FlightGear /instrumentation/airspeed-indicator/true-speed-kt \
  /environment/wind-from-heading-deg /environment/wind-speed-kt \
  /environment/magnetic-variation-deg 1 1 \
  /velocities/airspeed-kt /instrumentation/altimeter/pressure-alt-ft \
  /environment/temperature-degc /velocities/groundspeed-kt
echo "sim-link: PASS"
