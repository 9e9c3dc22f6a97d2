#!/usr/bin/env bash
# The installed refresh script, as the package's trigger runs it: with a
# tz database of a new version it remakes zones.ini beside the program; with
# none it keeps the old file, says why, and still ends well.
#
# Usage: refresh_zones.sh SCRIPT GENERATOR TZDIR
set -euo pipefail
script=$1 generator=$2 tzdir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# An installed layout: the program's folder with the generator and the script.
dir=$work/usr/lib/vorkel-clocks
mkdir -p "$dir"
cp "$script" "$dir/vorkel-refresh-zones"
cp "$generator" "$dir/vorkel-zonegen"
printf '# version 2000a, checked for 2000-2009\n[Old/Zone]\n' >"$dir/zones.ini"

# The same database under a new version name, as a tzdata upgrade brings.
fake=$work/zoneinfo
mkdir -p "$fake"
for entry in "$tzdir"/*; do
    [ "$(basename "$entry")" = tzdata.zi ] || ln -s "$entry" "$fake/"
done
sed '1s/^# version .*/# version 2099z/' "$tzdir/tzdata.zi" >"$fake/tzdata.zi"

TZDIR=$fake sh "$dir/vorkel-refresh-zones" >"$work/out" 2>&1 || fail "the script failed"
head -n 1 "$dir/zones.ini" | grep -q '^# version 2099z, checked for ' ||
    fail "zones.ini not regenerated: $(head -n 1 "$dir/zones.ini")"
grep -q 'zones.ini regenerated: version 2099z' "$work/out" || fail "no word of it: $(cat "$work/out")"
grep -q '^\[Europe/Berlin\]$' "$dir/zones.ini" || fail "the new file lacks Europe/Berlin"
[ ! -e "$dir/zones.ini.tmp" ] || fail "a temporary file was left behind"

# No tz database: the file stays as it was and the reason is told.
cp "$dir/zones.ini" "$work/before"
TZDIR=$work/none sh "$dir/vorkel-refresh-zones" >"$work/out" 2>&1 || fail "the script failed on an error"
cmp -s "$dir/zones.ini" "$work/before" || fail "a failed run changed zones.ini"
grep -q 'zones.ini kept as it was: zonegen: no tz database in' "$work/out" ||
    fail "the reason was not told: $(cat "$work/out")"
echo "PASS"
