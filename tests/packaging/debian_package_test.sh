#!/usr/bin/env bash
# "cpack -G DEB" makes bluvessa_<version>_<arch>.deb: its control fields name
# the libraries the programs link and a soundfont, its files lie where
# Debian's xscreensaver keeps its hacks, and the renderer unpacked from it
# finds the media pack unpacked beside it.
# usage: debian_package_test.sh BUILD_DIR VERSION
source "$(dirname "$0")/packaging_lib.sh"
build=$1
version=$2

(cd "$WORK" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1) ||
    fail "cpack failed: $(tail -n 20 "$WORK/cpack.log")"
arch=$(dpkg --print-architecture)
deb="$WORK/package/bluvessa_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"), only: $(ls "$WORK/package")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = bluvessa ] && [ "$(field Version)" = "$version" ] &&
    [ "$(field Architecture)" = "$arch" ] || fail "control: $(dpkg-deb -f "$deb")"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "control: $(dpkg-deb -f "$deb")"
depends=$(field Depends)
for package in libc6 libqt6widgets6 libqt6gui6 libfluidsynth3 libsdl2-2.0-0 libx11-6 libxcb-shm0 timgm6mb-soundfont; do
    grep -Eq "(^|, |\| )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

root="$WORK/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/bluvessa usr/bin/bluvessa-render usr/share/bluvessa/add-to-xscreensaver.sh; do
    [ -x "$root/$file" ] || fail "$file missing"
done
for file in usr/share/bluvessa/Zentrova/Bluvessa/bv_palette.bmp usr/share/xscreensaver/config/bluvessa.xml \
    usr/share/man/man6/bluvessa.6.gz usr/share/applications/bluvessa-settings.desktop; do
    [ -f "$root/$file" ] || fail "$file missing"
done
[ "$(readlink "$root/usr/libexec/xscreensaver/bluvessa")" = ../../bin/bluvessa ] ||
    fail "xscreensaver's link: $(readlink "$root/usr/libexec/xscreensaver/bluvessa")"
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -v '^\./$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

[ "$("$root/usr/libexec/xscreensaver/bluvessa" --version)" = "bluvessa $version" ] ||
    fail "the unpacked program does not start through xscreensaver's link"
renders_scene "$root/usr/bin" unpacked
echo "debian package: ok"
