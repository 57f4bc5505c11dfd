#!/bin/sh
# Builds ruvo.exe and starts it under Wine with a Japanese desktop, inside
# Wine's own desktop window so that its frame and caption show. Without a
# display (a headless machine) it starts an Xvfb for it.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
tools="$root/tools"

"$tools/install-deps.sh"

cd "$root"
cmake --preset windows
cmake --build --preset windows

# The program rewrites Ruvo.ini beside itself: run a copy in a folder of its
# own, where the settings last from one run to the next.
build="$root/build/windows"
folder="$build/run"
mkdir -p "$folder"
cp "$build/src/app/win32/ruvo.exe" "$build/src/app/win32/ruvo.html" "$folder/"
[ -e "$folder/Ruvo.ini" ] || cp "$build/src/app/win32/Ruvo.ini" "$folder/"

# A prefix of its own, apart from the tests' one, which their cleanup ends.
export RUVO_WINE_STATE="$build/wine-run"
"$tools/wine-prefix"
rm -f "$RUVO_WINE_STATE/display"
started_xvfb=""
if [ -z "${DISPLAY:-}" ]; then
  "$tools/xvfb-start"
  started_xvfb=yes
  echo "No DISPLAY: Ruvo runs headless in Xvfb on :$(cat "$RUVO_WINE_STATE/display")."
  echo "Look at it with: DISPLAY=:$(cat "$RUVO_WINE_STATE/display") import -window root ruvo.png"
fi
. "$tools/wine-env.sh"
# Wine registers .html as a web page along with its HTML engine, which
# wine-env.sh leaves out; registered, ヘルプ reaches the desktop's browser
# through Wine's launcher.
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1

stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$started_xvfb" ]; then
    kill "$(cat "$RUVO_WINE_STATE/xvfb.pid")" 2>/dev/null || true
    rm -f "$RUVO_WINE_STATE/display" "$RUVO_WINE_STATE/xvfb.pid"
  fi
}
trap stop EXIT
trap 'exit 130' INT TERM

exe="Z:$(printf '%s' "$folder/ruvo.exe" | tr / '\\')"
echo "Starting $folder/ruvo.exe (settings: $folder/Ruvo.ini)"
wine explorer /desktop=ruvo,1024x768 "$exe"
