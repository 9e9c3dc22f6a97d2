#!/usr/bin/env bash
# The Debian package as a packager and a user meet it: lintian clean, its
# files, its dependencies (Qt 6 from Debian and the C and C++ runtimes,
# nothing more), valid desktop and AppStream files, a hardened stripped
# program with its symbols in the -dbgsym package, and the installed program
# started through its bin/ link far enough to dock its tray icon, finding
# zones.ini beside its real path, its windows of the class its entry names.
#
# Usage (under a fresh X server): xvfb-run -a tests/package/check_deb.sh build/deb
set -euo pipefail

out=$(realpath "${1:-build/deb}")
deb=$(ls "$out"/vorkel-clocks_*.deb)
dbgsym=$(ls "$out"/vorkel-clocks-dbgsym_*.deb)
changes=$(ls "$out"/vorkel-clocks_*.changes)
unpacked=$(mktemp -d)
root=$unpacked/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/vorkelclocks
build=$out
source "$(dirname "$0")/../e2e/lib/desktop.bash"
trap 'cleanup; rm -rf "$unpacked"' EXIT

id=example.vorkel.Clocks
binary=$root/usr/lib/vorkel-clocks/vorkelclocks
entry=$root/usr/share/applications/$id.desktop

# Errors and warnings fail; pedantic and informational tags are shown only.
lintian --pedantic --info --fail-on error,warning "$changes" || fail "lintian reports errors or warnings"

contents=$(dpkg-deb -c "$deb")
for f in ./usr/lib/vorkel-clocks/vorkelclocks ./usr/lib/vorkel-clocks/zones.ini \
    ./usr/lib/vorkel-clocks/vorkel-zonegen ./usr/lib/vorkel-clocks/vorkel-refresh-zones \
    "./usr/bin/vorkelclocks -> ../lib/vorkel-clocks/vorkelclocks" \
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/icons/hicolor/16x16/apps/$id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    ./usr/share/man/man1/vorkelclocks.1.gz \
    ./usr/share/doc/vorkel-clocks/copyright ./usr/share/doc/vorkel-clocks/changelog.gz; do
    grep -qF -- "$f" <<<"$contents" || fail "package lacks $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
while read -r dep; do
    name=${dep%% *}
    [[ $name =~ ^(libcanberra0|libqt6[a-z0-9]+6|qt6-qpa-plugins|libc6|libstdc\+\+6|libgcc-s1|libxcb1)$ ]] ||
        fail "unexpected dependency: $dep"
done < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//')
grep -q libqt6widgets6 <<<"$depends" || fail "no dependency on Qt Widgets"
grep -qw fonts-wine <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "the Tahoma package is not recommended"
# apt resolves those dependencies here ("apt install ./vorkel-clocks_*.deb").
apt-get install -s "$deb" >/dev/null || fail "apt cannot install the package"

desktop-file-validate "$entry" || fail "invalid desktop entry"
# The maker's domain lies under the reserved .example top-level domain, which
# AppStream's list of known ones lacks: that note alone is lowered to pedantic.
appstreamcli validate-tree --strict --no-net --override=cid-maybe-not-rdns=pedantic "$root" ||
    fail "AppStream validation of the tree not clean"

# Every protection on, no search path of its own for libraries, no symbols
# left; those are in the -dbgsym package.
hardening=$(hardening-check "$binary") || { echo "$hardening"; fail "hardening incomplete"; }
echo "$hardening"
! grep -q ": no" <<<"$hardening" || fail "a protection is off"
for p in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
    "Read-only relocations" "Immediate binding" "Control flow integrity"; do
    grep -q "^ $p: yes" <<<"$hardening" || fail "$p: not yes"
done
! readelf -d "$binary" | grep -qE 'R(UN)?PATH' || fail "the program has a library search path"
! readelf -S "$binary" | grep -qE '\.(symtab|debug_info)' || fail "the program is not stripped"
build_id=$(readelf -n "$binary" | sed -n 's/.*Build ID: //p')
debug=/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug
dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
[ -f "$unpacked/dbgsym$debug" ] || fail "no debug symbols for build ID $build_id"
# hardening-check finds stack clash protection only in code that needs its
# probes (none of ours does), and control-flow protection by the program's
# mark, which the linker is told to set (debian/rules): the compiler's own
# record of every unit's options shows both were asked for.
producers=$(readelf --debug-dump=info "$unpacked/dbgsym$debug" 2>/dev/null | grep DW_AT_producer)
[ -n "$producers" ] || fail "no compiler options recorded"
for flag in -fstack-clash-protection -fcf-protection=full; do
    ! grep -v -e "$flag" <<<"$producers" | grep -q . || fail "a unit was compiled without $flag"
done

# A tzdata upgrade: the package's trigger on the tz database runs its
# postinst, which remakes zones.ini from the new database. Here the postinst
# runs on the unpacked root, pointed at it, with a copy of the machine's
# database under a new version name.
dpkg-deb -e "$deb" "$unpacked/control"
grep -qx 'interest-noawait /usr/share/zoneinfo' "$unpacked/control/triggers" ||
    fail "no trigger on the tz database"
sed "s#/usr/lib/vorkel-clocks/#$root/usr/lib/vorkel-clocks/#g" "$unpacked/control/postinst" \
    >"$unpacked/postinst"
zones=$root/usr/lib/vorkel-clocks/zones.ini
shipped=$(head -n 1 "$zones")
fake=$unpacked/zoneinfo
mkdir -p "$fake"
for f in /usr/share/zoneinfo/*; do
    [ "$(basename "$f")" = tzdata.zi ] || ln -s "$f" "$fake/"
done
sed '1s/^# version .*/# version 2099z/' /usr/share/zoneinfo/tzdata.zi >"$fake/tzdata.zi"
TZDIR=$fake sh "$unpacked/postinst" triggered /usr/share/zoneinfo >"$unpacked/trigger.log" 2>&1 ||
    fail "the postinst failed: $(cat "$unpacked/trigger.log")"
cat "$unpacked/trigger.log"
head -n 1 "$zones" | grep -q '^# version 2099z, checked for ' ||
    fail "the trigger left zones.ini at: $(head -n 1 "$zones") (shipped: $shipped)"
grep -q '^\[Asia/Tokyo\]$' "$zones" || fail "the remade zones.ini lacks Asia/Tokyo"
[ -z "$(ls "$root/usr/lib/vorkel-clocks" | grep -v -e '^vorkelclocks$' -e '^zones.ini$' \
    -e '^vorkel-zonegen$' -e '^vorkel-refresh-zones$')" ] || fail "the trigger left files behind"
# A database the generator cannot read: the old file stays, the reason is
# told, and the package's configuration still goes on.
cp "$zones" "$unpacked/zones.before"
TZDIR=$unpacked/none sh "$unpacked/postinst" triggered /usr/share/zoneinfo \
    >"$unpacked/trigger.log" 2>&1 || fail "the postinst failed when the generator did"
cat "$unpacked/trigger.log"
cmp -s "$zones" "$unpacked/zones.before" || fail "a failed refresh changed zones.ini"
grep -q 'zones.ini kept as it was: ' "$unpacked/trigger.log" || fail "a failed refresh told no reason"

# Through the link in bin/: zones.ini must be found beside the real program.
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
# Docks and task switchers match windows to the entry by their class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
window=$(xdotool search --pid "$program_pid" | head -1)
[ -n "$window" ] || fail "no window of the program found"
xprop -id "$window" WM_CLASS | grep -qF "\"$wm_class\"" ||
    fail "window class $(xprop -id "$window" WM_CLASS) is not the entry's $wm_class"
import -window root "$shots/installed-program.png"
echo "PASS: package $(basename "$deb"), tray icon docked at $ix,$iy ${iw}x$ih"
