#!/usr/bin/env bash
# Dragging the player's first tile onto the empty table opens the line of play at the opening
# place, and the computer answers on its own: its tile lands in the first slot of an end and the
# turn comes back to the player (the status moves down to the player's hand).
source "$(dirname "$0")/lib.sh"

start_xvfb
start_app
settle 5 drag-before expect_dealt_table

drag_first_tile

# The opening tile lies at 6025,4000 / 6450,4000, and the player's row has closed up to 6 tiles.
opened() {
    expect "$1" face "opening place" $(face_at 6025 4000) $(face_at 6450 4000)
    expect "$1" cloth "the player's seventh place, now empty" $(face_at 4745 7675)
}
# The computer may have to draw: each draw is announced in a message box, answered here.
BETWEEN_POLLS=answer_boxes settle 5 drag-dropped opened

# Its tile goes into Shr(0) or Shl(0), halves at the slot + 25 and 420 apart.
slot_has_tile() { # SCREEN LEFT: both halves of a tile laid into the slot at Left, Top 4020
    local hex
    while read -r hex; do
        is_colour face "$hex" || return 1
    done < <(colours_at "$1" $(face_at $(($2 + 25)) 4045) $(face_at $(($2 + 445)) 4045))
}
answered() {
    slot_has_tile "$1" 7095 || slot_has_tile "$1" 4875 ||
        fail "no tile in Shr(0) nor in Shl(0) (see $1)"
    # "Status: Your Turn" in blue next to the player's hand (Top 7100), none left at the top.
    local low high
    low=$(blue_pixels "$1" 4440 7100 3000 375) high=$(blue_pixels "$1" 4440 1065 3000 375)
    ((low > 40 && high == 0)) ||
        fail "status not next to the player: $low blue pixels at Top 7100, $high at 1065 (see $1)"
}
blue_pixels() {
    convert "$1" -crop "$(($4 / 15))x$(($5 / 15))+$(sx "$2")+$(sy "$3")" +repage \
        -fuzz 12% -fill black +opaque '#103cb4' -fill white -opaque '#103cb4' \
        -format '%[fx:round(mean*w*h)]' info:
}
BETWEEN_POLLS=answer_boxes settle 40 drag-after answered
no_error_box
app_running || fail "the program ended on its own"
say "drag: ok"
