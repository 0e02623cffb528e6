#!/usr/bin/env bash
# A hand played to its end in the real window, with the mouse and the keyboard only: the robot
# drags its tiles onto the ends where they fit, draws when nothing fits, answers the messages,
# and sees the computer's tiles turned up at the end. BRACKWELL_PLAY_GAME=1 plays a whole game,
# until the program ends after a score reaches 101.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_app
args=(--hands 1 --minutes 2.5)
if [[ ${BRACKWELL_PLAY_GAME:-0} == 1 ]]; then args=(--game --minutes 60); fi
python3 "$(dirname "$0")/robot_player.py" "$SCREEN_FILE" "$WIN" "$WIN_X" "$WIN_Y" --pid "$APP_PID" "${args[@]}" ||
    fail "the robot could not play on (see $(shot play-hand-failed))"
shot play-hand-end >/dev/null
if [[ ${BRACKWELL_PLAY_GAME:-0} == 1 ]]; then
    expect_exit 5 "the end of the game"
fi
say "played"
