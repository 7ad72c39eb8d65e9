# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the tests that run the real program under Xvfb share: taking their arguments, starting
# the program, finding its windows and quitting it as a person does. Source it after
# scripts/lib/xvfb.sh, with a die function defined before any of these is called.

timeout_seconds=${timeout_seconds:-15}
app_pid=""
# Under LeakSanitizer (the asan build) the list of suppressions used would end every run's
# standard error, which the tests read for what the program itself says.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"
# The French program, whose windows the tests read, whatever this machine's language (a system
# in another language would start it in English).
export LANGUAGE=fr
# The windows' titles quit_ventrose looks for; a test that starts the program with --langue en
# sets the English ones.
main_title="Ventrose pour FS"
about_title="A propos de ...."

# Takes the test's arguments, PATH/TO/ventrose [PATH/TO/x11-close-request], into `ventrose` and
# `close_request` (tests/smoke/x11_close_request.cpp; VENTROSE_CLOSE_REQUEST when not given),
# and fails unless both are executables.
take_arguments() {
  [ $# -ge 1 ] || { echo "usage: $0 PATH/TO/ventrose [PATH/TO/x11-close-request]" >&2; exit 2; }
  ventrose=$1
  close_request=${2:-${VENTROSE_CLOSE_REQUEST:-}}
  [ -x "$ventrose" ] || die "not an executable: $ventrose"
  if [ -z "$close_request" ] || [ ! -x "$close_request" ]; then
    die "the close-request helper is missing"
  fi
}

# Fails unless every tool named is installed.
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || die "$tool is not installed"
  done
}

# Prints the id of the first visible window whose caption is exactly $1, waiting for it.
wait_for_window() {
  local pattern
  # shellcheck disable=SC2016 # a sed expression, not a shell one
  pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
  timeout "$timeout_seconds" xdotool search --sync --onlyvisible --name "$pattern" | head -n 1
}

# Starts ventrose with the arguments given, its standard error in $log; prints nothing.
start_ventrose() {
  local log=$1
  shift
  QT_QPA_PLATFORM=xcb "$ventrose" "$@" >"$log" 2>&1 &
  app_pid=$!
}

stop_ventrose() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  app_pid=""
}

# Closes the main window with its close box, then the About window that follows with a click,
# and checks that the program ends by itself with status 0.
quit_ventrose() {
  local main about status=0
  main=$(wait_for_window "$main_title") || true
  [ -n "$main" ] || die "no main window to close"
  "$close_request" "$main" || die "could not send the close request"
  about=$(wait_for_window "$about_title") || true
  [ -n "$about" ] || die "the About window did not follow the close request"
  sleep 0.3
  xdotool mousemove --window "$about" 100 100 click 1
  for _ in $(seq $((timeout_seconds * 10))); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && die "ventrose still runs ${timeout_seconds}s after the About window"
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || die "ventrose ended with status $status"
}

# The mean lightness (0 to 1) of a window's picture: a night palette is dark.
lightness_of() {
  import -window "$1" "$2"
  convert "$2" -colorspace Gray -format '%[fx:mean]' info:
}
