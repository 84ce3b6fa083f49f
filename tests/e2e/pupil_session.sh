#!/usr/bin/env bash
# A pupil's whole session on the installed program, driven only by real X input:
# water and carbon dioxide built by dragging from the palette, a bond order set through the
# bond menu, undo, switching constructions, the series saved, cleared and opened back, the
# dot structure copied to the clipboard, water built again from the keyboard alone, a
# computation on the calculator, the guided tour
# and the two closing questions. Results are read from the screen, the window titles, the
# saved file and the clipboard.
#
# usage: pupil_session.sh BUILD_DIR [OUTPUT_DIR]
set -euo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: pupil_session.sh BUILD_DIR [OUTPUT_DIR]}" && pwd)
OUT=${2:-$build/tests/e2e-output}
mkdir -p "$OUT"
rm -f "$OUT"/*.png "$OUT"/*.log
export OUT
# shellcheck source=lib.sh
source "$here/lib.sh"
E2E_T0=$EPOCHREALTIME

for tool in xdotool xclip import compare identify Xvfb python3; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tavir-e2e.XXXXXX")
XVFB_PID=
APP_PID=
cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

step "install the build into a temporary prefix"
cmake --install "$build" --prefix "$tmp/prefix" >"$OUT/install.log" 2>&1 || fail "cmake --install failed (see $OUT/install.log)"
tavir=$tmp/prefix/bin/tavir
cli=$tmp/prefix/bin/tavir-cli
if [ ! -x "$tavir" ] || [ ! -x "$cli" ]; then fail "the prefix has no bin/tavir or bin/tavir-cli"; fi

step "start an X server of our own"
# The server picks a free display itself: no race with other servers on this machine.
displayfile=$tmp/display
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$displayfile" >"$OUT/xvfb.log" 2>&1 &
XVFB_PID=$!
display_ready() { [ -s "$displayfile" ] && grep -q '[0-9]' "$displayfile"; }
wait_for 20 "the X server" display_ready
DISPLAY=:$(tr -dc 0-9 <"$displayfile")
export DISPLAY

step "start tavir with an empty home"
mkdir -p "$tmp/home/series" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=xcb
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME SESSION_MANAGER
(cd "$HOME" && exec "$tavir") >"$OUT/tavir.log" 2>&1 &
APP_PID=$!
main_shown() { window_shown '^Tavir$'; }
wait_for 20 "the main window" main_shown
MAIN=$(window_named '^Tavir$')
read -r MX MY < <(window_origin "$MAIN")
echo "    main window $MAIN at $MX,$MY on display $DISPLAY"

# Places of the main window, from its own layout (pixels from its top-left corner).
BOARD_X=$((MX + 104)) BOARD_Y=$((MY + 104))           # `dessineur`
FDEV_X=$((MX + 424)) FDEV_Y=$((MY + 56))              # `fdev`
SMILE_X=$((MX + 388)) SMILE_Y=$((MY + 90))            # the middle of `smile`
SMILE_YELLOW=255,216,74
declare -A PALETTE=([C]=104 [H]=136 [O]=168 [N]=200 [Cl]=232)
PALETTE_Y=$((MY + 232))
# Grid places of the cells (column, row) on the board.
declare -A CELL=([0]="1 1" [1]="2 1" [2]="3 1" [4]="2 2" [5]="1 2" [7]="0 1" [9]="1 0")

cell_centre() {
    local c r
    read -r c r <<<"${CELL[$1]}"
    echo "$((BOARD_X + 32 * c + 16)) $((BOARD_Y + 32 * r + 16))"
}
# The construction selector `Option3`: button N of the column beside the board.
select_construction() { click_at "$((MX + 44))" "$((MY + 82 + 20 * ($1 - 1)))"; }

# What the screen must show is drawn by the companion from construction strings, with the
# program's own drawing code: the board (`dessineur`) and the dot structure (`fdev`). The
# pictures' sizes are the companion's too.
declare -A VIEW_SIZE
draw_expected() {
    "$cli" render "$1" "$2" "$OUT/ref-$1-$2.png" >/dev/null 2>>"$OUT/cli.log" ||
        fail "tavir-cli render $1 $2 failed"
    VIEW_SIZE[$1]=$(identify -format '%w %h' "$OUT/ref-$1-$2.png")
    # On screen the dot structure has its title strip above and its colour options below.
    local w h
    read -r w h <<<"${VIEW_SIZE[$1]}"
    [ "$1" = dot ] && convert "$OUT/ref-dot-$2.png" -crop "${w}x125+0+20" +repage "$OUT/ref-dotband-$2.png"
    return 0
}
board_is() {
    local w h
    read -r w h <<<"${VIEW_SIZE[board]}"
    crop "$OUT/board.png" "$BOARD_X" "$BOARD_Y" "$w" "$h"
    [ "$(pixels_differing "$OUT/board.png" "$OUT/ref-board-$1.png")" = 0 ]
}
dot_structure_is() {
    local w h
    read -r w h <<<"${VIEW_SIZE[dot]}"
    crop "$OUT/dot.png" "$FDEV_X" "$((FDEV_Y + 20))" "$w" 125
    [ "$(pixels_differing "$OUT/dot.png" "$OUT/ref-dotband-$1.png")" = 0 ]
}
accepted_shown() { pixel_is "$SMILE_X" "$SMILE_Y" "$SMILE_YELLOW"; }
rejected_shown() { pixel_is_not "$SMILE_X" "$SMILE_Y" "$SMILE_YELLOW"; }

drop_element() {
    local x y
    read -r x y < <(cell_centre "$2")
    drag "$((MX + PALETTE[$1]))" "$PALETTE_Y" "$x" "$y"
}

# bond_menu X Y LETTER: right click there, wait for the menu, choose the item by its letter.
bond_menu() {
    local before
    before=$(popup_count)
    click_at "$1" "$2" 3
    wait_for 5 "the bond menu" more_windows_than "$before"
    key "$3"
    wait_for 5 "the bond menu to close" windows_back_to "$before"
}

# menu_item SHORTCUT N: opens a button's popup menu with its shortcut and takes item N.
menu_item() {
    local before i
    before=$(popup_count)
    key "$1"
    wait_for 5 "the menu of $1" more_windows_than "$before"
    for ((i = 0; i < $2; i++)); do key Down; done
    key Return
    wait_for 5 "the menu of $1 to close" windows_back_to "$before"
}

selection_is() { [ "$(xclip -selection primary -o 2>/dev/null)" = "$1" ]; }

# Construction strings: cell codes of cells 0..11, then the orders of slots 1..11.
EMPTY=22222222222222222222222
OXYGEN=52222222222222222222222       # O on 0
WATER=54222222242232222222322        # O on 0, H on 1 and 9, two single bonds
COO=35222225222232222232222          # C on 0, O on 1 and 7, single bonds
CO2_HALF=35222225222232222242222     # the same with slot 7 double
CO2=35222225222242222242222          # both double: carbon dioxide
NITROGEN=62222222222222222222222     # N on 0
for c in "$EMPTY" "$OXYGEN" "$WATER" "$COO" "$CO2_HALF" "$CO2" "$NITROGEN"; do draw_expected board "$c"; done
for c in "$WATER" "$CO2"; do draw_expected dot "$c"; done

# With no window manager nobody gives the keyboard back when a dialog closes: the pupil
# clicks on the window's own background.
activate_main() {
    click_at "$((MX + 600))" "$((MY + 580))"
    wait_for 5 "the keyboard focus on the main window" focused "$MAIN"
}

# open_window SHORTCUT TITLE WHAT: the shortcut opens a window; waits for it and its keyboard
# focus, then sets WIN to its id and WX, WY to its origin.
open_window() {
    key "$1"
    wait_for 10 "$3" window_shown "$2"
    WIN=$(window_named "$2")
    read -r WX WY < <(window_origin "$WIN")
    wait_for 5 "the keyboard focus on $3" focused "$WIN"
}
SAVE_TITLE='^Enregistrer les constructions$'

step "the program starts on an empty board, construction 1"
activate_main
title_is "$MAIN" "Tavir" || fail "caption is \"$(title_of "$MAIN")\", not \"Tavir\""
wait_for 10 "an empty board" board_is "$EMPTY"

step "water: oxygen, then two hydrogens dragged from the palette"
drop_element O 0
wait_for 5 "the oxygen on cell 0" board_is "$OXYGEN"
drop_element H 1
drop_element H 9
wait_for 5 "water on the board" board_is "$WATER"
wait_for 5 "the accepted indicator" accepted_shown
wait_for 5 "the dot structure of water" dot_structure_is "$WATER"

step "construction 2 through the selector"
select_construction 2
wait_for 5 "construction 2, empty" board_is "$EMPTY"

step "carbon dioxide: carbon, then two oxygens"
drop_element C 0
drop_element O 1
drop_element O 7
wait_for 5 "C-O-O with single bonds" board_is "$COO"
wait_for 5 "the rejected state" rejected_shown

step "bond menu: both bonds made double"
read -r x y < <(cell_centre 7)
bond_menu "$x" "$y" d                       # slot 7: the peripheral oxygen
wait_for 5 "slot 7 double" board_is "$CO2_HALF"
read -r x y < <(cell_centre 1)
bond_menu "$((x - 10))" "$y" d              # slot 1: left third of centre 1
wait_for 5 "carbon dioxide on the board" board_is "$CO2"
wait_for 5 "the accepted indicator" accepted_shown
wait_for 5 "the dot structure of carbon dioxide" dot_structure_is "$CO2"

step "undo (Annule&r) takes back the last bond, undo again restores it"
key alt+r
wait_for 5 "slot 1 single again" board_is "$CO2_HALF"
wait_for 5 "the rejected state" rejected_shown
key alt+r
wait_for 5 "carbon dioxide again" board_is "$CO2"
wait_for 5 "the accepted indicator" accepted_shown

step "switching constructions keeps both"
select_construction 1
wait_for 5 "water on construction 1" board_is "$WATER"
select_construction 2
wait_for 5 "carbon dioxide on construction 2" board_is "$CO2"

step "save the series (&Enregistrer)"
series=$HOME/series/lecon.C01
open_window alt+e "$SAVE_TITLE" "the save dialog"
xdotool type --delay 5 "$HOME/series/lecon"
key ctrl+a
wait_for 5 "the name box to read $HOME/series/lecon" selection_is "$HOME/series/lecon"
key Return
wait_for 10 "the save dialog to close" window_gone "$SAVE_TITLE"
activate_main
wait_for 5 "the caption with the file" title_is "$MAIN" "Tavir - $series"
[ -f "$series" ] || fail "no file $series"
dump=$("$cli" series dump "$series") || fail "tavir-cli cannot read the saved series"
expected_dump="{\"constructions\":[\"$WATER\",\"$CO2\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]}"
[ "$(tr -d ' \n' <<<"$dump")" = "$expected_dump" ] || fail "saved series is $dump"
for pair in "$WATER:H2O" "$CO2:CO2"; do
    analysis=$("$cli" analyse "${pair%%:*}")
    if ! grep -q "\"accepted\": *true" <<<"$analysis" || ! grep -q "\"formula\": *\"${pair##*:}\"" <<<"$analysis"; then
        fail "the saved ${pair##*:} does not analyse as an accepted ${pair##*:}: $analysis"
    fi
done

step "clear the whole series (&Nouveau, second item)"
menu_item alt+n 2
wait_for 5 "an empty board" board_is "$EMPTY"
select_construction 1
wait_for 5 "construction 1 emptied too" board_is "$EMPTY"

step "open the series back: the cleared series asked about first (&Ne pas enregistrer), then &Ouvrir"
open_window alt+o '^Série modifiée$' "the series question"
key alt+n
wait_for 10 "the open dialog" window_shown '^Ouvrir une série de constructions$'
WIN=$(window_named '^Ouvrir une série de constructions$')
read -r WX WY < <(window_origin "$WIN")
wait_for 5 "the keyboard focus on the open dialog" focused "$WIN"
ox=$WX oy=$WY
# The file list (`File1`, at 215,26 in the dialog) lists the series folder: one file.
xdotool mousemove "$((ox + 260))" "$((oy + 36))"
xdotool mousemove "$((ox + 262))" "$((oy + 37))" click --repeat 2 --delay 80 1
wait_for 10 "the open dialog to close" window_gone '^Ouvrir une série de constructions$'
activate_main
wait_for 5 "water back on construction 1" board_is "$WATER"
title_is "$MAIN" "Tavir - $series" || fail "caption is \"$(title_of "$MAIN")\""
select_construction 2
wait_for 5 "carbon dioxide back on construction 2" board_is "$CO2"

step "nitrogen on construction 3, saved over the same file: Non, then Oui"
select_construction 3
wait_for 5 "construction 3, empty" board_is "$EMPTY"
drop_element N 0
wait_for 5 "the nitrogen on cell 0" board_is "$NITROGEN"
inode=$(stat -c %i "$series")
open_window alt+e "$SAVE_TITLE" "the save dialog"
key ctrl+a
wait_for 5 "the name box to propose lecon.C01" selection_is "lecon.C01"
sx=$WX sy=$WY
key Return                                  # in the name box
overwrite='^Ce fichier existe d'
wait_for 10 "the overwrite question" window_shown "$overwrite"
wait_for 5 "the keyboard focus on the question" focused "$(window_named "$overwrite")"
key Escape                                  # "Non", the box's only refusing button
wait_for 5 "the overwrite question to close" window_gone "$overwrite"
window_shown "$SAVE_TITLE" || fail "Non closed the save dialog"
[ "$(stat -c %i "$series")" = "$inode" ] || fail "Non still replaced the file"
click_at "$((sx + 261))" "$((sy + 251))"    # "ENREGISTRER" again
wait_for 10 "the overwrite question" window_shown "$overwrite"
wait_for 5 "the keyboard focus on the question" focused "$(window_named "$overwrite")"
key Return                                  # "Oui", the default button
wait_for 10 "the save dialog to close" window_gone "$SAVE_TITLE"
activate_main
[ "$(stat -c %i "$series")" != "$inode" ] || fail "Oui did not replace the file"
dump=$("$cli" series dump "$series") || fail "tavir-cli cannot read the saved series"
expected_dump="{\"constructions\":[\"$WATER\",\"$CO2\",\"$NITROGEN\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]}"
[ "$(tr -d ' \n' <<<"$dump")" = "$expected_dump" ] || fail "saved series is $dump"
select_construction 2
wait_for 5 "carbon dioxide on construction 2" board_is "$CO2"

step "copy the dot structure (Co&pier, La représentation de Tavir) and read the clipboard"
menu_item alt+p 2
clipboard_bitmap() {
    xclip -selection clipboard -t image/bmp -o >"$OUT/clipboard.bmp" 2>/dev/null && [ -s "$OUT/clipboard.bmp" ]
}
wait_for 5 "a picture on the clipboard" clipboard_bitmap
# Every bitmap type is the picture four times larger, cropped to the drawing and its margin.
xclip -selection clipboard -t image/png -o >"$OUT/clipboard.png" 2>/dev/null || fail "no PNG on the clipboard"
size=$(identify -format '%w %h' "$OUT/clipboard.bmp")
large=$(identify -format '%w %h' "$OUT/clipboard.png")
[ "$size" = "$large" ] || fail "the clipboard BMP is $size but its PNG $large"
read -r w h <<<"$size"
read -r dot_w dot_h <<<"${VIEW_SIZE[dot]}"
[ $((w % 4)) = 0 ] && [ $((h % 4)) = 0 ] && [ "$w" -lt $((4 * dot_w)) ] && [ "$h" -lt $((4 * dot_h)) ] ||
    fail "the clipboard bitmap is $size, not four times a crop of ${VIEW_SIZE[dot]}"
# The companion's view four times larger holds the same drawing: the same ink once the white
# around both is trimmed.
"$cli" render dot "$CO2" "$OUT/ref-dot4-$CO2.png" --scale 4 >/dev/null 2>>"$OUT/cli.log" ||
    fail "tavir-cli render dot --scale 4 failed"
convert "$OUT/ref-dot4-$CO2.png" -trim +repage "$OUT/ref-dot4-trimmed.png"
convert "$OUT/clipboard.bmp" -trim +repage "$OUT/clipboard-trimmed.png"
[ "$(identify -format '%w %h' "$OUT/clipboard-trimmed.png")" = "$(identify -format '%w %h' "$OUT/ref-dot4-trimmed.png")" ] ||
    fail "the clipboard's drawing is not as large as the dot structure of CO2"
differing=$(pixels_differing "$OUT/clipboard-trimmed.png" "$OUT/ref-dot4-trimmed.png")
[ "$differing" = 0 ] || fail "the clipboard bitmap differs from the dot structure of CO2 in $differing pixels"
xclip -selection clipboard -t image/svg+xml -o >"$OUT/clipboard.svg" 2>/dev/null || fail "no SVG on the clipboard"
grep -q "<svg" "$OUT/clipboard.svg" || fail "the clipboard SVG is not an SVG drawing"

step "keyboard only: water on construction 4 (arrows, O, H), Suppr, then undo"
select_construction 4
wait_for 5 "construction 4, empty" board_is "$EMPTY"
read -r x y < <(cell_centre 0)
click_at "$x" "$y"                          # an empty cell: the keys act from there
key o Right h Left Up h
# The focus frame, light blue, is drawn on the left edge of cell 9 where the keys ended.
FRAME_BLUE=0,0,255
wait_for 5 "the focus frame on cell 9" pixel_is "$((BOARD_X + 32))" "$((BOARD_Y + 16))" "$FRAME_BLUE"
wait_for 5 "the accepted indicator" accepted_shown
key Delete
wait_for 5 "the hydrogen of cell 9 removed" rejected_shown
key alt+r
wait_for 5 "the accepted indicator after undo" accepted_shown
read -r x y < <(cell_centre 4)
click_at "$x" "$y"                          # a click hides the frame until the next key
wait_for 5 "water, as built with the mouse" board_is "$WATER"

step "calculator (&Calculatrice): 2 cos 60 + 10"
open_window alt+c '^Machine' "the calculator"
CALC=$WIN cx=$WX cy=$WY
# The display line `z1` (10,10 282 x 34): the mouse selects it, the X selection reads it.
display_reads() {
    xdotool mousemove "$((cx + 288))" "$((cy + 27))" mousedown 1
    glide "$((cx + 12))" "$((cy + 27))" 6
    xdotool mouseup 1
    [ "$(xclip -selection primary -o 2>/dev/null)" = "$1" ]
}
xdotool type 2
wait_for 5 "the display to read \"2\"" display_reads "2"
# "&COS" through its shortcut: the button clicks itself a moment later, so wait for it.
key alt+c
wait_for 5 "the display to read \"2 * cos \"" display_reads "2 * cos "
xdotool type '60+10'
wait_for 5 "the display to read \"2 * cos 60 + 10\"" display_reads "2 * cos 60 + 10"
key Return
wait_for 10 "the display to read \" 11\"" display_reads " 11"
expected=$("$cli" eval "2 * cos 60 + 10")
grep -q '"display": *" 11"' <<<"$expected" || fail "the evaluator says $expected"
python3 "$here/close_window.py" "$CALC" || fail "cannot ask the calculator to close"
wait_for 10 "the calculator to close" window_gone '^Machine'
activate_main

step "guided tour (Exercices, Prise en main)"
tour_series=$tmp/prefix/share/tavir/exercices/prise-en-main/enonce.C01
crop "$OUT/intro.png" "$((MX + 430))" "$((MY + 340))" 330 190
btexo_x=$((MX + 472)) btexo_y=$((MY + 321))
# Construction 4 changed since the save: the tour's series would replace it, so it is asked
# about first. Annuler keeps everything; then "Ne pas enregistrer" lets the tour in.
for answer in Escape alt+n; do
    before=$(popup_count)
    click_at "$btexo_x" "$btexo_y"
    wait_for 5 "the exercise menu" more_windows_than "$before"
    key Down Return
    wait_for 10 "the series question" window_shown '^Série modifiée$'
    wait_for 5 "the keyboard focus on the series question" focused "$(window_named '^Série modifiée$')"
    key "$answer"
    wait_for 5 "the series question to close" window_gone '^Série modifiée$'
    activate_main
    if [ "$answer" = Escape ]; then
        title_is "$MAIN" "Tavir - $series" || fail "Annuler changed the caption to \"$(title_of "$MAIN")\""
        crop "$OUT/kept.png" "$((MX + 430))" "$((MY + 340))" 330 190
        [ "$(pixels_differing "$OUT/intro.png" "$OUT/kept.png")" -lt 50 ] || fail "Annuler did not keep the introduction"
    fi
done
wait_for 10 "the caption of the tour's series" title_is "$MAIN" "Tavir - $tour_series"
tour_first=$("$cli" series dump "$tour_series" | sed -n 's/.*"constructions": *\["\([2-7]*\)".*/\1/p')
[ -n "$tour_first" ] || fail "the tour's series has no first construction"
draw_expected board "$tour_first"
wait_for 5 "the tour's first construction" board_is "$tour_first"
crop "$OUT/tour.png" "$((MX + 430))" "$((MY + 340))" 330 190
[ "$(pixels_differing "$OUT/intro.png" "$OUT/tour.png")" -gt 500 ] || fail "the text area still shows the introduction"

step "type in the tour's text, then close: Annuler keeps the window"
click_at "$((MX + 600))" "$((MY + 440))"
xdotool type --delay 10 "Bilan de la seance"
key alt+f
wait_for 10 "the discard question" window_shown '^Abandon des donn'
wait_for 5 "the keyboard focus on the question" focused "$(window_named '^Abandon des donn')"
key Escape
wait_for 5 "the discard question to close" window_gone '^Abandon des donn'
activate_main
window_shown '^Fermer$' && fail "Annuler to the first question still asked the second"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after Annuler"

step "close again: OK to both questions ends the program"
key alt+f
wait_for 10 "the discard question" window_shown '^Abandon des donn'
wait_for 5 "the keyboard focus on the question" focused "$(window_named '^Abandon des donn')"
key Return
wait_for 10 "the closing question" window_shown '^Fermer$'
wait_for 5 "the keyboard focus on the question" focused "$(window_named '^Fermer$')"
key Return
app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
wait_for 10 "the program to end" app_ended
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" = 0 ] || fail "tavir ended with status $status"

step "done"
rm -f "$OUT"/*.png
echo "pupil session: every step passed"
