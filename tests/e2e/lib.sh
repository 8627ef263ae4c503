# shellcheck shell=bash
# Sourced by the end-to-end tests: an Xvfb of their own, the real program with
# a recording xdg-open first on PATH, window lookup, input, screenshots read
# back by pixel, and exit statuses. Coordinates given to e2e_click and to the
# pixel readers are the main window's client coordinates.
#
# Usage: source lib.sh "$1"   (the path of the program under test)
# With E2E_SHOTS naming a folder, the tests keep screenshots of the client
# area there (covered.png, revealed.png, farewell.png, and the last one of a failed wait).

[[ -n ${1:-} && -x $1 ]] || { echo "usage: bash $0 <path-to-xinglan>" >&2; exit 2; }
E2E_PROGRAM=$(realpath "$1")
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/xinglan-e2e.XXXXXX")
E2E_LAUNCHES=$E2E_TMP/launches.log
E2E_XVFB_PID=
E2E_PROGRAM_PID=
E2E_MAIN=           # the main window's X id
E2E_WIN_X=0         # its client area's place on the screen
E2E_WIN_Y=0

# shellcheck disable=SC2034 # for the tests
readonly E2E_TITLE="星澜宝镜（神奇灵犀诀）--- By 柏青岚 QQ:01234567"
readonly E2E_SITE="http://www.norvane.example"

e2e_fail() {
  echo "FAIL: $*" >&2
  echo "(in $0)" >&2
  if [[ -s $E2E_TMP/program.err ]]; then
    echo "--- the program's standard error:" >&2
    cat "$E2E_TMP/program.err" >&2
  fi
  exit 1
}
e2e_ok() {
  local ms=$(($(e2e_now_ms) - E2E_START_MS))
  printf 'ok %3d.%ds: %s\n' $((ms / 1000)) $((ms % 1000 / 100)) "$*"
}

e2e_cleanup() {
  if [[ -n $E2E_PROGRAM_PID ]]; then
    kill -9 "$E2E_PROGRAM_PID" 2>/dev/null || true
    wait "$E2E_PROGRAM_PID" 2>/dev/null || true
  fi
  if [[ -n $E2E_XVFB_PID ]]; then
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
  fi
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_now_ms() { echo $(($(date +%s%N) / 1000000)); }
E2E_START_MS=$(e2e_now_ms)

# e2e_poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails once SECONDS have passed.
e2e_poll() {
  local deadline=$(($(e2e_now_ms) + $1 * 1000))
  shift
  until "$@"; do
    (($(e2e_now_ms) < deadline)) || return 1
    sleep 0.1
  done
}

# The recording opener: one line per launch, its name and arguments separated by tabs.
mkdir -p "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/xdg-open" <<EOF
#!/bin/sh
line=\$(basename "\$0")
for word in "\$@"; do line="\$line\$(printf '\t')\$word"; done
printf '%s\n' "\$line" >>"$E2E_LAUNCHES"
EOF
chmod +x "$E2E_TMP/bin/xdg-open"

# A small X client for what the installed tools cannot do, built on first use:
#   xprobe close WINDOW: the close request a window manager sends for the close
#     button (WM_PROTOCOLS / WM_DELETE_WINDOW); this xdotool has no command for it;
#   xprobe cursor: the pointer's cursor as "width height xhot yhot white black",
#     with the counts of its opaque white and black pixels.
cat >"$E2E_TMP/xprobe.c" <<'EOF'
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int close_request(Display *display, Window window) {
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

static int cursor(Display *display) {
    XFixesCursorImage *image = XFixesGetCursorImage(display);
    if (!image) {
        fprintf(stderr, "no cursor image\n");
        return 1;
    }
    int white = 0, black = 0;
    for (int i = 0; i < image->width * image->height; i++) {
        unsigned long argb = image->pixels[i] & 0xffffffffUL;
        if (argb == 0xffffffffUL) white++;
        if (argb == 0xff000000UL) black++;
    }
    printf("%d %d %d %d %d %d\n", image->width, image->height, image->xhot, image->yhot, white, black);
    XFree(image);
    return 0;
}

int main(int argc, char **argv) {
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    int status = 2;
    if (argc == 3 && strcmp(argv[1], "close") == 0) status = close_request(display, strtoul(argv[2], NULL, 0));
    else if (argc == 2 && strcmp(argv[1], "cursor") == 0) status = cursor(display);
    else fprintf(stderr, "usage: %s close WINDOW | cursor\n", argv[0]);
    XCloseDisplay(display);
    return status;
}
EOF

e2e_xprobe() {
  if [[ ! -x $E2E_TMP/xprobe ]]; then
    cc -O -o "$E2E_TMP/xprobe" "$E2E_TMP/xprobe.c" -lXfixes -lX11 ||
      e2e_fail "cannot build the X helper (cc, libx11-dev and libxfixes-dev are needed)"
  fi
  "$E2E_TMP/xprobe" "$@"
}

# --- the X server --------------------------------------------------------------

e2e_xvfb_ready() {
  kill -0 "$E2E_XVFB_PID" 2>/dev/null && xdpyinfo >/dev/null 2>&1
}

# e2e_start_xvfb WIDTHxHEIGHT: starts Xvfb on a display number it picks
# itself (-displayfd), so that test runs side by side never share a server.
e2e_display_known() { [[ -s $E2E_TMP/display ]]; }
e2e_start_xvfb() {
  : >"$E2E_TMP/display"
  # -noreset: a server that resets when its last client leaves refuses the next one meanwhile.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  e2e_poll 10 e2e_display_known || e2e_fail "Xvfb did not start ($(cat "$E2E_TMP/xvfb.log"))"
  export DISPLAY=":$(tr -d '[:space:]' <"$E2E_TMP/display")"
  e2e_poll 10 e2e_xvfb_ready || e2e_fail "Xvfb on $DISPLAY does not answer ($(cat "$E2E_TMP/xvfb.log"))"
  echo "Xvfb $1 on $DISPLAY"
}

e2e_stop_xvfb() {
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=
}

# --- the program ---------------------------------------------------------------

# Starts the program with an empty launch log and waits for its main window
# (E2E_MAIN, E2E_WIN_X, E2E_WIN_Y) to be mapped and painted.
e2e_start_program() {
  : >"$E2E_LAUNCHES"
  PATH="$E2E_TMP/bin:$PATH" env -u WAYLAND_DISPLAY "$E2E_PROGRAM" \
    >"$E2E_TMP/program.out" 2>"$E2E_TMP/program.err" &
  E2E_PROGRAM_PID=$!
  e2e_poll 10 e2e_main_shown || e2e_fail "no window of class xinglan appeared within 10 s"
  local info
  info=$(xwininfo -id "$E2E_MAIN")
  E2E_WIN_X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  E2E_WIN_Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  e2e_poll 10 e2e_painted || e2e_fail "the window was not painted within 10 s"
}

e2e_main_shown() {
  if e2e_program_ended; then
    local status=0
    wait "$E2E_PROGRAM_PID" || status=$?
    E2E_PROGRAM_PID=
    e2e_fail "the program ended with status $status before it showed a window"
  fi
  E2E_MAIN=$(xdotool search --onlyvisible --class xinglan 2>/dev/null | head -n 1) || true
  [[ -n $E2E_MAIN ]]
}

# The instructions label's first line is empty: its green shows once the window is painted.
e2e_painted() {
  e2e_shot "$E2E_TMP/painted.png"
  [[ $(e2e_pixel "$E2E_TMP/painted.png" 20 284) == "0 255 0" ]]
}

e2e_program_ended() {
  local state
  state=$(awk '{print $3}' "/proc/$E2E_PROGRAM_PID/stat" 2>/dev/null) || return 0
  [[ $state == Z ]]
}

# e2e_expect_exit STATUS WHAT: the program ends within 10 s with exit status STATUS.
e2e_expect_exit() {
  e2e_poll 10 e2e_program_ended || e2e_fail "$2: the program still runs 10 s later"
  local status=0
  wait "$E2E_PROGRAM_PID" || status=$?
  E2E_PROGRAM_PID=
  [[ $status == "$1" ]] || e2e_fail "$2: exit status $status, expected $1"
  e2e_ok "$2: exit status $status"
}

# --- windows and input ------------------------------------------------------------

e2e_title() { xprop -id "$1" WM_NAME | sed -n 's/^WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }

e2e_focused_on() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# e2e_key WINDOW KEY: presses KEY on the real keyboard once WINDOW has the focus.
e2e_key() {
  e2e_poll 10 e2e_focused_on "$1" || e2e_fail "window $1 never got the keyboard focus"
  xdotool key "$2"
}

# e2e_move X Y, e2e_click X Y: the pointer moved to client coordinates of the
# main window, and a left click there.
e2e_move() { xdotool mousemove $((E2E_WIN_X + $1)) $((E2E_WIN_Y + $2)); }
e2e_click() { xdotool mousemove $((E2E_WIN_X + $1)) $((E2E_WIN_Y + $2)) click 1; }

e2e_close_request() { e2e_xprobe close "$1"; }

# --- screenshots and pixels ----------------------------------------------------------

e2e_shot() { import -window root "$1"; }

# e2e_crop SHOT OUT: the main window's client area of a screenshot.
e2e_crop() { convert "$1" -crop "680x527+$E2E_WIN_X+$E2E_WIN_Y" +repage "$2"; }

# e2e_pixels SHOT X Y W H: "r g b" of each pixel of the rectangle, row by row.
e2e_pixels() {
  convert "$1" -crop "$4x$5+$((E2E_WIN_X + $2))+$((E2E_WIN_Y + $3))" +repage -depth 8 rgb:- |
    od -An -v -tu1 -w3
}

e2e_pixel() { e2e_pixels "$1" "$2" "$3" 1 1 | awk '{print $1, $2, $3}'; }

# e2e_count SHOT X Y W H CONDITION: how many pixels of the rectangle meet an awk
# condition on r, g and b.
e2e_count() {
  e2e_pixels "$1" "$2" "$3" "$4" "$5" | awk "{ r = \$1; g = \$2; b = \$3 } $6 { n++ } END { print n + 0 }"
}

# Conditions for e2e_count.
# shellcheck disable=SC2034 # for the tests
readonly E2E_NOT_WHITE='!(r == 255 && g == 255 && b == 255)' \
  E2E_DARK_RED='r >= 96 && r <= 160 && g <= 40 && b <= 40'

# --- the turn's state ------------------------------------------------------------------

# e2e_state_counts SHOT: in one pass over the client area, prints
#   ball=N    pixels of the ball's box that are not white
#   answer=N  dark red pixels of the answer picture box (under the ball)
#   caption=R,G,B  the caption's gradient at its black row, left edge
#   yellow=N  yellow pixels of the caption label (its text)
#   grid=N    dark red pixels of the grid (numbers and symbols)
#   retry=N   pixels of the retry button's box that are not white
e2e_state_counts() {
  e2e_pixels "$1" 0 0 680 527 | awk '
    { i = NR - 1; x = i % 680; y = int(i / 680); r = $1; g = $2; b = $3
      white = r == 255 && g == 255 && b == 255
      darkred = r >= 96 && r <= 160 && g <= 40 && b <= 40
      if (x >= 77 && x < 253 && y >= 9 && y < 225 && !white) ball++
      if (x >= 151 && x < 176 && y >= 161 && y < 186 && darkred) answer++
      if (x == 87 && y == 89) caption = r "," g "," b
      if (x >= 87 && x < 247 && y >= 73 && y < 105 && r >= 200 && g >= 200 && b <= 80) yellow++
      if (x >= 366 && x < 647 && y >= 17 && y < 498 && darkred) grid++
      if (x >= 125 && x < 213 && y >= 233 && y < 273 && !white) retry++ }
    END { printf "ball=%d answer=%d caption=%s yellow=%d grid=%d retry=%d\n", ball, answer, caption, yellow, grid, retry }'
}

# e2e_state SHOT: "covered" (ball over the answer, full grid, no retry button),
# "revealed" (the caption, yellow on its gradient, and the answer symbol in the
# ball's place, the hint over the grid, the retry button), or the counts when
# it is neither.
e2e_state() {
  local counts pair ball answer caption yellow grid retry
  counts=$(e2e_state_counts "$1")
  for pair in $counts; do declare "$pair"; done
  if ((ball >= 15000 && grid >= 5000 && retry == 0)); then
    echo covered
  elif ((ball < 8000 && answer >= 30 && yellow >= 20 && grid == 0 && retry >= 1000)) && [[ $caption == 0,0,0 ]]; then
    echo revealed
  else
    echo "neither covered nor revealed: $counts"
  fi
}

# e2e_wait_state STATE WHAT: polls screenshots for up to 10 s until the window
# shows STATE; the last screenshot is left in $E2E_TMP/state.png.
e2e_wait_state() {
  local deadline=$(($(e2e_now_ms) + 10000)) state
  while :; do
    e2e_shot "$E2E_TMP/state.png"
    state=$(e2e_state "$E2E_TMP/state.png")
    [[ $state == "$1" ]] && return 0
    (($(e2e_now_ms) < deadline)) || break
    sleep 0.1
  done
  e2e_keep_shot "$E2E_TMP/state.png" "failed-$1"
  e2e_fail "$2: expected the $1 state, the window shows $state"
}

# e2e_keep_shot SHOT NAME: keeps the client area as $E2E_SHOTS/NAME.png when
# E2E_SHOTS names a folder.
e2e_keep_shot() {
  if [[ -n ${E2E_SHOTS:-} ]]; then
    mkdir -p "$E2E_SHOTS"
    e2e_crop "$1" "$E2E_SHOTS/$2.png"
  fi
}

# --- launches ------------------------------------------------------------------------

e2e_launch_count() { wc -l <"$E2E_LAUNCHES"; }
e2e_launches_reach() { (($(e2e_launch_count) >= $1)); }

# e2e_expect_launches N WHAT: N launches recorded (waiting up to 10 s for them),
# each of them the opener with the site's address.
e2e_expect_launches() {
  e2e_poll 10 e2e_launches_reach "$1" || true
  local expected line count=0
  expected=$(printf 'xdg-open\t%s' "$E2E_SITE")
  while IFS= read -r line; do
    count=$((count + 1))
    [[ $line == "$expected" ]] || e2e_fail "$2: launch $count was \"$line\", expected \"$expected\""
  done <"$E2E_LAUNCHES"
  ((count == $1)) || e2e_fail "$2: $count launches recorded, expected $1"
  e2e_ok "$2: $count launch(es) of xdg-open $E2E_SITE"
}
