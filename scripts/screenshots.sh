#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of every window of ventrose on a private X server, for docs/.
# Usage: screenshots.sh BUILD_DIR OUTPUT_DIR [SCALE] [PALETTE]
# PALETTE is jour (the default), nuit or nuit-rouge; the night ones are named NAME-PALETTE.png.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/xvfb.sh"

build=$1
out=$2
scale=${3:-1}
palette=${4:-jour}
suffix=""
[ "$palette" != "jour" ] && suffix="-$palette"
[ "$scale" != "1" ] && suffix="$suffix-${scale}x"
mkdir -p "$out"

app_pid=""
# Settings of its own, empty: what a person saved on this machine changes no screenshot.
settings=$(mktemp -d)
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$settings"
}
trap cleanup EXIT
xvfb_start 2400x2000x24 || { echo "screenshots: the X server did not start" >&2; exit 1; }

# The windows' titles, by which each is found and shot, in each language.
declare -A fr=(
  [main]="Ventrose pour FS"
  [airspeed]="Calcul : Vitesse Indiquée > Vitesse Propre"
  [descent]="Taux, distance, Vs, Tsv    montée / descente "
  [conversions]="Conversions"
  [log]="Log de navigation"
  [open]="Ouvrir un log de navigation"
  [about]="A propos de ...."
)
declare -A en=(
  [main]="Ventrose for FS"
  [airspeed]="Calculation: Indicated Airspeed > True Airspeed"
  [descent]="Rate, distance, GS, NWT    climb / descent "
  [conversions]="Conversions"
  [log]="Navigation log"
  [open]="Open a navigation log"
  [about]="About ...."
)

window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
close_window() { "$build/tests/smoke/x11-close-request" "$(window "$1")"; sleep 0.5; }

# The log window's route: four legs, the exact triangle's columns shown.
cat >"$settings/route.vlog" <<'EOF'
{
  "format": "ventrose-log",
  "version": 2,
  "Vp": 120,
  "departure": "09:30",
  "fuel": {"unit": "usgal", "atDeparture": 100.5, "perHour": 20, "reserve": 70},
  "origin": {"waypoint": "Toussus-le-Noble"},
  "legs": [
    {"waypoint": "Melun", "Rm": 90, "D": 40, "V": 120, "Vw": 20, "actual": "10:00"},
    {"waypoint": "Pithiviers", "Rm": 180, "D": 30, "V": 120, "Vw": 20},
    {"waypoint": "Montargis", "Rm": 135, "D": 28, "V": 120, "Vw": 20},
    {"waypoint": "Gien", "Rm": 200, "D": 33, "V": 150, "Vw": 25}
  ],
  "exactTriangle": true
}
EOF

# Every window in one language (fr or en, whatever this machine's), the program ended after.
shoot_all() {
  local language=$1
  local -n title=$language
  local named=$suffix
  [ "$language" != fr ] && named="$named-$language"
  # Settings of each language's own, empty: where a window stood in the French run changes no
  # English screenshot. Its data folder there too: the log window keeps its copy against a
  # crash in it.
  local home=$settings/$language
  mkdir -p "$home"
  XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home QT_SCALE_FACTOR=$scale \
    "$build/app/ventrose" --palette "$palette" --langue "$language" &
  app_pid=$!

  shoot() { sleep 0.5; import -window "$(window "$1")" "$out/$2$named.png"; }
  # Buttons along the bottom of the main window, in design pixels (centre of each).
  press() {
    local main
    main=$(window "${title[main]}")
    xdotool mousemove --window "$main" "$(awk "BEGIN { print int($1 * $scale) }")" "$(awk "BEGIN { print int(488 * $scale) }")" click 1
  }

  shoot "${title[main]}" main-window
  press 226
  shoot "${title[airspeed]}" airspeed-window
  close_window "${title[airspeed]}"
  press 373
  shoot "${title[descent]}" descent-window
  close_window "${title[descent]}"
  press 79
  shoot "${title[conversions]}" conversions-window
  close_window "${title[conversions]}"
  # The log window, the route opened through its own dialog, as a person does.
  xdotool windowfocus --sync "$(window "${title[main]}")"
  xdotool key ctrl+l
  window "${title[log]}" >/dev/null
  xdotool key ctrl+o
  window "${title[open]}" >/dev/null
  sleep 0.3
  xdotool type --delay 20 "$settings/route.vlog"
  xdotool key Return
  shoot "${title[log]} - route.vlog" navlog-window
  close_window "${title[log]} - route.vlog"
  press 520
  shoot "${title[about]}" about-window
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

shoot_all fr
shoot_all en
