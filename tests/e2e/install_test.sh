#!/usr/bin/env bash
# The game as a player gets it: installed into a DESTDIR, its desktop entry, metainfo, icons and
# manual page passed by their own validators, its Debian package built with its files and worked-
# out dependencies, passed by lintian with no tag but its one override and built twice to the same
# bytes, and the installed program dealing from another folder with its skin.
set -euo pipefail
build=$(dirname "$BRACKWELL_BIN") driver=$(realpath "$(dirname "$0")/driver.py") id=org.brackwell.Brackwell
tmp=$(mktemp -d /tmp/brackwell-install.XXXXXX) && trap 'rm -rf "$tmp"' EXIT
share=$tmp/root/usr/share
fail() { echo "FAIL: $*" >&2 && exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >"$tmp/log" || fail "install: $(<"$tmp/log")"
desktop-file-validate "$share/applications/$id.desktop" || fail "the desktop entry is not valid"
grep -qx "Exec=/usr/games/brackwell" "$share/applications/$id.desktop" || fail "the menu runs no game"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$tmp/log" || fail "$(<"$tmp/log")"
for side in 16 22 32 48 64 128 256; do
    file "$share/icons/hicolor/${side}x$side/apps/$id.png" | grep -q "$side x $side" || fail "no $side px icon"
done
grep -q '<svg width="256" height="256"' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man6/brackwell.6.gz" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page renders with warnings: $warnings"
# The machine-readable copyright file carries the licence word for word, one blank to a line.
sed -n '/^License: Expat$/,$p' "$share/doc/brackwell/copyright" | tail -n +2 | sed 's/^ //; s/^\.$//' >"$tmp/licence"
sed -n '/^Permission/,$p' "$(dirname "$driver")/../../LICENSE" | diff - "$tmp/licence" >&2 ||
    fail "the copyright file's licence differs from LICENSE"

(cd "$build" && cpack -G DEB -B "$tmp/pkg" >"$tmp/log") || fail "cpack: $(<"$tmp/log")"
deb=$(echo "$tmp"/pkg/brackwell_*.deb)
dpkg-deb -c "$deb" >"$tmp/contents"
for f in games/brackwell lib/games/brackwell/libbrackwell-sound.so share/games/brackwell/{x/o.cjs,HAND-M.CUR,pic/Move.wav} \
    share/man/man6/brackwell.6.gz share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/doc/brackwell/{copyright,changelog.Debian.gz} share/lintian/overrides/brackwell; do
    grep -q "\./usr/$f\$" "$tmp/contents" || fail "the package lacks /usr/$f"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package's dependencies were not worked out"
top=$(zcat "$share/doc/brackwell/changelog.Debian.gz" | sed -n 1p)
[[ $top == "brackwell ($(dpkg-deb -f "$deb" Version)) "* ]] || fail "the changelog's top entry is not the package's version: $top"
# Every check lintian has, the pedantic and informational ones too: no tag but the one override
# (which lintian shows only when asked, with its reason).
lintian --fail-on error,warning -I --pedantic "$deb" >"$tmp/log" 2>&1 || fail "lintian: $(<"$tmp/log")"
! grep -E '^[A-Z]: ' "$tmp/log" >&2 || fail "lintian -I --pedantic found the tags above"
lintian -I --pedantic --show-overrides "$deb" 2>/dev/null | grep -q '^O: brackwell: initial-upload-closes-no-bugs ' ||
    fail "the override is not used"
# A second package of the same commit, its files touched since and built in another time zone,
# gives the same bytes: time stamps come from the commit, not from the files or the clock.
touch "$build"/brackwell "$build"/libbrackwell-sound.so "$build"/data/*.gz "$build"/data/*.desktop
(cd "$build" && TZ=Pacific/Kiritimati cpack -G DEB -B "$tmp/again" >"$tmp/log") || fail "cpack: $(<"$tmp/log")"
cmp "$deb" "$tmp"/again/brackwell_*.deb >&2 || fail "two packages of the same commit differ"
mkdir "$tmp/elsewhere" && cd "$tmp/elsewhere" && python3 "$driver" installed "$tmp/root/usr/games/brackwell"
