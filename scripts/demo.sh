#!/usr/bin/env bash
# make demo: builds the example products' setup executables from their text projects
# (examples/sample.toml, and the indicator pack examples/indicator-pack/pack.toml, whose files
# come as whole folders) with the Linux-built tessark, checks them with "tessark verify", and
# tells where they are and how to start them under Wine.
#
#   scripts/demo.sh HOST-BUILD-FOLDER WIN-BUILD-FOLDER
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
host=$(cd "$1" && pwd)
win=$(cd "$2" && pwd)
cd "$root"

tessark=$host/cli/tessark
if [ ! -x "$tessark" ]; then
  echo "demo: $tessark is missing; build the host tree first (make host)" >&2
  exit 1
fi

out=build/demo/SampleSetup.exe
mkdir -p build/demo
stub=()
if [ ! -f "$win/installer/win/extractor.exe" ]; then
  # Until the installer program is cross-built there is nothing real to start a setup with:
  # build with a stand-in so that the package itself can still be made and checked.
  standin=build/demo/stand-in-extractor.exe
  printf 'MZ Stand-in for extractor.exe, which is not built yet. This setup cannot run.\r\n' \
    > "$standin"
  stub=(--stub "$standin")
  echo "demo: NOTE: $win/installer/win/extractor.exe does not exist yet; the setup is built"
  echo "demo:       with a stand-in installer program and will not run under Wine."
fi

"$tessark" build examples/sample.toml -o "$out" ${stub[@]+"${stub[@]}"}
"$tessark" verify "$out"
pack=build/demo/IndicatorPackSetup.exe
"$tessark" build examples/indicator-pack/pack.toml -o "$pack" ${stub[@]+"${stub[@]}"}
"$tessark" verify "$pack" | tail -n 1

echo
echo "The example's setup executable is $root/$out, the indicator pack's $root/$pack"
if [ ${#stub[@]} -eq 0 ]; then
  echo "Start it under Wine with:"
  echo "  WINEPREFIX=$root/build/demo/wineprefix WINEDEBUG=-all wine $root/$out"
fi
echo "Look inside it with: $tessark list $root/$out"
