#!/usr/bin/env bash
# The game as a player gets it: installed into a temporary DESTDIR, its desktop entry, metainfo,
# icons and manual page checked by their own validators, its Debian package built and listed,
# and the installed program started from another working folder, where it deals.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$BRACKWELL_BIN")
root=$E2E_TMP/root share=$E2E_TMP/root/usr/share id=org.brackwell.Brackwell

DESTDIR=$root cmake --install "$build" --prefix /usr >"$E2E_TMP/install.log" || fail "install: $(<"$E2E_TMP/install.log")"
desktop-file-validate "$share/applications/$id.desktop" || fail "the desktop entry is not valid"
grep -qx "Exec=/usr/games/brackwell" "$share/applications/$id.desktop" || fail "the menu's command is not the installed program"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$E2E_TMP/as.log" || fail "metainfo: $(<"$E2E_TMP/as.log")"
for side in 16 22 32 48 64 128 256; do
    file "$share/icons/hicolor/${side}x${side}/apps/$id.png" | grep -q "$side x $side" || fail "no $side px icon"
done
grep -q '<svg width="256" height="256"' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man6/brackwell.6" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page renders with warnings: $warnings"

(cd "$build" && cpack -G DEB -B "$E2E_TMP/pkg" >"$E2E_TMP/cpack.log") || fail "cpack: $(<"$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/pkg/brackwell_*.deb)
dpkg-deb -c "$deb" >"$E2E_TMP/contents"
for f in usr/games/brackwell usr/lib/games/brackwell/libbrackwell-sound.so usr/share/games/brackwell/x/o.cjs \
    usr/share/games/brackwell/HAND-M.CUR usr/share/games/brackwell/pic/Move.wav usr/share/man/man6/brackwell.6 \
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"; do
    grep -q "\./$f\$" "$E2E_TMP/contents" || fail "the package lacks $f"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package's dependencies were not worked out"
say "package $(basename "$deb"): $(grep -c . "$E2E_TMP/contents") entries, depends on $(dpkg-deb -f "$deb" Depends)"

mkdir "$E2E_TMP/elsewhere" && cd "$E2E_TMP/elsewhere"
start_xvfb
start_app "$root/usr/games/brackwell"
settle 10 installed expect_dealt_table
# The skin from the installed data folder gives the buttons their warm face (Qt's own are grey).
face=$(colours_at "$E2E_OUT/installed.png" 335 9150)
(($((16#${face:0:2})) - $((16#${face:4:2})) > 12)) || fail "the installed game did not find its skin (button face #$face)"
say "the installed game finds its files and deals"
