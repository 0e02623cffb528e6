#!/usr/bin/env bash
# A hand played to its end in the real window by a robot with the mouse and keyboard only
# (BRACKWELL_PLAY_GAME=1: a whole game, until the program ends at 101).
exec python3 "$(dirname "$0")/driver.py" play
