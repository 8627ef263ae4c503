#!/usr/bin/env bash
# The trick played in the real window: reveals, retries, the farewell dismissed
# three ways, the banner and the hyperlink box, and closing at any moment.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" "${1:-}"

# Client coordinates of the controls pressed here: centres, and a spot of bare background.
readonly BALL=(165 117) RETRY=(169 253) BANNER=(174 463) LINK=(287 405) HINT=(505 250) BACKGROUND=(344 260)

reveal() {
  e2e_click "${BALL[@]}"
  e2e_wait_state revealed "$1"
}

retry() {
  e2e_click "${RETRY[@]}"
  e2e_wait_state covered "$1"
}

# The top left of cell n's picture, 23x23 inside its box's border, as "x y".
cell_inner() { echo "$((598 - 58 * ($1 / 20) + 25)) $((473 - 24 * ($1 % 20) + 1))"; }

# check_deal SHOT WHAT: the nine answer cells show one and the same picture,
# and none of the other 91 cells shows it.
# Leaves cell 09's picture in $E2E_TMP/answer_cell.png.
check_deal() {
  local verdict
  verdict=$(e2e_pixels "$1" 366 17 281 481 | awk '
    BEGIN { for (n = 9; n <= 81; n += 9) answer[n] = 1 }
    { i = NR - 1; x = 366 + i % 281; y = 17 + int(i / 281)
      c = int((645 - x) / 58); r = int((496 - y) / 24)
      x0 = 623 - 58 * c; y0 = 474 - 24 * r
      if (c < 0 || c > 4 || r < 0 || r > 19 || x < x0 || y < y0) next
      k = (y - y0) * 23 + x - x0
      value[20 * c + r, k] = $1 " " $2 " " $3 }
    # The mean difference of a channel from cell 09: 0 for the same picture
    # (every box of a size shows the same scaled pixels), 16 or more for another.
    function distance(n,   k, a, b, sum) {
      for (k = 0; k < 529; k++) {
        split(value[n, k], a, " "); split(value[9, k], b, " ")
        sum += abs(a[1] - b[1]) + abs(a[2] - b[2]) + abs(a[3] - b[3])
      }
      return sum / (3 * 529)
    }
    function abs(v) { return v < 0 ? -v : v }
    END {
      for (n = 0; n < 100; n++) {
        if ((n in answer) && distance(n) > 0) { printf "cell %02d differs from cell 09\n", n; exit }
        if (!(n in answer) && distance(n) < 16) { printf "cell %02d shows the answer picture\n", n; exit }
      }
      print "ok" }')
  [[ $verdict == ok ]] || e2e_fail "$2: $verdict"
  local x y
  read -r x y <<<"$(cell_inner 9)"
  convert "$1" -crop "23x23+$((E2E_WIN_X + x))+$((E2E_WIN_Y + y))" +repage "$E2E_TMP/answer_cell.png"
}

# check_answer SHOT WHAT: the revealed answer (25x25, unscaled) is the picture
# of the answer cells (23x23) of the same deal.
check_answer() {
  local answer=$E2E_TMP/answer.png metric distance
  convert "$1" -crop "25x25+$((E2E_WIN_X + 151))+$((E2E_WIN_Y + 161))" +repage -resize '23x23!' "$answer"
  metric=$(compare -metric RMSE "$answer" "$E2E_TMP/answer_cell.png" null: 2>&1) || true
  distance=$(sed -n 's/.*(\(.*\))/\1/p' <<<"$metric")
  awk -v d="$distance" 'BEGIN { exit !(d != "" && d < 0.1) }' ||
    e2e_fail "$2: the revealed symbol is not the answer cells' one (RMSE $metric)"
}

# A session from start through four retries to the farewell, which DISMISS
# (ok, esc or close) dismisses.
full_session() {
  local dismiss=$1 turn box title transient info x y w h
  echo "--- a full session, the farewell dismissed by $dismiss"
  e2e_start_program
  e2e_wait_state covered "first sight"
  for turn in 1 2 3 4 5; do
    if [[ $dismiss == ok ]]; then check_deal "$E2E_TMP/state.png" "deal $turn"; fi
    reveal "turn $turn, ball pressed"
    if [[ $dismiss == ok ]]; then check_answer "$E2E_TMP/state.png" "deal $turn"; fi
    if [[ $dismiss == ok && $turn == 1 ]]; then e2e_keep_shot "$E2E_TMP/state.png" revealed; fi
    ((turn == 5)) || retry "retry $turn"
  done
  e2e_ok "five deals, each covered, then revealed by the ball"
  if [[ $dismiss == ok ]]; then e2e_ok "each deal: the nine answer cells and the revealed symbol agree, no other cell shows it"; fi
  (($(e2e_launch_count) == 0)) || e2e_fail "launches before the farewell: $(cat "$E2E_LAUNCHES")"

  e2e_click "${RETRY[@]}"
  box=$(timeout 10 xdotool search --sync --onlyvisible --name '^作者的话' | head -n 1) || true
  [[ -n $box ]] || e2e_fail "no farewell box within 10 s of the fifth retry click"
  title=$(e2e_title "$box")
  [[ $title == "作者的话！" ]] || e2e_fail "farewell box titled \"$title\", expected \"作者的话！\""
  transient=$(xprop -id "$box" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
  (($(printf '%d' "$transient") == E2E_MAIN)) || e2e_fail "the farewell box is not transient for the main window"
  info=$(xwininfo -id "$box")
  x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  ((x >= E2E_WIN_X && y >= E2E_WIN_Y && x + w <= E2E_WIN_X + 680 && y + h <= E2E_WIN_Y + 527)) ||
    e2e_fail "the farewell box (${w}x$h at $x, $y) does not lie over the main window"
  e2e_ok "fifth retry click: the farewell box \"$title\", ${w}x$h over the main window"

  case $dismiss in
    ok)
      e2e_shot "$E2E_TMP/farewell.png"
      e2e_keep_shot "$E2E_TMP/farewell.png" farewell
      # The main window takes no input while the box is open: this press launches nothing.
      e2e_click "${BANNER[@]}"
      # OK sits at the bottom centre: 23 high, 12 above the bottom edge.
      xdotool mousemove $((x + w / 2)) $((y + h - 24)) click 1
      ;;
    esc) e2e_key "$box" Escape ;;
    close) e2e_close_request "$box" ;;
  esac
  e2e_expect_exit 0 "farewell dismissed by $dismiss"
  e2e_expect_launches 1 "farewell dismissed by $dismiss"
}

e2e_start_xvfb 1024x768

echo "--- the hyperlink box, then Esc before any reveal"
e2e_start_program
# link_shows CONDITION: at least 5 pixels of the hyperlink box meet the condition.
link_shows() {
  e2e_shot "$E2E_TMP/link.png" && (($(e2e_count "$E2E_TMP/link.png" 251 393 72 24 "$1") >= 5))
}
e2e_move "${BACKGROUND[@]}"
e2e_poll 10 link_shows 'r <= 40 && g <= 40 && b >= 200' || e2e_fail "the hyperlink box's caption is not blue"
e2e_move "${LINK[@]}"
e2e_poll 10 link_shows 'r >= 30 && r <= 80 && g >= 90 && g <= 130 && b >= 180' ||
  e2e_fail "the hyperlink box's caption did not take the hover colour (49, 106, 197)"
e2e_click "${LINK[@]}"
e2e_expect_launches 1 "hyperlink box pressed"
e2e_move "${BACKGROUND[@]}"
e2e_poll 10 link_shows "$E2E_DARK_RED" ||
  e2e_fail "once the site was opened, the hyperlink box's caption did not turn dark red"
e2e_ok "hyperlink box: blue, hover colour under the mouse, dark red once opened"
e2e_wait_state covered "after the hyperlink press"
e2e_key "$E2E_MAIN" Escape
e2e_expect_exit 0 "Esc before a reveal"
e2e_expect_launches 1 "hyperlink box, then Esc"

echo "--- the banner in both states, then Esc after a reveal"
# masked SHOT OUT: the client area with the animated ball blacked out.
masked() { e2e_crop "$1" "$2" && convert "$2" -fill black -draw 'rectangle 77,9 252,224' "$2"; }
# same SHOT SHOT: no pixel differs.
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
e2e_start_program
e2e_wait_state covered "first sight"
masked "$E2E_TMP/state.png" "$E2E_TMP/before.png"
e2e_click "${BANNER[@]}"
e2e_expect_launches 1 "banner pressed while covered"
e2e_shot "$E2E_TMP/banner.png"
masked "$E2E_TMP/banner.png" "$E2E_TMP/after.png"
same "$E2E_TMP/before.png" "$E2E_TMP/after.png" ||
  e2e_fail "the banner press changed the window outside the ball (compare $(compare -metric AE "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1) pixels)"
e2e_ok "banner pressed while covered: nothing else changed"
reveal "ball pressed"
e2e_crop "$E2E_TMP/state.png" "$E2E_TMP/before.png"
# Presses where the ball was and on the disabled hint label do nothing; the
# banner press after them shows when they have been handled.
e2e_click "${BALL[@]}"
e2e_click "${HINT[@]}"
e2e_click "${BANNER[@]}"
e2e_expect_launches 2 "banner pressed again, while revealed"
e2e_shot "$E2E_TMP/banner.png"
e2e_crop "$E2E_TMP/banner.png" "$E2E_TMP/after.png"
same "$E2E_TMP/before.png" "$E2E_TMP/after.png" ||
  e2e_fail "presses on the ball's place, the hint label and the banner changed the revealed window"
e2e_ok "presses on the ball's place, the hint label and the banner while revealed: nothing changed"
e2e_key "$E2E_MAIN" Escape
e2e_expect_exit 0 "Esc after a reveal"
e2e_expect_launches 2 "banner twice, then Esc"

echo "--- the keyboard: Tab, then Space on the retry button; the close request while revealed"
e2e_start_program
reveal "ball pressed"
# Before Tab no control has the focus: Space does nothing (the banner press
# after it shows when it has been handled).
e2e_key "$E2E_MAIN" space
e2e_click "${BANNER[@]}"
e2e_expect_launches 1 "Space, then the banner"
e2e_wait_state revealed "Space without the focus"
e2e_key "$E2E_MAIN" Tab
e2e_key "$E2E_MAIN" space
e2e_wait_state covered "Tab, then Space"
e2e_ok "Space alone does nothing; Tab gives the retry button the focus and Space presses it"
reveal "ball pressed again"
e2e_close_request "$E2E_MAIN"
e2e_expect_exit 0 "close request"
e2e_expect_launches 1 "close request"

full_session ok
full_session esc
full_session close
