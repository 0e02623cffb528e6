# Shared by the end-to-end tests (source it): a private X server, the program on it, its
# window's places in twips, screenshots and pixel colours, and a clean-up that ends all of it.
# Every wait polls with a time limit; nothing sleeps longer than it has to. Polls look at copies
# of the X server's framebuffer file (a few ms a look, fast enough to catch an animation); the
# frame that passed is kept as a PNG, and import takes the screenshots that show a failure.
set -euo pipefail

: "${BRACKWELL_BIN:?BRACKWELL_BIN must name the built program}"
: "${SEND_CLOSE:?SEND_CLOSE must name the close-request helper}"
E2E_OUT=${E2E_OUT:-$PWD/e2e-out}
mkdir -p "$E2E_OUT"
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/brackwell-e2e.XXXXXX")
export XDG_RUNTIME_DIR=$E2E_TMP QT_QPA_PLATFORM=xcb
XVFB_PID='' APP_PID='' WIN='' WIN_X=0 WIN_Y=0 WIN_W=0 WIN_H=0
SCREEN_FILE=$E2E_TMP/fb/Xvfb_screen0 # the X server's framebuffer, as an XWD image

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
say() { echo "-- $*"; }

cleanup() {
    local rc=$?
    stop_app
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$E2E_TMP"
    exit "$rc"
}
trap cleanup EXIT

# wait_until SECONDS COMMAND...: polls the command every 50 ms until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS <= deadline)) || return 1
        sleep 0.05
    done
}

start_xvfb() {
    mkdir "$E2E_TMP/fb"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -fbdir "$E2E_TMP/fb" \
        3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    wait_until 15 test -s "$E2E_TMP/display" || fail "Xvfb did not start: $(<"$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
}

# stage_app [full|missing|garbage|dirs]: copies the program and its optional files to a folder
# of its own, with the files whole, left out, full of random bytes, or replaced by folders.
# Prints the copy's path.
stage_app() {
    local how=${1:-full} from dir f
    from=$(dirname "$BRACKWELL_BIN")
    dir=$(mktemp -d "$E2E_TMP/app.XXXX")
    cp "$BRACKWELL_BIN" "$dir/"
    if [[ -f $from/libbrackwell-sound.so ]]; then cp "$from/libbrackwell-sound.so" "$dir/"; fi
    for f in x/o.cjs HAND-M.CUR pic/Move.wav; do
        case $how in
            full) mkdir -p "$dir/$(dirname "$f")" && cp "$from/$f" "$dir/$f" ;;
            garbage) mkdir -p "$dir/$(dirname "$f")" && head -c 4096 /dev/urandom >"$dir/$f" ;;
            dirs) mkdir -p "$dir/$f" ;;
            missing) ;;
        esac
    done
    echo "$dir/$(basename "$BRACKWELL_BIN")"
}

app_running() {
    local state
    state=$(awk '{print $3}' "/proc/$APP_PID/stat" 2>/dev/null) && [[ $state != Z ]]
}
app_ended() { ! app_running; }

# start_app [PROGRAM]: starts the program (the built one by default) and waits for its window.
start_app() {
    "${1:-$BRACKWELL_BIN}" >"$E2E_TMP/app.log" 2>&1 &
    APP_PID=$!
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Brackwell$' | head -n1) ||
        fail "no visible window titled Brackwell within 20 s (log: $(<"$E2E_TMP/app.log"))"
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

stop_app() {
    [[ -n $APP_PID ]] || return 0
    if app_running; then
        kill "$APP_PID" 2>/dev/null || true
        wait_until 3 app_ended || kill -KILL "$APP_PID" 2>/dev/null || true
    fi
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=''
}

# expect_exit SECONDS WHAT: the program ends within SECONDS with status 0.
expect_exit() {
    local rc=0
    wait_until "$1" app_ended || fail "$2: the program still runs after $1 s"
    wait "$APP_PID" || rc=$?
    APP_PID=''
    ((rc == 0)) || fail "$2: the program exited with status $rc (log: $(<"$E2E_TMP/app.log"))"
}

# Twips of the table to screen pixels at the design size (15 twips a pixel).
sx() { echo $((WIN_X + (2 * $1 + 15) / 30)); }
sy() { echo $((WIN_Y + (2 * $1 + 15) / 30)); }

# shot NAME: a screenshot of the whole screen into $E2E_OUT/NAME.png; prints its path.
shot() {
    import -window root "$E2E_OUT/$1.png"
    echo "$E2E_OUT/$1.png"
}

# colours_at SHOT X Y [X Y ...]: the colour (RRGGBB) at each twip point, one a line.
colours_at() {
    local file=$1 fmt=''
    shift
    while (($#)); do
        fmt+="%[hex:p{$(sx "$1"),$(sy "$2")}]\n"
        shift 2
    done
    convert "$file" -format "$fmt" info:
}

# is_colour KIND RRGGBB. face: the near-black body of a face-up half; back: the deep red of a
# tile's back; slot: a slot outline's light grey fill; cloth: the green table cloth.
is_colour() {
    local r=$((16#${2:0:2})) g=$((16#${2:2:2})) b=$((16#${2:4:2}))
    case $1 in
        face) ((r < 0x40 && g < 0x40 && b < 0x40)) ;;
        back) ((r >= 0x40 && r > g + 0x20 && r > b + 0x18)) ;;
        slot) [[ ${2:0:6} == E0E0E0 ]] ;;
        cloth) ((g > r + 0x10 && g > b + 0x08)) ;;
        *) fail "unknown colour kind $1" ;;
    esac
}

# expect SHOT KIND WHAT X Y [X Y ...]: every twip point shows KIND.
expect() {
    local file=$1 kind=$2 what=$3 hex i=0
    shift 3
    local -a pts=("$@")
    while read -r hex; do
        is_colour "$kind" "$hex" ||
            fail "$what: ($((pts[i])), $((pts[i + 1]))) twips shows #$hex, not $kind (see $file)"
        i=$((i + 2))
    done < <(colours_at "$file" "$@")
}

# frame: a copy of the screen as it is now (a torn frame only fails a poll); prints its name.
# Unlike import it shows the pointer too: the tests keep it clear of the points they look at.
frame() {
    cp "$SCREEN_FILE" "$E2E_TMP/frame.xwd"
    echo "xwd:$E2E_TMP/frame.xwd"
}

# settle SECONDS NAME CHECK [ARGS...]: polls `CHECK SCREEN ARGS...` on frames of the screen until
# it passes (the window may still be painting, the computer still moving) or the time is up,
# running $BETWEEN_POLLS after each miss; keeps the last frame as NAME.png and checks it for real.
settle() {
    local deadline=$((SECONDS + $1)) name=$2 check=$3
    shift 3
    until ("$check" "$(frame)" "$@") >/dev/null 2>&1; do
        ((SECONDS <= deadline)) || break
        ${BETWEEN_POLLS:-:}
        sleep 0.05
    done
    convert "xwd:$E2E_TMP/frame.xwd" "$E2E_OUT/$name.png"
    "$check" "$E2E_OUT/$name.png" "$@"
}

# Sample points inside a tile half whose top-left is at L T: between the pips of a face, and
# beside the emblem of a back.
face_at() { echo "$(($1 + 146)) $(($2 + 146))"; }
back_at() { echo "$(($1 + 61)) $(($2 + 202))"; }

# expect_dealt_table SHOT: the player's 7 tiles face up, the computer's 7 and the boneyard's 14
# face down, both first slot outlines shown.
expect_dealt_table() {
    local k faces=() backs=()
    for k in 0 1 2 3 4 5 6; do
        faces+=($(face_at $((1835 + 485 * k)) 7675) $(face_at $((1835 + 485 * k)) 8095))
        backs+=($(back_at $((1835 + 485 * k)) 60) $(back_at $((1835 + 485 * k)) 480))
    done
    for k in $(seq 1 14); do
        backs+=($(back_at 540 $((650 + 435 * k))) $(back_at 120 $((650 + 435 * k))))
    done
    expect "$1" face "player's hand row" "${faces[@]}"
    expect "$1" back "computer's hand row and boneyard" "${backs[@]}"
    expect "$1" slot "first slot outlines Shr(0), Shl(0)" 7545 4267 5325 4267
}

# boxes: the visible windows titled Brackwell other than the table (the message boxes).
boxes() { xdotool search --onlyvisible --name '^Brackwell$' 2>/dev/null | grep -vx "$WIN" || true; }
no_error_box() {
    ! xdotool search --onlyvisible --name '^Application Error$' >/dev/null 2>&1 ||
        fail "an Application Error message appeared (see $(shot application-error))"
}

# answer_boxes: no error message is open; every other message box is answered with Return.
answer_boxes() {
    local b
    no_error_box
    for b in $(boxes); do
        xdotool windowfocus --sync "$b" key Return 2>/dev/null || true
    done
}

# drag_first_tile: drags the player's first tile by its first half into the middle of the table.
drag_first_tile() {
    local x0 y0 x1 y1 i
    x0=$(sx 2037) y0=$(sy 7877) x1=$(sx 6225) y1=$(sy 3200)
    xdotool mousemove "$x0" "$y0" mousedown 1
    for i in $(seq 1 12); do
        xdotool mousemove $((x0 + (x1 - x0) * i / 12)) $((y0 + (y1 - y0) * i / 12))
        sleep 0.03
    done
    xdotool mouseup 1
}
