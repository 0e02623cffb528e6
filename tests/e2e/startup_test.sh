#!/usr/bin/env bash
# Start-up opens the table at its design size, centred, with the first hand dealt, and then
# rests: the idle program uses next to no processor time.
source "$(dirname "$0")/lib.sh"

start_xvfb
start_app
say "window $WIN at $WIN_X,$WIN_Y size ${WIN_W}x$WIN_H"

((WIN_W == 799 && WIN_H == 625)) || fail "client area is ${WIN_W}x$WIN_H, not 799x625"

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
dx=$((2 * WIN_X + WIN_W - screen_w)) dy=$((2 * WIN_Y + WIN_H - screen_h))
((dx >= -6 && dx <= 6 && dy >= -6 && dy <= 6)) ||
    fail "window at $WIN_X,$WIN_Y is not centred on the ${screen_w}x$screen_h screen"

settle 5 startup expect_dealt_table
expect "$E2E_OUT/startup.png" cloth "the skin's table cloth" 6000 6500 3000 2000

# utime + stime of the whole process, in clock ticks, over 2 s of doing nothing.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
hz=$(getconf CLK_TCK)
before=$(cpu_ticks)
sleep 2
used=$(($(cpu_ticks) - before))
say "idle for 2 s: $used ticks of $((2 * hz))"
((used * 100 < 5 * 2 * hz)) ||
    fail "idle program used $used of $((2 * hz)) clock ticks, 5 % of a core or more"

no_error_box
app_running || fail "the program ended on its own"
say "startup: ok"
