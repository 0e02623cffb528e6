#!/usr/bin/env bash
# The optional files (skin, cursor, sound) may be missing, hold garbage or be folders: the
# table still opens and deals, shows no error, and keeps its design colours.
source "$(dirname "$0")/lib.sh"

start_xvfb
for how in missing dirs garbage; do
    start_app "$(stage_app "$how")"
    settle 5 "files-$how" expect_dealt_table
    # The pointer rules run on every move over a button, a tile and the cloth.
    for point in "885 9065" "2037 7877" "6000 6500" "2660 9065"; do
        read -r x y <<<"$point"
        xdotool mousemove "$(sx "$x")" "$(sy "$y")"
        sleep 0.1
    done
    sleep 0.3
    no_error_box
    app_running || fail "$how files: the program ended on its own"
    [[ -z $(boxes) ]] || fail "$how files: a message box is open (see $(shot "files-$how-box"))"
    # A file that holds no skin is passed over like a missing one.
    expect "$E2E_OUT/files-$how.png" cloth "$how files: the design cloth" 6000 6500 3000 2000
    say "$how files: ok"
    stop_app
done
