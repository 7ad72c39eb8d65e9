#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the ventrose executable built by `make build`. Without a display the program itself says
# so in one line and how to run it (xvfb-run, or the VNC platform).
set -euo pipefail
exe="${1:-build/default/app/ventrose}"
if [ ! -x "$exe" ]; then
  echo "run.sh: $exe not found; build it first (make build)" >&2
  exit 1
fi
exec "$exe"
