#!/usr/bin/env bash
# A real drag of the player's tile is answered by the computer's tile on the table; the close
# request ends the program at once while a message box is open and during the computer's flight.
exec python3 "$(dirname "$0")/driver.py" drag
