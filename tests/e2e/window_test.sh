#!/usr/bin/env bash
# The main window as the window system sees it, and the user's first sight of it.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" "${1:-}"

# The client area's place for a screen: the outer frame centred, then the
# classic 3-pixel frame and 22-pixel title bar.
expect_centred() {
  local screen_w=$1 screen_h=$2
  local x=$(((screen_w - 686) / 2 + 3)) y=$(((screen_h - 555) / 2 + 25))
  [[ $E2E_WIN_X == "$x" && $E2E_WIN_Y == "$y" ]] ||
    e2e_fail "on a ${screen_w}x$screen_h screen the client area is at ($E2E_WIN_X, $E2E_WIN_Y), expected ($x, $y)"
  e2e_ok "centred on a ${screen_w}x$screen_h screen: client area at ($x, $y)"
}

# --- what the window system reports ---------------------------------------------
e2e_start_xvfb 1024x768
e2e_start_program
expect_centred 1024 768

size=$(xwininfo -id "$E2E_MAIN" | sed -n 's/^ *Width: *\([0-9]*\)$/\1/p; s/^ *Height: *\([0-9]*\)$/x\1/p' | tr -d '\n')
[[ $size == 680x527 ]] || e2e_fail "client area $size, expected 680x527"
e2e_ok "client area 680x527"

title=$(e2e_title "$E2E_MAIN")
[[ $title == "$E2E_TITLE" ]] || e2e_fail "title \"$title\", expected \"$E2E_TITLE\""
e2e_ok "title \"$title\""

hints=$(xprop -id "$E2E_MAIN" WM_NORMAL_HINTS)
if ! grep -q 'minimum size: 680 by 527$' <<<"$hints" || ! grep -q 'maximum size: 680 by 527$' <<<"$hints"; then
  e2e_fail "size hints do not fix the size at 680x527: $hints"
fi
e2e_ok "size hints: minimum = maximum = 680x527"

# Its fields: flags, functions, decorations, input mode, status.
motif=$(xprop -id "$E2E_MAIN" _MOTIF_WM_HINTS | sed -n 's/^_MOTIF_WM_HINTS([A-Z_]*) = //p')
[[ -n $motif ]] || e2e_fail "no _MOTIF_WM_HINTS on the window"
IFS=', ' read -r flags functions decorations _ <<<"$motif"
((flags & 1 && flags & 2)) || e2e_fail "_MOTIF_WM_HINTS ($motif) does not give both functions and decorations"
# Functions: all 0x1, resize 0x2, move 0x4, minimize 0x8, maximize 0x10, close 0x20.
((functions & 0x4 && functions & 0x20 && !(functions & (0x1 | 0x2 | 0x8 | 0x10)))) ||
  e2e_fail "_MOTIF_WM_HINTS functions $functions: expected move and close only"
# Decorations: all 0x1, resize handles 0x4, title 0x8, menu 0x10, minimize 0x20, maximize 0x40.
((decorations & 0x8 && decorations & 0x10 && !(decorations & (0x1 | 0x4 | 0x20 | 0x40)))) ||
  e2e_fail "_MOTIF_WM_HINTS decorations $decorations: expected a title and a menu, no resize, minimize or maximize"
e2e_ok "_MOTIF_WM_HINTS ($motif): move and close, title and menu; no resize, minimize or maximize"

icon=$(xprop -id "$E2E_MAIN" _NET_WM_ICON)
grep -q 'Icon (32 x 32)' <<<"$icon" || e2e_fail "no 32x32 image in _NET_WM_ICON"
e2e_ok "_NET_WM_ICON holds a 32x32 icon"

e2e_poll 10 e2e_focused_on "$E2E_MAIN" || e2e_fail "the window was not activated (focus on $(xdotool getwindowfocus))"
e2e_ok "the window has the keyboard focus"

# --- first sight ----------------------------------------------------------------------
shot=$E2E_TMP/first.png
e2e_shot "$shot"
e2e_keep_shot "$shot" covered

# The instructions begin with a line break: their first line shows only the label's green.
for spot in "20 284" "320 286"; do
  read -r x y <<<"$spot"
  pixel=$(e2e_pixel "$shot" "$x" "$y")
  [[ $pixel == "0 255 0" ]] || e2e_fail "instructions label at ($x, $y) is ($pixel), expected green (0 255 0)"
done
e2e_ok "instructions label green (0, 255, 0)"

pixel=$(e2e_pixel "$shot" 344 260)
[[ $pixel == "255 255 255" ]] || e2e_fail "window background at (344, 260) is ($pixel), expected white"
e2e_ok "window background white"

# Grid numbers: the labels of cells 00 (bottom right), 99 (top left) and 45.
for cell in 0 99 45; do
  x=$((598 - 58 * (cell / 20))) y=$((473 - 24 * (cell % 20)))
  exact=$(e2e_count "$shot" $x $y 25 25 'r == 128 && g == 0 && b == 0')
  near=$(e2e_count "$shot" $x $y 25 25 "$E2E_DARK_RED")
  ((exact >= 5 && near >= 20)) ||
    e2e_fail "cell $cell's number: $exact pixels of (128, 0, 0) and $near dark red ones at ($x, $y) 25x25"
done
e2e_ok "grid numbers dark red (128, 0, 0)"

# The right borders of the rightmost column run down x 646: black under the
# grid, white if the hint label were shown over it.
black=$(e2e_count "$shot" 646 17 1 481 'r == 0 && g == 0 && b == 0')
((black == 481)) || e2e_fail "only $black of the 481 pixels of the grid's right border are black: is the hint label shown?"
e2e_ok "hint label not shown: the grid's right border is black"

retry=$(e2e_count "$shot" 125 233 88 40 "$E2E_NOT_WHITE")
((retry == 0)) || e2e_fail "$retry pixels of the retry button's box are not white: is the button shown?"
e2e_ok "retry button not shown: its box is white"

state=$(e2e_state "$shot")
[[ $state == covered ]] || e2e_fail "first sight: $state"
e2e_ok "ball shown over the caption and the answer box"

# The ball animates on its own: its two frames alternate every 500 ms.
ball_pixels() { e2e_shot "$E2E_TMP/ball.png" && e2e_pixels "$E2E_TMP/ball.png" 77 9 176 216 | md5sum; }
first_frame=$(ball_pixels)
ball_changed() { [[ $(ball_pixels) != "$first_frame" ]]; }
e2e_poll 5 ball_changed || e2e_fail "the ball's picture did not change within 5 s: no animation"
e2e_ok "the ball animates"

# The hand: 32x32, white with a black outline, its hot spot at the finger tip (6, 1).
cursor_kind() {
  local w h x y white black
  read -r w h x y white black <<<"$(e2e_xprobe cursor)" || return 1
  if ((w == 32 && h == 32 && x == 6 && y == 1 && white > 0 && black > 0)); then echo hand; else echo other; fi
}
cursor_is() { [[ $(cursor_kind) == "$1" ]]; }
# Alternating, so that each place has to change the cursor.
for place in "ball 165 117 hand" "background 344 260 other" "banner 174 463 hand" \
  "instructions 100 300 other" "hyperlink-box 287 405 hand" "grid 500 250 other"; do
  read -r name x y kind <<<"$place"
  e2e_move "$x" "$y"
  e2e_poll 5 cursor_is "$kind" ||
    e2e_fail "cursor over the $name: $(e2e_xprobe cursor) (width height hot spot, white and black pixels), expected the $kind"
done
e2e_ok "the hand cursor over the ball, the banner and the hyperlink box; another one elsewhere"

e2e_key "$E2E_MAIN" Escape
e2e_expect_exit 0 "Esc on the main window"
e2e_stop_xvfb

# --- another screen size: odd, so that the halves are truncated -----------------------
e2e_start_xvfb 1279x1023
e2e_start_program
expect_centred 1279 1023
e2e_key "$E2E_MAIN" Escape
e2e_expect_exit 0 "Esc on the main window"
