#!/usr/bin/env bash
# The Debian package: its files, its dependencies (Qt 6 from Debian and the C
# and C++ runtimes, nothing more), valid desktop and AppStream files, and the
# installed program started through its bin/ link far enough to dock its tray
# icon, finding zones.ini beside its real path.
#
# Usage (under a fresh X server): xvfb-run -a tests/package/check_deb.sh build/release
set -euo pipefail

build=$(realpath "${1:-build/release}")
deb=$(ls "$build"/vorkel-clocks_*.deb)
source "$(dirname "$0")/../e2e/lib/desktop.bash"

contents=$(dpkg-deb -c "$deb")
for f in ./usr/lib/vorkel-clocks/vorkelclocks ./usr/lib/vorkel-clocks/zones.ini \
    "./usr/bin/vorkelclocks -> ../lib/vorkel-clocks/vorkelclocks" \
    ./usr/share/applications/vorkel-clocks.desktop \
    ./usr/share/metainfo/vorkel-clocks.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/vorkel-clocks.svg \
    ./usr/share/icons/hicolor/16x16/apps/vorkel-clocks.png \
    ./usr/share/icons/hicolor/256x256/apps/vorkel-clocks.png; do
    grep -qF -- "$f" <<<"$contents" || fail "package lacks $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
while read -r dep; do
    name=${dep%% *}
    [[ $name =~ ^(libqt6[a-z0-9]+6|qt6-qpa-plugins|libc6|libstdc\+\+6|libgcc-s1|libxcb1)$ ]] ||
        fail "unexpected dependency: $dep"
done < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//')
grep -q libqt6widgets6 <<<"$depends" || fail "no dependency on Qt Widgets"
# apt resolves those dependencies here ("apt install ./vorkel-clocks_*.deb").
apt-get install -s "$deb" >/dev/null || fail "apt cannot install the package"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/vorkel-clocks.desktop" || fail "invalid desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/vorkel-clocks.metainfo.xml" >/dev/null ||
    fail "invalid AppStream metadata"

# Through the link in bin/: zones.ini must be found beside the real program.
program=$root/usr/bin/vorkelclocks
cat >"$settings" <<'INI'
[General]
Clocks=Tokyo

[Clocks]
0_Zone=Asia/Tokyo
0_UseDaylight=1
INI
start_desktop
start_program
# The hint names the clock only when the zone was found in zones.ini.
grep -q "hint: Click to show the time in Tokyo" "$work/program.log" || fail "zones.ini not read"
import -window root "$shots/installed-program.png"
echo "PASS: package $(basename "$deb"), tray icon docked at $ix,$iy ${iw}x$ih"
