#!/usr/bin/env bash
# Start-up and single-instance run, the way a person meets them: the installer opens one
# borderless window in the middle of the screen; a second copy started meanwhile ends at once
# with exit code 0 and opens nothing, leaving the first alone; Escape closes the window and the
# program ends with 0; once it is gone a new copy starts normally, and closing its window the
# way the system does (WM_CLOSE) ends it with 0 as well. Arguments on the command line change
# nothing.
#   startup_test.sh <VornKessaSetup64.exe> <probe.exe> <work folder>
# The harness sets the results of its calls into variables named by the caller.
# shellcheck disable=SC2154
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init startup "$@"

kSingleInstanceMutex=" "
kWindowLimitMs=20000  # the first start in a fresh prefix also loads Wine's GUI parts
kExitLimitMs=10000

# --- the first copy opens its window ----------------------------------------------------------
e2e_start_installer first
started=$(e2e_now_ms)
e2e_wait_window "$kWindowLimitMs"
windowMs=$(($(e2e_now_ms) - started))
e2e_log "window $E2E_WINDOW at ($E2E_WINDOW_LEFT,$E2E_WINDOW_TOP)-($E2E_WINDOW_RIGHT,$E2E_WINDOW_BOTTOM), Windows pid $E2E_WINDOW_PID, after $windowMs ms"
window=$E2E_WINDOW
e2e_expect_eq "$(e2e_count_windows)" 1 "installer windows"

# A borderless popup: the client area is the whole window. The template centres it on the
# screen (Xvfb has no task bar, so the work area is the screen).
e2e_rect "$window" main
e2e_expect_eq "$main_CLIENT_LEFT,$main_CLIENT_TOP,$main_CLIENT_RIGHT,$main_CLIENT_BOTTOM" \
  "$main_LEFT,$main_TOP,$main_RIGHT,$main_BOTTOM" "client area = window (no caption, no border)"
centreX=$(((main_LEFT + main_RIGHT) / 2))
centreY=$(((main_TOP + main_BOTTOM) / 2))
((centreX - E2E_SCREEN_WIDTH / 2 <= 1 && E2E_SCREEN_WIDTH / 2 - centreX <= 1)) ||
  e2e_fail "window not centred across: centre x $centreX on a $E2E_SCREEN_WIDTH-pixel screen"
((centreY - E2E_SCREEN_HEIGHT / 2 <= 1 && E2E_SCREEN_HEIGHT / 2 - centreY <= 1)) ||
  e2e_fail "window not centred down: centre y $centreY on a $E2E_SCREEN_HEIGHT-pixel screen"
e2e_log "ok: window centred at ($centreX,$centreY)"

# The folder list is there and is a drop-down list.
items=$(e2e_combo_items "$window")
e2e_expect_eq "$(sed -n 's/^class //p' <<<"$items")" ComboBox "class of the folder list"
e2e_log "folder list: $(tr '\n' ';' <<<"$items")"

e2e_probe has-mutex "$kSingleInstanceMutex" >/dev/null ||
  e2e_fail "the single-instance mutex does not exist while the window is open"
e2e_log "ok: single-instance mutex held"

e2e_screenshot startup-window
e2e_expect_drawn "$main_LEFT" "$main_TOP" "$main_RIGHT" "$main_BOTTOM"

# --- a second copy ends at once ----------------------------------------------------------------
e2e_start_installer second
e2e_wait_exit "$second" "$kExitLimitMs" secondCode secondMs
e2e_expect_eq "$secondCode" 0 "exit code of the second copy"
e2e_log "second copy ended after $secondMs ms"
e2e_expect_eq "$(e2e_count_windows)" 1 "installer windows after the second copy"
e2e_wait_window 0
e2e_expect_eq "$E2E_WINDOW" "$window" "the open window is still the first copy's"
e2e_is_running "$first" || e2e_fail "the first copy ended when the second started"

# --- Escape closes the window; the program ends with 0 ---------------------------------------
# The key goes to the window under the pointer: a corner of the window, away from any control.
e2e_key $((main_LEFT + 2)) $((main_TOP + 2)) Escape
e2e_wait_exit "$first" "$kExitLimitMs" firstCode closeMs
e2e_expect_eq "$firstCode" 0 "exit code after Escape"
e2e_log "first copy ended $closeMs ms after Escape"
e2e_expect_eq "$(e2e_count_windows)" 0 "installer windows after closing"
if e2e_probe has-mutex "$kSingleInstanceMutex" >/dev/null; then
  e2e_fail "the single-instance mutex outlives the program"
fi
e2e_log "ok: single-instance mutex gone"

# --- with the first copy gone, a new copy runs again; arguments change nothing -----------------
e2e_start_installer third /S /D=C:\\Elsewhere --help
e2e_wait_window "$kWindowLimitMs"
e2e_expect_eq "$(e2e_count_windows)" 1 "installer windows of the new copy (started with arguments)"
e2e_rect "$E2E_WINDOW" again
e2e_expect_eq "$again_LEFT,$again_TOP,$again_RIGHT,$again_BOTTOM" \
  "$main_LEFT,$main_TOP,$main_RIGHT,$main_BOTTOM" "window of a copy started with arguments"
e2e_probe close "$E2E_WINDOW" close >/dev/null || e2e_fail "could not send WM_CLOSE"
e2e_wait_exit "$third" "$kExitLimitMs" thirdCode thirdMs
e2e_expect_eq "$thirdCode" 0 "exit code after WM_CLOSE"
e2e_log "new copy ended $thirdMs ms after WM_CLOSE"

e2e_log "timings: window after $windowMs ms; second copy ended in $secondMs ms; exit $closeMs ms after Escape, $thirdMs ms after WM_CLOSE"
