#!/usr/bin/env bash
# Searching by the names of the user's language: in German "köln", "moskau",
# "wien", "peking" and "deutschland", in French "moscou" and "vienne", in
# Japanese "東京", each typed into the options dialog's search box and added
# by Enter; after OK the settings file holds one clock of the right zone for
# each, titled with the name found.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/local_search.sh build/ci
set -euo pipefail

source "$(dirname "$0")/lib/accessibility.bash"
build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
accessibility_on

dialog() { xdotool search --onlyvisible --name "^Vorkel Clocks - " | head -1; }

start_desktop

# search_in LANG LANGUAGE OK QUERY=ZONE=TITLE...: adds a clock for each query
# in a run of the program in that language, then checks the settings file.
search_in() {
    local lang=$1 language=$2 ok=$3
    shift 3
    printf '[General]\nClocks=London\n\n[Clocks]\n0_Zone=Europe/London\n' >"$settings"
    LANG=$lang LANGUAGE=$language start_program
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click --repeat 2 --delay 80 1
    poll 10 dialog || fail "no options dialog in $lang"
    sleep 0.7
    local caption entry query
    caption=$(xdotool getwindowname "$(dialog)")
    for entry in "$@"; do
        query=${entry%%=*}
        key ctrl+f
        # Through the accessibility interface, as an input method would:
        # xdotool types a character the keyboard lacks ("ö", "東") by mapping
        # a spare key to it, which the program now and then reads too late.
        atspi enter "$caption" "$query"
        sleep 0.6
        import -window "$(dialog)" "$shots/local-search-$language-$query.png"
        key Return
    done
    atspi press "$caption" "$ok"
    poll 10 sh -c "grep -q '^$#_Zone=' '$settings'" || fail "$lang: OK did not store $# new clocks"
    local n=1 zone title
    for entry in "$@"; do
        IFS='=' read -r query zone title <<<"$entry"
        grep -qx "${n}_Zone=$zone" "$settings" ||
            fail "$lang: \"$query\" added no clock in $zone as clock $n"
        grep -q "^Clocks=.*;$title[;\"]\?" "$settings" ||
            fail "$lang: \"$query\" added no clock titled \"$title\""
        n=$((n + 1))
    done
    # Ended from its tray menu (Exit, the last entry), so that it leaves the
    # accessibility registry: a killed copy stays listed there, and asking
    # it for its windows stalls the next copy's search for its dialog.
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
    open_menu Up Return
    poll 10 sh -c "! kill -0 $program_pid" || fail "$lang: Exit did not end the program"
    wait "$program_pid" 2>/dev/null || true
}

search_in de_DE.UTF-8 de OK "köln=Europe/Berlin=Köln" "moskau=Europe/Moscow=Moskau" \
    "wien=Europe/Vienna=Wien" "peking=Asia/Shanghai=Peking" "deutschland=Europe/Berlin=Berlin"
search_in fr_FR.UTF-8 fr OK "moscou=Europe/Moscow=Moscou" "vienne=Europe/Vienna=Vienne"
search_in ja_JP.UTF-8 ja OK "東京=Asia/Tokyo=東京都"
echo "PASS: search by the names of the user's language"
