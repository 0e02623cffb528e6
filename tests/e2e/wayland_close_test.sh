#!/usr/bin/env bash
# The game on a Wayland-only session (a headless Weston, no X display): it starts natively with
# nothing printed, and the compositor's close (xdg_toplevel.close, sent by the test's Weston module
# as a desktop's close button does) ends it with status 0, with nothing open and while a message
# box runs its own event loop. A platform the user names in QT_QPA_PLATFORM is kept.
set -euo pipefail
skip() { echo "SKIP: $*" && exit 77; }
fail() { echo "FAIL: $*" >&2 && exit 1; }
command -v weston >/dev/null || skip "no weston"
[[ -f ${WESTON_HAND:-} ]] || skip "the test's Weston module was not built (no libweston-10-dev)"
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    skip "no Qt Wayland platform plugin (qt6-wayland)"

tmp=$(mktemp -d /tmp/brackwell-wayland.XXXXXX)
weston_pid= game_pid=
cleanup() {
    for p in $game_pid $weston_pid; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
chmod 700 "$tmp"
unset DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$tmp WAYLAND_DISPLAY=brackwell-e2e E2E_WAYLAND_CONTROL=$tmp

# until SECS COMMAND...: polls COMMAND every 50 ms until it succeeds, failing after SECS.
until_true() {
    local end=$((SECONDS + $1)) && shift
    until "$@"; do ((SECONDS < end)) || return 1 && sleep 0.05; done
}
# ask COMMAND: the module's answer to COMMAND, without its closing ".".
ask() {
    : >"$tmp/out" && echo "$*" >"$tmp/in"
    until_true 10 grep -qx '\.' "$tmp/out" || fail "the compositor did not answer $*"
    grep -vx '\.' "$tmp/out" || true
}
tables() { ask list | grep -c "^Brackwell"$'\t' || true; }
shows() { [[ $(tables) -ge $1 ]]; }
ended() { ! kill -0 "$game_pid" 2>/dev/null; }

weston --no-config --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    --modules="$(realpath "$WESTON_HAND")" >"$tmp/weston.log" 2>&1 &
weston_pid=$!
until_true 20 test -p "$tmp/in" -a -S "$tmp/$WAYLAND_DISPLAY" || fail "weston did not start: $(<"$tmp/weston.log")"

start() {
    "$BRACKWELL_BIN" >"$tmp/game.log" 2>&1 &
    game_pid=$!
    until_true 20 shows 1 || fail "no window titled Brackwell within 20 s: $(<"$tmp/game.log")"
}
close() {
    ask close Brackwell
    until_true 5 ended || fail "$1: still runs 5 s after the close"
    local status=0 && wait "$game_pid" || status=$?
    game_pid=
    ((status == 0)) || fail "$1: exit status $status"
    [[ ! -s $tmp/game.log ]] || fail "$1: the game printed: $(<"$tmp/game.log")"
}

start
close "close with nothing open"

# New Game (the N key) has the computer open the next hand after a message box. The key goes to
# the window the shell activated; it is pressed again until the box is there.
start
press_new_game() { ask key 49 && until_true 2 shows 2; }
until_true 30 press_new_game || fail "no message box after New Game"
close "close while a message box is open"

# The user's choice stands, even one that cannot work here.
status=0 && QT_QPA_PLATFORM=xcb timeout 20 "$BRACKWELL_BIN" >"$tmp/game.log" 2>&1 || status=$?
((status != 0 && status != 124)) && grep -q xcb "$tmp/game.log" ||
    fail "QT_QPA_PLATFORM=xcb was not kept (status $status): $(<"$tmp/game.log")"
echo "PASS"
