#!/usr/bin/env bash
# On a 640 x 480 screen, smaller than the table's design size, the window opens whole and
# scaled, with the first hand dealt and the three buttons within reach, both bare and inside a
# window manager's frame.
exec python3 "$(dirname "$0")/driver.py" small_screen
