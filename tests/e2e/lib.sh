# Shared harness of the end-to-end scenarios: a fresh Wine prefix and a virtual display of the
# scenario's own, the installer started and watched by process id, the probe, registry
# fixtures, clicks, keys and screenshots. Sourced by each scenario script, which starts with
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_init <scenario-name> "$@"       # "$@" = <installer.exe> <probe.exe> <work folder>
#
# Every check that fails prints "FAIL: ..." and ends the script with a nonzero code; whatever
# the outcome, the Wine and Xvfb processes the scenario started are ended on exit.
set -euo pipefail

E2E_WINE=/usr/lib/wine/wine64
E2E_WINESERVER=/usr/lib/wine/wineserver
# /usr/bin/convert by its full name: another program of that name may come first on PATH.
E2E_CONVERT=/usr/bin/convert
E2E_SCREEN_WIDTH=1024
E2E_SCREEN_HEIGHT=768
# Bump when the way the template prefix is made changes, so old templates are made again.
E2E_TEMPLATE_RECIPE=1

export WINEDEBUG=-all
# Never stop to offer the Mono or Gecko installers.
export WINEDLLOVERRIDES="mscoree,mshtml="

E2E_PIDS=()      # background Wine processes still to be ended
E2E_PREFIXES=()  # prefixes whose wineserver may still run
E2E_XVFB_PID=""
E2E_NAME=${E2E_NAME:-e2e}
E2E_DIR=${E2E_DIR:-.}
E2E_T0=${EPOCHREALTIME/./}

# --- reporting ---------------------------------------------------------------------------------

e2e_now_ms() {
  local now=${EPOCHREALTIME/./}
  echo $(((now - E2E_T0) / 1000))
}

e2e_log() { printf '[%6d ms] %s\n' "$(e2e_now_ms)" "$*"; }

e2e_fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

# e2e_expect_eq <actual> <expected> <what>
e2e_expect_eq() {
  [ "$1" = "$2" ] || e2e_fail "$3: expected '$2', got '$1'"
  e2e_log "ok: $3 = $2"
}

# --- set-up and clean-up -----------------------------------------------------------------------

e2e_cleanup() {
  local status=$?
  set +e
  local pid prefix
  for pid in "${E2E_PIDS[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then
      echo "ending Wine process $pid left running" >&2
      kill "$pid" 2>/dev/null
    fi
  done
  # wineserver -k ends every process of the prefix (services, explorer, device host) and the
  # server itself; -w then waits until it is gone, so nothing writes into the prefix later.
  for prefix in "${E2E_PREFIXES[@]}"; do
    WINEPREFIX=$prefix timeout 20 "$E2E_WINESERVER" -k 2>/dev/null
    WINEPREFIX=$prefix timeout 20 "$E2E_WINESERVER" -w 2>/dev/null
  done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  if [ "$status" -eq 0 ]; then
    e2e_log "PASS ($E2E_NAME)"
  else
    echo "scenario $E2E_NAME failed (exit $status); its files are in $E2E_DIR" >&2
  fi
  exit "$status"
}

e2e_require_tools() {
  local tool
  for tool in "$E2E_WINE" "$E2E_WINESERVER" Xvfb xdotool import "$E2E_CONVERT" flock timeout; do
    command -v "$tool" >/dev/null || e2e_fail "missing tool: $tool (tools/deps.sh test)"
  done
}

# Our own X display: -displayfd lets Xvfb pick a free display number itself (no race with
# other scenarios or a desktop on :0) and writes it once the server accepts connections. The
# black root (-br) lets a screenshot tell the program's window from the empty screen.
e2e_start_display() {
  local numberFile="$E2E_DIR/display-number"
  : >"$numberFile"
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" -nolisten tcp -br \
    3>"$numberFile" >"$E2E_DIR/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  for _ in $(seq 1 100); do
    [ -s "$numberFile" ] && break
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start (see $E2E_DIR/xvfb.log)"
    sleep 0.1
  done
  [ -s "$numberFile" ] || e2e_fail "Xvfb gave no display number within 10 s"
  DISPLAY=":$(tr -dc 0-9 <"$numberFile")"
  export DISPLAY
  e2e_log "display $DISPLAY (Xvfb pid $E2E_XVFB_PID)"
}

# The template prefix is made once per work folder (wineboot takes Wine some 20 s) and again when
# Wine changes; each scenario then starts from a fresh copy of it.
e2e_prepare_template() {
  local template="$E2E_WORK/prefix-template"
  local inf=/usr/share/wine/wine.inf
  local want
  want="recipe $E2E_TEMPLATE_RECIPE; $("$E2E_WINE" --version); wine.inf $(stat -c %Y "$inf" 2>/dev/null || echo none)"
  local lock
  exec {lock}>"$E2E_WORK/prefix-template.lock"
  flock "$lock"
  if [ "$(cat "$template/.e2e-ready" 2>/dev/null)" != "$want" ]; then
    e2e_log "making the template prefix (once)"
    rm -rf "$template"
    mkdir -p "$template"
    E2E_PREFIXES+=("$template")
    WINEPREFIX=$template timeout 240 "$E2E_WINE" wineboot -i >"$E2E_WORK/wineboot.log" 2>&1 ||
      e2e_fail "wineboot failed (see $E2E_WORK/wineboot.log)"
    # Wine quirk: with no window manager on Xvfb, Wine still treats the dialog as a managed
    # window and, when it is hidden, waits 2 s for a window manager to withdraw it
    # ("wait_for_withdrawn_state ... timed out"), which delays every exit. Unmanaged windows
    # skip that wait; keyboard input still reaches them (Xvfb's focus follows the pointer).
    WINEPREFIX=$template timeout 60 "$E2E_WINE" reg add 'HKCU\Software\Wine\X11 Driver' \
      /v Managed /t REG_SZ /d N /f >>"$E2E_WORK/wineboot.log" 2>&1 ||
      e2e_fail "could not configure the template prefix (see $E2E_WORK/wineboot.log)"
    WINEPREFIX=$template timeout 60 "$E2E_WINESERVER" -w
    # Wine links the user's Documents, Desktop and similar folders to $HOME; plain folders keep
    # whatever a scenario writes inside its prefix.
    local link
    while IFS= read -r link; do
      rm "$link" && mkdir "$link"
    done < <(find "$template/drive_c/users" -type l)
    echo "$want" >"$template/.e2e-ready"
  fi
  flock -u "$lock"
  exec {lock}>&-
  E2E_TEMPLATE=$template
}

# A fresh prefix for this run. The big system folders are hard links into the template (Wine
# only reads them; the template is made again rather than updated when Wine changes); the
# registry files and everything else a run may write are real copies.
e2e_fresh_prefix() {
  E2E_PREFIX="$E2E_DIR/prefix"
  rm -rf "$E2E_PREFIX"
  mkdir -p "$E2E_PREFIX"
  local big=(drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs)
  local excludes=() dir
  for dir in "${big[@]}"; do excludes+=(--exclude="./$dir"); done
  tar -C "$E2E_TEMPLATE" "${excludes[@]}" -cf - . | tar -C "$E2E_PREFIX" -xf -
  for dir in "${big[@]}"; do
    if [ -d "$E2E_TEMPLATE/$dir" ]; then cp -al "$E2E_TEMPLATE/$dir" "$E2E_PREFIX/$dir"; fi
  done
  export WINEPREFIX=$E2E_PREFIX
  E2E_PREFIXES+=("$E2E_PREFIX")
  e2e_log "prefix $E2E_PREFIX"
}

# e2e_init <name> <installer.exe> <probe.exe> <work folder>
e2e_init() {
  [ $# -eq 4 ] || e2e_fail "usage: $0 <installer.exe> <probe.exe> <work folder>"
  E2E_NAME=$1
  E2E_INSTALLER=$(realpath "$2")
  E2E_PROBE=$(realpath "$3")
  E2E_WORK=$(realpath -m "$4")
  E2E_DIR="$E2E_WORK/$E2E_NAME"
  [ -f "$E2E_INSTALLER" ] || e2e_fail "no installer at $2"
  [ -f "$E2E_PROBE" ] || e2e_fail "no probe at $3"
  E2E_INSTALLER_RUNS=0
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  e2e_require_tools
  mkdir -p "$E2E_DIR"
  rm -f "$E2E_DIR"/*.png "$E2E_DIR"/*.log
  e2e_start_display
  e2e_prepare_template
  e2e_fresh_prefix
  # Start the prefix's wineserver and system processes now, so that the scenario's timings
  # measure the installer rather than Wine waking up.
  e2e_probe count-windows >/dev/null || e2e_fail "the probe does not run under Wine"
  e2e_log "Wine ready"
}

# --- the installer -----------------------------------------------------------------------------

# e2e_start_installer <variable> [arguments]: starts a copy in the background and stores its
# process id in <variable>. Its output goes to installer-<n>.log.
# (Locals of the functions that set a caller's variable carry a _e2e prefix, so that they never
# hide the caller's variable of the same name.)
e2e_start_installer() {
  local _e2e_var=$1
  shift
  E2E_INSTALLER_RUNS=$((E2E_INSTALLER_RUNS + 1))
  "$E2E_WINE" "$E2E_INSTALLER" "$@" >"$E2E_DIR/installer-$E2E_INSTALLER_RUNS.log" 2>&1 &
  local _e2e_pid=$!
  E2E_PIDS+=("$_e2e_pid")
  printf -v "$_e2e_var" '%s' "$_e2e_pid"
  e2e_log "started installer copy $E2E_INSTALLER_RUNS (pid $_e2e_pid)"
}

# e2e_wait_exit <pid> <limit-ms> <code-variable> [<ms-variable>]: waits for the process to
# end, at most limit-ms; stores its exit code (and how long it took). Fails on the limit.
e2e_wait_exit() {
  local _e2e_pid=$1 _e2e_limit=$2 _e2e_codeVar=$3 _e2e_msVar=${4:-}
  local _e2e_start _e2e_code=0
  _e2e_start=$(e2e_now_ms)
  while kill -0 "$_e2e_pid" 2>/dev/null; do
    (($(e2e_now_ms) - _e2e_start < _e2e_limit)) ||
      e2e_fail "process $_e2e_pid still runs after $_e2e_limit ms"
    sleep 0.05
  done
  wait "$_e2e_pid" || _e2e_code=$?
  printf -v "$_e2e_codeVar" '%s' "$_e2e_code"
  [ -z "$_e2e_msVar" ] || printf -v "$_e2e_msVar" '%s' "$(($(e2e_now_ms) - _e2e_start))"
}

e2e_is_running() { kill -0 "$1" 2>/dev/null; }

# --- the probe ---------------------------------------------------------------------------------

# e2e_probe <subcommand> [arguments]: the probe's output on stdout, its exit code returned.
# Bounded, so a probe that cannot finish fails the scenario instead of hanging it.
e2e_probe() {
  local out code=0
  out=$(timeout 60 "$E2E_WINE" "$E2E_PROBE" "$@") || code=$?
  # Wine's console may still turn line ends into CR LF; the scripts compare plain text.
  [ -z "$out" ] || printf '%s\n' "${out//$'\r'/}"
  return "$code"
}

# e2e_wait_window <timeout-ms>: waits for the installer's window and sets E2E_WINDOW (handle),
# E2E_WINDOW_LEFT/TOP/RIGHT/BOTTOM (screen pixels) and E2E_WINDOW_PID (Windows process id).
e2e_wait_window() {
  local line
  line=$(e2e_probe wait-window "$1") || e2e_fail "no installer window within $1 ms"
  # shellcheck disable=SC2034  # read by the scenarios
  read -r E2E_WINDOW E2E_WINDOW_LEFT E2E_WINDOW_TOP E2E_WINDOW_RIGHT E2E_WINDOW_BOTTOM \
    E2E_WINDOW_PID <<<"$line"
  [ -n "$E2E_WINDOW_PID" ] || e2e_fail "the probe gave no window: '$line'"
}

e2e_count_windows() {
  e2e_probe count-windows || e2e_fail "the probe could not count windows"
}

# e2e_rect <hwnd> [control-id] <prefix>: sets <prefix>_LEFT/TOP/RIGHT/BOTTOM for the window
# rectangle and <prefix>_CLIENT_LEFT/... for the client area, all in screen pixels.
e2e_rect() {
  local _e2e_hwnd=$1 _e2e_out
  local _e2e_var=${!#}
  local _e2e_control=()
  [ $# -eq 3 ] && _e2e_control=("$2")
  _e2e_out=$(e2e_probe rect "$_e2e_hwnd" "${_e2e_control[@]}") ||
    e2e_fail "no rectangle for $_e2e_hwnd ${_e2e_control[*]}"
  local _e2e_kind _e2e_l _e2e_t _e2e_r _e2e_b _e2e_name
  while read -r _e2e_kind _e2e_l _e2e_t _e2e_r _e2e_b; do
    case $_e2e_kind in
      window) _e2e_name=$_e2e_var ;;
      client) _e2e_name=${_e2e_var}_CLIENT ;;
      *) continue ;;
    esac
    printf -v "${_e2e_name}_LEFT" %s "$_e2e_l"
    printf -v "${_e2e_name}_TOP" %s "$_e2e_t"
    printf -v "${_e2e_name}_RIGHT" %s "$_e2e_r"
    printf -v "${_e2e_name}_BOTTOM" %s "$_e2e_b"
  done <<<"$_e2e_out"
}

# e2e_combo_items <hwnd>: the folder list as the probe reads it ("class", "count", "selected",
# then "item <index> <text>" lines).
e2e_combo_items() {
  e2e_probe combo-items "$1" || e2e_fail "the folder list of $1 cannot be read"
}

# --- fixtures and input ------------------------------------------------------------------------

# e2e_reg_add <key> [reg add options]: a registry fixture in the scenario's prefix, e.g.
#   e2e_reg_add 'HKLM\Software\Maker\App' /v Path /t REG_SZ /d 'C:\App' /reg:32
e2e_reg_add() {
  timeout 60 "$E2E_WINE" reg add "$@" /f >>"$E2E_DIR/fixtures.log" 2>&1 ||
    e2e_fail "reg add $* failed (see $E2E_DIR/fixtures.log)"
}

# e2e_click <x> <y>: a left click at screen pixels, through XTEST as from a real mouse (Wine
# opens the drop-down list of the folder list on such a click).
e2e_click() {
  xdotool mousemove "$1" "$2" click 1 || e2e_fail "xdotool could not click at $1,$2"
}

# e2e_key <x> <y> <key>: a key press on the window under (x, y). Without a window manager the
# keyboard focus follows the pointer, so the pointer goes there first.
e2e_key() {
  xdotool mousemove "$1" "$2" key "$3" || e2e_fail "xdotool could not press $3"
}

# e2e_screenshot <name>: the whole screen into <work>/<scenario>/<name>.png; sets E2E_SHOT.
e2e_screenshot() {
  E2E_SHOT="$E2E_DIR/$1.png"
  import -window root "$E2E_SHOT" || e2e_fail "screenshot $1 failed"
  e2e_log "screenshot $E2E_SHOT"
}

# e2e_pixel <x> <y>: the colour of the last screenshot at (x, y), as "srgb(r,g,b)".
e2e_pixel() {
  "$E2E_CONVERT" "$E2E_SHOT" -format "%[pixel:p{$1,$2}]" info:
}

# e2e_expect_drawn <left> <top> <right> <bottom>: the area of the last screenshot is not the
# empty black screen, so the window really is on the display, not only known to Wine.
e2e_expect_drawn() {
  local w=$(($3 - $1)) h=$(($4 - $2)) max
  max=$("$E2E_CONVERT" "$E2E_SHOT" -crop "${w}x${h}+$1+$2" +repage -format '%[fx:maxima]' info:) ||
    e2e_fail "cannot read the screenshot"
  [ "$max" != 0 ] || e2e_fail "the window's area ($1,$2)-($3,$4) is empty on the screen"
  e2e_log "ok: the window's area is drawn on the screen"
}
