#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader reads of a running program, through AT-SPI.

  accessible.py wait PID SECONDS EXPECTATION...
      Waits until every expectation holds in the program of that process id, then prints how
      long it took. An expectation is 'NAME=VALUE' (a scroll bar of that accessible name shows
      VALUE) or 'label:TEXT' (a label reads TEXT, as its name or, for a figure, as its
      description). Exits 1, with what was read, if they do not
      all hold within SECONDS.
  accessible.py centre PID NAME
      Prints the screen coordinates of the centre of the push button of that name.
"""
import sys
import time

import pyatspi


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def read(node, bars, labels, buttons):
    """Every scroll bar's value, every label's text and every push button, by accessible name."""
    try:
        role = node.getRole()
        name = node.name
    except Exception:
        return
    if role == pyatspi.ROLE_SCROLL_BAR:
        try:
            bars[name] = node.queryValue().currentValue
        except Exception:
            pass
    elif role == pyatspi.ROLE_LABEL:
        # A figure is named after the caption beside it and reads its value as its description.
        labels.add(name)
        labels.add(node.description)
    elif role == pyatspi.ROLE_PUSH_BUTTON:
        buttons[name] = node
    for i in range(node.childCount):
        read(node.getChildAtIndex(i), bars, labels, buttons)


def snapshot(pid):
    bars, labels, buttons = {}, set(), {}
    app = application(pid)
    if app is not None:
        read(app, bars, labels, buttons)
    return bars, labels, buttons


def holds(expectation, bars, labels):
    if expectation.startswith("label:"):
        return expectation[len("label:"):] in labels
    name, _, value = expectation.rpartition("=")
    return name in bars and bars[name] == float(value)


def wait(pid, seconds, expectations):
    began = time.monotonic()
    while True:
        bars, labels, _ = snapshot(pid)
        missing = [e for e in expectations if not holds(e, bars, labels)]
        if not missing:
            print("%.1f s" % (time.monotonic() - began))
            return 0
        if time.monotonic() - began > seconds:
            print("not within %g s: %s" % (seconds, "; ".join(missing)))
            print("read: bars %s; labels %s" % (bars, sorted(labels)))
            return 1
        time.sleep(0.1)


def centre(pid, name):
    _, _, buttons = snapshot(pid)
    if name not in buttons:
        print("no button %r" % name, file=sys.stderr)
        return 1
    box = buttons[name].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(box.x + box.width // 2, box.y + box.height // 2)
    return 0


def main(argv):
    if len(argv) >= 4 and argv[1] == "wait":
        return wait(int(argv[2]), float(argv[3]), argv[4:])
    if len(argv) == 4 and argv[1] == "centre":
        return centre(int(argv[2]), argv[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
