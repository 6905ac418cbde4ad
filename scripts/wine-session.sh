#!/usr/bin/env bash
# One Wine session for a test run: an X server of its own and a prepared Wine prefix.
#
#   wine-session.sh start <session folder> [<prefix>]
#   wine-session.sh stop  <session folder>
#
# start: stops whatever an earlier, unfinished session left in that folder, starts Xvfb on the
# first free display from :90 up, creates or refreshes the prefix (default: the session
# folder's sibling "wineprefix"), switches it to a 1024x768 virtual desktop (Wine then draws
# captions and frames itself and handles focus without a window manager) and writes
# <session folder>/session.env with DISPLAY, WINEPREFIX, XVFB_PID and the prefix's 32-bit
# system folder. stop: ends the prefix's wineserver and that Xvfb. The user's ~/.wine is never
# used: WINEPREFIX is always set explicitly.
set -euo pipefail

usage() {
  echo "usage: $0 start <session folder> [<prefix>] | stop <session folder>" >&2
  exit 2
}

[ $# -ge 2 ] || usage
action=$1
session=$(realpath -m "$2")
env_file="$session/session.env"

# Reads KEY from the session file, empty when absent.
session_value() {
  [ -f "$env_file" ] || return 0
  sed -n "s/^$1=//p" "$env_file" | tail -n 1
}

# True when PID is alive and is an Xvfb process (a recycled PID is left alone).
is_our_xvfb() {
  local pid=$1
  [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] && tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q '^[^ ]*Xvfb '
}

stop_session() {
  local prefix pid
  prefix=$(session_value WINEPREFIX)
  pid=$(session_value XVFB_PID)
  if [ -n "$prefix" ] && [ -d "$prefix" ]; then
    WINEPREFIX=$prefix WINEDEBUG=-all wineserver -k 2>/dev/null || true
  fi
  if is_our_xvfb "$pid"; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      is_our_xvfb "$pid" || break
      sleep 0.1
    done
    is_our_xvfb "$pid" && kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$env_file"
}

# Starts Xvfb on the first display from :90 whose lock file and socket are free. Another run
# may take the same number at the same moment; then that Xvfb exits and the next number is
# tried.
start_xvfb() {
  local n log
  log="$session/xvfb.log"
  for n in $(seq 90 189); do
    [ -e "/tmp/.X$n-lock" ] && continue
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$log" 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
      if ! kill -0 "$pid" 2>/dev/null; then break; fi
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        XVFB_DISPLAY=":$n"
        XVFB_PID=$pid
        return 0
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  echo "wine-session: no free X display between :90 and :189" >&2
  cat "$log" >&2 || true
  return 1
}

start_session() {
  local prefix=$1
  mkdir -p "$session" "$(dirname "$prefix")"
  stop_session
  start_xvfb

  export WINEPREFIX=$prefix WINEDEBUG=-all DISPLAY=$XVFB_DISPLAY
  # No Mono or Gecko installer dialogs: nothing here needs .NET or the HTML engine.
  local boot_log="$session/wineboot.log"
  local started=$SECONDS
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >"$boot_log" 2>&1; then
    echo "wine-session: wineboot failed for $prefix" >&2
    cat "$boot_log" >&2
    kill "$XVFB_PID" 2>/dev/null || true
    return 1
  fi
  wineserver -w
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$boot_log" 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >>"$boot_log" 2>&1
  # A crashing program ends at once instead of waiting in the crash dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >>"$boot_log" 2>&1
  wineserver -w

  local system32=$prefix/drive_c/windows/system32
  [ -d "$prefix/drive_c/windows/syswow64" ] && system32=$prefix/drive_c/windows/syswow64
  {
    echo "DISPLAY=$XVFB_DISPLAY"
    echo "WINEPREFIX=$prefix"
    echo "XVFB_PID=$XVFB_PID"
    echo "SYSTEM32=$system32"
  } >"$env_file.tmp"
  mv "$env_file.tmp" "$env_file"
  echo "wine-session: display $XVFB_DISPLAY, prefix $prefix ready in $((SECONDS - started)) s"
}

case $action in
  start) start_session "$(realpath -m "${3:-$session/../wineprefix}")" ;;
  stop) stop_session; echo "wine-session: stopped" ;;
  *) usage ;;
esac
