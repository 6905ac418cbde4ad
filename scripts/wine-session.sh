#!/usr/bin/env bash
# One Wine session for a test run: an X server of its own and a fresh Wine prefix.
#
#   wine-session.sh start <session folder> [<prefix> [<desktop keeper program>]]
#   wine-session.sh stop  <session folder>
#
# start: stops whatever an earlier, unfinished session left in that folder; starts Xvfb on the
# first free display from :90 up; gives the run a fresh prefix (default: the session folder's
# sibling "wineprefix"), copied from a pristine one kept beside it ("<prefix>-pristine"), which
# the first start makes (15-30 s; again after a Wine upgrade); starts the prefix's wineserver so
# that it stays up between the test's programs; starts the desktop keeper (a Windows program that
# only waits) in a session of its own, so that the virtual desktop outlives every program a test
# starts and ends; and writes <session folder>/session.env with
# DISPLAY, WINEPREFIX, XVFB_PID and the prefix's folder of 32-bit system DLLs.
# stop: ends that wineserver (and with it every program of the prefix) and that Xvfb; the
# prefix stays for a look at what the tests left.
#
# The prefix is a 32-bit one; WINE_SESSION_ARCH=win64 asks for a 64-bit one (needs wine64),
# whose programs start through the 64-bit loader directly, so that 64-bit programs also run on
# a machine that cannot run 32-bit programs. session.env also names that loader (WINE).
# The prefix uses a 1024x768 virtual desktop, so that Wine draws captions and frames itself and
# handles focus without a window manager, and crashing programs end without a crash dialog.
# The user's ~/.wine is never used: WINEPREFIX is always set explicitly.
set -euo pipefail

# Changing the prefix settings below must rebuild pristine prefixes made before.
readonly SETTINGS_VERSION=2
readonly SERVER_IDLE_SECONDS=120

usage() {
  echo "usage: $0 start <session folder> [<prefix> [<keeper>]] | stop <session folder>" >&2
  exit 2
}

[ $# -ge 2 ] || usage
arch=${WINE_SESSION_ARCH:-win32}
case $arch in win32 | win64) ;; *) usage ;; esac
wine=wine
if [ "$arch" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
fi
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
  [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] &&
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q '^[^ ]*Xvfb '
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
    if is_our_xvfb "$pid"; then kill -9 "$pid" 2>/dev/null || true; fi
  fi
  rm -f "$env_file"
}

# Starts Xvfb on the first display from :90 whose lock file and socket are free. Another run
# may take the same number at the same moment; then that Xvfb exits and the next number is
# tried. Sets XVFB_DISPLAY and XVFB_PID.
start_xvfb() {
  local n pid log="$session/xvfb.log"
  for n in $(seq 90 189); do
    [ -e "/tmp/.X$n-lock" ] && continue
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      # The display is ours when our Xvfb holds its lock (it writes its process id there).
      if [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ]; then
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

# The wineserver program itself: Debian's `wineserver` is a script that forces the server to
# quit as soon as the last program ends, which would restart it for every program of a test.
server_binary() {
  local candidate
  for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver32 \
    /usr/lib/wine/wineserver /usr/bin/wineserver; do
    if [ -x "$candidate" ] && [ "$(head -c 4 "$candidate" | od -An -c | tr -d ' ')" = '177ELF' ]; then
      echo "$candidate"
      return
    fi
  done
  command -v wineserver
}

# Makes a prefix with our settings at $1 (which must not exist).
make_pristine() {
  local target=$1 log=$2
  export WINEPREFIX=$target
  # A 32-bit prefix unless the session asks for a 64-bit one: the programs under test are
  # 32-bit, and most tests read the registry and folders as those programs see them.
  export WINEARCH=$arch
  # No Mono or Gecko installer dialogs: nothing here needs .NET or the HTML engine.
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" $wine wineboot --init >"$log" 2>&1; then
    echo "wine-session: wineboot failed for $target" >&2
    cat "$log" >&2
    return 1
  fi
  wineserver -w
  {
    $wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    $wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    $wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  } >>"$log" 2>&1
  wineserver -w
}

start_session() {
  local prefix=$1 keeper=${2:-} tool
  for tool in wine wineserver Xvfb; do
    if ! command -v "$tool" >/dev/null; then
      echo "wine-session: $tool is not installed (scripts/install-deps.sh installs it)" >&2
      return 1
    fi
  done
  local pristine="$prefix-pristine"
  local stamp="$pristine/.tessark-prefix"
  local wanted
  wanted="$($wine --version) settings $SETTINGS_VERSION $arch"
  local started=$SECONDS
  mkdir -p "$session" "$(dirname "$prefix")"
  stop_session
  start_xvfb
  export WINEDEBUG=-all DISPLAY=$XVFB_DISPLAY

  if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$wanted" ]; then
    rm -rf "$pristine" "$pristine.new"
    if ! make_pristine "$pristine.new" "$session/wineboot.log"; then
      kill "$XVFB_PID" 2>/dev/null || true
      return 1
    fi
    echo "$wanted" >"$pristine.new/.tessark-prefix"
    mv "$pristine.new" "$pristine"
  fi
  # Nothing an earlier run installed survives into this one.
  if [ -d "$prefix" ]; then WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; fi
  rm -rf "$prefix"
  cp -a "$pristine" "$prefix"
  rm -f "$prefix/.tessark-prefix"

  export WINEPREFIX=$prefix
  "$(server_binary)" -p"$SERVER_IDLE_SECONDS" </dev/null >/dev/null 2>&1
  if [ -n "$keeper" ]; then
    if [ ! -f "$keeper" ]; then
      echo "wine-session: desktop keeper $keeper is missing (build the cross tree)" >&2
      return 1
    fi
    setsid $wine "$keeper" </dev/null >/dev/null 2>&1 &
    local name
    name=$(basename "$keeper")
    for _ in $(seq 100); do
      pgrep -f "$name" >/dev/null && break
      sleep 0.1
    done
  fi

  local system32=$prefix/drive_c/windows/system32
  [ -d "$prefix/drive_c/windows/syswow64" ] && system32=$prefix/drive_c/windows/syswow64
  {
    echo "DISPLAY=$XVFB_DISPLAY"
    echo "WINEPREFIX=$prefix"
    echo "XVFB_PID=$XVFB_PID"
    echo "SYSTEM32=$system32"
    echo "WINE=$wine"
  } >"$env_file.tmp"
  mv "$env_file.tmp" "$env_file"
  echo "wine-session: display $XVFB_DISPLAY, prefix $prefix ready in $((SECONDS - started)) s"
}

case $action in
  start) start_session "$(realpath -m "${3:-$session/../wineprefix}")" "${4:+$(realpath -m "$4")}" ;;
  stop)
    stop_session
    echo "wine-session: stopped"
    ;;
  *) usage ;;
esac
