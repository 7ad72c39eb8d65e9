# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# A private X server for the scripts that show real windows. Source this file, then call
#
#   xvfb_start [SCREEN] [LOG]
#
# It starts Xvfb on a display no other X server holds (Xvfb picks the number itself, so builds
# running side by side on one machine never race for the same display), waits until the server
# accepts connections, exports DISPLAY, and arranges for the server to be killed when the script
# exits, after whatever EXIT trap the script had already set. SCREEN is WIDTHxHEIGHTxDEPTH
# (1280x1024x24 by default), at 96 dpi; the server's own messages go to LOG (/dev/null by
# default). It returns 1 when the server does not start within 10 seconds.
#
# Set the script's own EXIT trap before calling xvfb_start: a later `trap ... EXIT` replaces the
# one that stops the server. xvfb_stop stops it earlier, if need be.

xvfb_pid=""

xvfb_start() {
  local screen=${1:-1280x1024x24} log=${2:-/dev/null}
  local number_file number="" previous
  number_file=$(mktemp)
  # With -displayfd, Xvfb takes the first free display and writes its number, followed by a
  # newline, once it is ready for clients.
  Xvfb -displayfd 3 -screen 0 "$screen" -dpi 96 -nolisten tcp 3>"$number_file" >"$log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    # read fails until the whole line is there.
    read -r number <"$number_file" && break
    number=""
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$number" ]; then
    xvfb_stop
    return 1
  fi
  export DISPLAY=":$number"

  previous=$(trap -p EXIT)
  if [ -n "$previous" ]; then
    # trap -p prints `trap -- 'COMMANDS' EXIT`, quoted for the shell.
    eval "set -- $previous"
    previous=$3
  fi
  # shellcheck disable=SC2064 # the earlier trap's text belongs in the new one
  trap "${previous:+$previous
}xvfb_stop" EXIT
}

xvfb_stop() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
