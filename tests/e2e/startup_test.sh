#!/usr/bin/env bash
# Start-up opens the 799 x 625 table centred with the first hand dealt and rests idle; the
# close request ends it cleanly. Optional files missing, garbage or folders change none of it.
exec python3 "$(dirname "$0")/driver.py" startup
