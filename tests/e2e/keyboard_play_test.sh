#!/usr/bin/env bash
# Whole hands played in the real window with the keyboard alone: draws, a pass, the end of a
# hand and the next one, not one pointer event after start-up.
exec python3 "$(dirname "$0")/driver.py" keys
