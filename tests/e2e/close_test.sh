#!/usr/bin/env bash
# The window manager's close request ends the program at once and cleanly (status 0), whatever
# runs: nothing, an open message box, or the computer's flight across the table.
source "$(dirname "$0")/lib.sh"

start_xvfb

say "close with nothing open"
start_app
settle 5 close-idle expect_dealt_table
"$SEND_CLOSE" "$WIN"
expect_exit 2 "close with nothing open"

say "close while the message box 'Computer Will Start' is open"
start_app
settle 5 close-box-before expect_dealt_table
# "New Game" deals the next hand, which the computer opens with a message box.
xdotool mousemove "$(sx 885)" "$(sy 9065)" click 1
has_box() { [[ -n $(boxes) ]]; }
wait_until 5 has_box || fail "no message box within 5 s of New Game (see $(shot close-box-missing))"
shot close-box-open >/dev/null
has_box || fail "the message box closed on its own"
"$SEND_CLOSE" "$WIN"
expect_exit 2 "close while a message box is open"

say "close during the computer's flight"
start_app
settle 5 close-flight-before expect_dealt_table
drag_first_tile
# The flying tile shows its face on the computer's row right of the hand, or on its way down
# above the first slot of an end; nothing else there is that dark.
in_flight() {
    local hex
    while read -r hex; do
        if is_colour face "$hex"; then return 0; fi
    done < <(colours_at "$1" \
        $(for x in $(seq 5300 200 7300); do face_at "$x" 60; done) \
        $(for y in $(seq 700 200 3700); do face_at 7095 "$y" && face_at 4875 "$y"; done))
    return 1
}
caught=''
deadline=$((SECONDS + 20))
while ((SECONDS <= deadline)); do
    if in_flight "$(frame)"; then
        "$SEND_CLOSE" "$WIN"
        caught=yes
        break
    fi
    answer_boxes # the computer may have to draw first
done
[[ -n $caught ]] || fail "never saw the computer's tile in flight (see $(shot close-flight-missed))"
convert "xwd:$E2E_TMP/frame.xwd" "$E2E_OUT/close-flight.png"
expect_exit 2 "close during the computer's flight"
say "close: ok"
