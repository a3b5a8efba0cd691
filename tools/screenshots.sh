#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the real window on a virtual 1280x1024 screen with the openbox window
# manager, at scale 1 and 2, and writes a picture of the screen after each
# step: the first window, its File, Edit, Tools and Help menus, Lotto 6 (its
# prompt answered), the check window beside the control, the frequency
# chart, the wheel dialog and a wheel, Roulette and U.S. Bet (on a five-game file).
# Usage: tools/screenshots.sh [FOLDER]   (default: screenshots/)
# BUILD_DIR names the build folder (default: build).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-screenshots}" && cd "${1:-screenshots}" && pwd)
build=${BUILD_DIR:-$root/build}
[ -x "$build/corvane-gui" ] || "$root/tools/setup.sh" "$build"

work=$(mktemp -d)
server=""
manager=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The window runs in a folder of its own: parameter files, the game file and
# its settings (a first run, at its first size) stay there.
mkdir "$work/run"
printf 'Giants, Vikings\nRams, 49ers\nJets, Dolphins\nRavens, Steelers\nRaiders, Chiefs\n' >"$work/run/GAMES.5"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
unset QT_FONT_DPI
openbox >/dev/null 2>&1 &
manager=$!
sleep 1

# Every window where it shows, bottom to top: the screen's own picture
# leaves the inside of a window black here, so each window that shows, and
# each named window inside a frame, is taken on its own and laid over it.
paste_window() {
    geometry=$(xwininfo -id "$1" 2>/dev/null) || return 0
    echo "$geometry" | grep -q IsViewable || return 0
    width=$(echo "$geometry" | awk '/Width:/ { print $2 }')
    height=$(echo "$geometry" | awk '/Height:/ { print $2 }')
    [ "$width" -gt 2 ] && [ "$height" -gt 2 ] || return 0
    x=$(echo "$geometry" | awk '/Absolute upper-left X/ { print $4 }')
    y=$(echo "$geometry" | awk '/Absolute upper-left Y/ { print $4 }')
    xwd -id "$1" -silent 2>/dev/null | xwdtopnm 2>/dev/null >"$work/window.pnm" || return 0
    pnmpaste "$work/window.pnm" "$x" "$y" "$work/screen.pnm" >"$work/both.pnm" 2>/dev/null &&
        mv "$work/both.pnm" "$work/screen.pnm"
}
shoot() {
    sleep 1
    xwd -root -silent | xwdtopnm >"$work/screen.pnm" 2>/dev/null
    for frame in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }' | tac); do
        paste_window "$frame"
        for inner in $(xwininfo -tree -id "$frame" 2>/dev/null | awk '/^ +0x[0-9a-f]+ "/ { print $1 }'); do
            paste_window "$inner"
        done
    done
    pnmtopng "$work/screen.pnm" >"$out/$1.png"
    echo "$out/$1.png"
}

# Waits for the window with this exact title and gives it the keyboard.
focus() {
    window=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

# Presses the button that Tab reaches that many times from the pane, as a
# keyboard user does: the pane is the window's lower part.
press() {
    focus 'Corvane Generator 7'
    eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 }
        /Width:/ { print "WIDTH=" $2 } /Height:/ { print "HEIGHT=" $2 }')"
    xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT - 60 * scale)) click 1
    xdotool key --repeat "$1" --delay 30 Tab
    xdotool key Return
}

for scale in 1 2; do
    rm -rf "$work/config"
    (cd "$work/run" && QT_SCALE_FACTOR=$scale exec "$build/corvane-gui") &
    app=$!
    focus 'Corvane Generator 7'
    shoot "scale$scale-1-welcome"
    for menu in file edit tools help; do
        xdotool key "alt+$(echo $menu | cut -c1)"
        shoot "scale$scale-1-menu-$menu"
        xdotool key Escape
    done

    press 4 # Lotto 6
    focus "Biggest Number"
    shoot "scale$scale-2-lotto6-prompt"
    xdotool key Return
    shoot "scale$scale-3-lotto6"

    # Tools > Check Against a Draw, beside the control; then the chart.
    focus 'Corvane Generator 7'
    xdotool key alt+t w
    focus "Check Against a Draw"
    xdotool type --delay 20 "3 11 19 27 38 45"
    xdotool key Return
    shoot "scale$scale-3b-check-draw"
    focus 'Corvane Generator 7'
    xdotool key alt+t n
    focus "Number Frequencies"
    shoot "scale$scale-3c-frequencies"
    xdotool key Escape
    focus "Check Against a Draw"
    xdotool key Escape

    # Tools > Wheel Numbers: twelve numbers, the dialog beside the control,
    # the search's progress, then (after Cancel, which keeps the smallest
    # wheel found) the wheel's message over its tickets.
    focus 'Corvane Generator 7'
    xdotool key alt+t u
    focus "Wheel Numbers"
    xdotool key ctrl+a
    xdotool type --delay 20 "1-12"
    shoot "scale$scale-3d-wheel-dialog"
    xdotool key Return
    sleep 2
    shoot "scale$scale-3e-wheel-progress"
    xdotool key Escape
    sleep 1
    focus "Wheel Numbers"
    shoot "scale$scale-3f-wheel"
    xdotool key Return

    press 12 # Roulette
    shoot "scale$scale-4-roulette"

    press 13 # U.S. Bet
    focus "Number Of Games To Bet On"
    shoot "scale$scale-5-usbet-prompt"
    xdotool key Return
    focus "Open A Game File"
    shoot "scale$scale-6-usbet-file"
    xdotool key Return
    shoot "scale$scale-7-usbet"

    kill "$app"
    wait "$app" 2>/dev/null || true
    app=""
done
