#!/usr/bin/env bash
# Makes the sample product's generated files and its project, sample.eas, with the tessark
# command. All of them are committed; run this again after changing the sample.
#
#   examples/make-project.sh [PATH-TO-TESSARK]
#
# The paths in sample.eas are relative to this folder, so the project builds wherever the
# tree lies: tessark build examples/sample.eas -o SampleSetup.exe
#
# sample.toml, the same product as a text project, is written by hand; keep the two alike (the
# tests build both and compare the setups).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
tessark=${1:-tessark}
if [[ "$tessark" == */* ]]; then tessark=$(cd "$(dirname "$tessark")" && pwd)/$(basename "$tessark"); fi
cd "$here"

# The alert sound: a two-tone beep, 0.3 s of 16-bit mono PCM at 22050 Hz.
if command -v python3 > /dev/null; then
  python3 - sample/cross-alert.wav <<'PY'
import math, struct, sys, wave
rate, seconds = 22050, 0.3
frames = bytearray()
count = int(rate * seconds)
for i in range(count):
    t = i / rate
    tone = 880.0 if t < seconds / 2 else 1320.0
    fade = min(1.0, i / 200.0, (count - 1 - i) / 200.0)  # no clicks at the ends
    frames += struct.pack('<h', int(round(12000 * fade * math.sin(2 * math.pi * tone * t))))
with wave.open(sys.argv[1], 'wb') as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    out.writeframes(bytes(frames))
PY
fi

# The library the expert imports, from our own source, when the cross compiler is there.
if command -v i686-w64-mingw32-gcc > /dev/null; then
  i686-w64-mingw32-gcc -shared -Os -s -nostdlib -Wl,--kill-at -Wl,--no-insert-timestamp \
    -e _DllMain@12 -o sample/crossmath.dll sample/crossmath.c
fi

project=sample.eas
"$tessark" new "$project" --force
"$tessark" set "$project" productName "Moving Cross"
"$tessark" set "$project" productDirectory "Moving Cross"
"$tessark" set "$project" startMenuGroup "Moving Cross"
"$tessark" set "$project" version 1.0.0.0
"$tessark" set "$project" publisher "Tessark Samples"
"$tessark" set "$project" publisherAddress "1 Sample Street, Example Town"
"$tessark" set "$project" productUrl "https://www.example.com/moving-cross"
"$tessark" set "$project" contactName "Sample Support"
"$tessark" set "$project" contactEmail "support@example.com"

# The expert trades and calls its DLL; everything else is left as the user has it.
for option in disableOnAccountChange disableOnProfileChange askManualConfirmation \
              confirmDllCalls allowExternalImports; do
  "$tessark" set "$project" "$option" 2
done
for option in enableExperts allowLiveTrading allowDllImports; do
  "$tessark" set "$project" "$option" 1
done

"$tessark" set "$project" licenseRtf sample/License.rtf
"$tessark" set "$project" readmeRtf sample/ReadMe.rtf
"$tessark" set "$project" whatsNewRtf sample/WhatsNew.rtf

"$tessark" add "$project" experts 'sample\MovingCross.ex4' 'sample\MovingCross.mq4'
"$tessark" add "$project" indicators 'sample\CrossBands.mq4'
"$tessark" add "$project" scripts 'sample\CloseCrossTrades.mq4'
"$tessark" add "$project" sounds 'sample\cross-alert.wav'
"$tessark" add "$project" dlls 'sample\crossmath.dll'
"$tessark" add "$project" other 'sample\Manual.txt'
"$tessark" entry "$project" 'sample\Manual.txt' --destination '{app}' \
  --shortcut "Moving Cross Manual" --never-uninstall no --autostart no --post-execute no

"$tessark" set "$project" targetFile SampleSetup.exe
"$tessark" show "$project"
