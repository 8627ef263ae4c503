#!/usr/bin/env bash
# Without a display the program says so on standard error and ends with
# status 255 (the designed -1), without a crash or a hang.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh" "${1:-}"

# expect_no_display WHAT ENV...: runs the program under env with ENV added.
expect_no_display() {
  local what=$1 status=0
  shift
  timeout -s KILL 10 env -u WAYLAND_DISPLAY "$@" PATH="$E2E_TMP/bin:$PATH" "$E2E_PROGRAM" \
    >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  ((status != 137)) || e2e_fail "$what: still running after 10 s"
  ((status == 255)) || e2e_fail "$what: exit status $status, expected 255 ($(cat "$E2E_TMP/err"))"
  grep -qi 'display' "$E2E_TMP/err" ||
    e2e_fail "$what: standard error does not tell of the display: $(cat "$E2E_TMP/err")"
  [[ ! -s $E2E_LAUNCHES ]] || e2e_fail "$what: something was launched: $(cat "$E2E_LAUNCHES")"
  e2e_ok "$what: status 255; standard error: $(grep -i 'display' "$E2E_TMP/err")"
}

expect_no_display "DISPLAY unset" -u DISPLAY
expect_no_display "DISPLAY=:nonexistent" DISPLAY=:nonexistent
