#!/bin/sh
# Opens the real window on a virtual 1280x1024 screen, clicks Lotto 6 (its
# prompt answered), checks it against a draw and charts its numbers, clicks
# Roulette and U.S. Bet (on a five-game file), and writes a picture of the
# screen after each step, at scale 1 and 2.
# Usage: tools/screenshots.sh [FOLDER]   (default: screenshots/)
# BUILD_DIR names the build folder (default: build).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-screenshots}" && cd "${1:-screenshots}" && pwd)
build=${BUILD_DIR:-$root/build}
[ -x "$build/corvane-gui" ] || "$root/tools/setup.sh" "$build"

work=$(mktemp -d)
server=""
app=""
dialog=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
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

# The whole screen; a dialog, which the screen's own picture leaves black
# here, is taken on its own and laid over it.
shoot() {
    sleep 1
    xwd -root -silent | xwdtopnm >"$work/screen.pnm" 2>/dev/null
    if [ -n "$dialog" ]; then
        eval "$(xdotool getwindowgeometry --shell "$dialog")"
        xwd -id "$dialog" -silent | xwdtopnm 2>/dev/null | pnmpaste - "$X" "$Y" "$work/screen.pnm" >"$work/both.pnm"
        mv "$work/both.pnm" "$work/screen.pnm"
    fi
    pnmtopng "$work/screen.pnm" >"$out/$1.png"
    echo "$out/$1.png"
}

# Waits for the dialog with this exact title and gives it the keyboard.
focus() {
    dialog=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    xdotool windowfocus --sync "$dialog"
}

# Clicks a button given by its design-time place in twips; the grid is centred
# over the pane when the window is wider than the design surface (523 pixels).
click() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    x=$(awk -v l="$1" -v w="$WIDTH" -v s="$scale" -v x0="$X" \
        'BEGIN { shift = int((w / s - 523) / 2); if (shift < 0) shift = 0; print int(x0 + (shift + int(l / 15) + 40) * s) }')
    y=$(awk -v t="$2" -v s="$scale" -v y0="$Y" 'BEGIN { print int(y0 + (t / 15 + 10) * s) }')
    xdotool mousemove --sync "$x" "$y" click 1
}

for scale in 1 2; do
    rm -rf "$work/config"
    (cd "$work/run" && QT_SCALE_FACTOR=$scale exec "$build/corvane-gui") &
    app=$!
    window=$(xdotool search --sync --onlyvisible --name '^Corvane Generator 7$' | head -n 1)
    xdotool windowfocus --sync "$window"
    shoot "scale$scale-1-welcome"

    click 4680 960 # Lotto 6
    focus "Biggest Number"
    shoot "scale$scale-2-lotto6-prompt"
    xdotool key Return
    dialog=""
    shoot "scale$scale-3-lotto6"

    # The pane's context menu (its last entries: check, check a history,
    # frequencies, CSV, details, run again) opens the check dialog and the
    # frequency chart.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + 200 * scale)) $((Y + 300 * scale)) click 3
    sleep 0.5
    xdotool key Up Up Up Up Up Up Return
    focus "Check Against a Draw"
    xdotool type --delay 20 "3 11 19 27 38 45"
    xdotool key Return
    shoot "scale$scale-3b-check-draw"
    xdotool key Escape
    dialog=""
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + 200 * scale)) $((Y + 300 * scale)) click 3
    sleep 0.5
    xdotool key Up Up Up Up Return
    focus "Number Frequencies"
    shoot "scale$scale-3c-frequencies"
    xdotool key Escape
    dialog=""

    click 6120 1920 # Roulette
    shoot "scale$scale-4-roulette"

    click 3240 1920 # U.S. Bet
    focus "Number Of Games To Bet On"
    shoot "scale$scale-5-usbet-prompt"
    xdotool key Return
    focus "Open A Game File"
    shoot "scale$scale-6-usbet-file"
    xdotool key Return
    dialog=""
    shoot "scale$scale-7-usbet"

    kill "$app"
    wait "$app" 2>/dev/null || true
    app=""
done
