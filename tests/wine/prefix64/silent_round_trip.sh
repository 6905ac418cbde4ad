#!/usr/bin/env bash
# A silent install and uninstall in a 64-bit prefix, as on 64-bit Windows: the 32-bit setup
# finds the terminal below "C:\Program Files (x86)", puts the product there, registers in the
# 32-bit registry view, and the uninstaller finds that entry and removes what was installed.
#   silent_round_trip.sh SOURCE_DIR WORK_DIR TESSARK
set -euo pipefail
source_dir=$1
work=$2
tessark=$3
session=$work/session

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

export WINE_SESSION_ARCH=win64
trap '"$source_dir/scripts/wine-session.sh" stop "$session" >/dev/null 2>&1 || true' EXIT
"$source_dir/scripts/wine-session.sh" start "$session" "$work/wineprefix" ||
  fail "no 64-bit prefix (scripts/install-deps.sh installs wine64)"
set -a
. "$session/session.env"
set +a
export WINEDEBUG=-all

drive=$WINEPREFIX/drive_c
[ -d "$drive/Program Files (x86)" ] || fail "the prefix has no Program Files (x86): not a 64-bit one"
terminal="$drive/Program Files (x86)/MetaTrader 4"
mkdir -p "$terminal/experts" "$terminal/sounds" "$terminal/config"
: >"$terminal/terminal.exe" # the folder test needs the file; nothing starts it without /RUN

product=$work/product
rm -rf "$product"
mkdir -p "$product"
cd "$product"
printf 'expert' >Wide.ex4
printf 'indicator' >WideBands.ex4
"$tessark" new wide.eas >/dev/null
"$tessark" set wide.eas productName "Wide Scout" >/dev/null
"$tessark" set wide.eas productDirectory "Wide Scout" >/dev/null
"$tessark" set wide.eas startMenuGroup "Wide Scout" >/dev/null
"$tessark" add wide.eas experts Wide.ex4 >/dev/null
"$tessark" add wide.eas indicators WideBands.ex4 >/dev/null
"$tessark" build wide.eas -o setup.exe >/dev/null

status=0
wine setup.exe /S >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "setup.exe /S ended with $status"
for file in experts/Wide.ex4 experts/indicators/WideBands.ex4; do
  [ -f "$terminal/$file" ] || fail "$file is not in the terminal below Program Files (x86)"
done
installed="$drive/Program Files (x86)/Wide Scout"
[ -f "$installed/Uninstall.exe" ] || fail "Uninstall.exe is not in Program Files (x86)\\Wide Scout"

key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessark'
location=$(wine reg query "$key" /reg:32 /v InstallLocation 2>/dev/null | tr -d '\r') ||
  fail "no entry in the 32-bit registry view"
grep -qF 'C:\Program Files (x86)\Wide Scout' <<<"$location" || fail "InstallLocation: $location"
if wine reg query "$key" /reg:64 >/dev/null 2>&1; then fail "an entry in the 64-bit view"; fi

status=0
wine 'C:\Program Files (x86)\Wide Scout\Uninstall.exe' /S >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "Uninstall.exe /S ended with $status"
for file in experts/Wide.ex4 experts/indicators/WideBands.ex4; do
  [ ! -e "$terminal/$file" ] || fail "$file is still in the terminal"
done
if wine reg query "$key" /reg:32 >/dev/null 2>&1; then fail "the entry is still there"; fi
echo "installed into and removed from C:\\Program Files (x86) in a 64-bit prefix"
