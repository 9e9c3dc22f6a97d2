#!/usr/bin/env bash
# Every window of the program in each language it speaks, photographed on a
# real X server with a window manager and a tray host: the pinned clocks
# window with a clock's hint, both menus, the manual's entry page, the about
# box, the options dialog's three tabs and a search by a name of that
# language, and the first-run question. A look at the pictures shows whether
# every text fits; the test itself checks that each window came up.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/translated_windows.sh build/ci [LANGUAGE...]
# Languages: de fr es it pt_BR pl nl ja zh_CN (all when none are named).
set -euo pipefail

source "$(dirname "$0")/lib/accessibility.bash"
build=$(realpath "${1:-build/ci}")
shift || true
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(de fr es it pt_BR pl nl ja zh_CN)
source "$(dirname "$0")/lib/desktop.bash"
accessibility_on

# A city of each language's own name for it, to search for.
declare -A city=([de]=köln [fr]=moscou [es]=moscú [it]=mosca [pt_BR]=moscovo [pl]=moskwa
    [nl]=moskou [ja]=東京 [zh_CN]=北京)

start_desktop

# The program's shown windows, one id a line.
windows() { xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | sort; }
# new_window BEFORE: a shown window of the program not in BEFORE.
new_window() { comm -13 <(echo "$1") <(windows) | grep -q .; }
shot() { sleep 0.6; import -window root "$shots/lang-$language-$1.png"; }

for language in "${languages[@]}"; do
    export LANG=$language.UTF-8 LANGUAGE=$language
    cat >"$settings" <<'INI'
[General]
Clocks="London;Moscow;Tokyo"
Pinned=1
Left=10
Top=560

[Clocks]
0_Zone=Europe/London
0_UseDaylight=1
1_Zone=Europe/Moscow
1_UseDaylight=1
2_Zone=Asia/Tokyo
2_UseDaylight=1
INI
    start_program
    find_tray_icon
    # Pinned where the settings say, clear of the options dialog.
    wx=10 wy=560
    poll 10 sh -c "xdotool search --onlyvisible --pid $program_pid" ||
        fail "$language: no clocks window"
    sleep 0.5

    # The clocks window with a clock's hint, then its menu.
    xdotool mousemove $((wx + 60)) $((wy + 20))
    sleep 1.5
    shot window-hint
    xdotool mousemove $((wx + 60)) $((wy + 20)) click 3
    poll 10 menu_shown || fail "$language: no window menu"
    shot window-menu
    # Help is the last entry but one.
    before=$(windows)
    key Up Up Return
    poll 10 new_window "$before" || fail "$language: no help viewer"
    shot help
    key ctrl+w
    xdotool windowclose "$(comm -13 <(echo "$before") <(windows) | head -1)" 2>/dev/null || true
    sleep 0.5

    # The tray menu, then the about box (also the last entry but one).
    xdotool mousemove "$icon_x" "$icon_y" click 3
    poll 10 menu_shown || fail "$language: no tray menu"
    shot tray-menu
    before=$(windows)
    key Up Up Return
    poll 10 new_window "$before" || fail "$language: no about box"
    shot about-box
    key Return
    poll 5 sh -c "[ \"\$(xdotool search --onlyvisible --pid $program_pid | wc -l)\" -le $(wc -l <<<"$before") ]" ||
        fail "$language: the about box did not close"

    # The options dialog: its three tabs, and a search by this language's name.
    before=$(windows)
    double_click mousemove "$icon_x" "$icon_y"
    poll 10 new_window "$before" || fail "$language: no options dialog"
    sleep 0.7
    dialog=$(comm -13 <(echo "$before") <(windows) | head -1)
    shot options-clocks
    # Typed through the accessibility interface, as an input method would:
    # xdotool cannot type what the keyboard lacks in a locale not installed.
    key ctrl+f
    atspi enter "$(xdotool getwindowname "$dialog")" "${city[$language]}"
    shot options-search
    key ctrl+Tab
    shot options-appearance
    key ctrl+Tab
    shot options-about
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true

    # No clocks: the first-run question.
    printf '[General]\nClocks=\n' >"$settings"
    start_program
    poll 10 sh -c "xdotool search --onlyvisible --pid $program_pid" ||
        fail "$language: no first-run question"
    shot first-run
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
done
echo "PASS: the windows in ${languages[*]} (screenshots in $shots/lang-*.png)"
