# shellcheck shell=sh
# Sourced by the Wine tools: the environment every Wine call here shares.
# RUVO_WINE_STATE names a private state folder (prefix, Xvfb display), so
# several build trees can run Wine side by side without touching ~/.wine.
: "${RUVO_WINE_STATE:?RUVO_WINE_STATE must name the Wine state folder}"
export WINEPREFIX="$RUVO_WINE_STATE/prefix"
export WINEDEBUG=-all
# Without these overrides a fresh prefix waits on the Mono and Gecko installers.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Gives Wine code page 932 and LCID 0411 even where the locale is not generated.
export LC_ALL=ja_JP.UTF-8
if [ -s "$RUVO_WINE_STATE/display" ]; then
  DISPLAY=":$(cat "$RUVO_WINE_STATE/display")"
  export DISPLAY
fi
# The tests' print queue (tools/print-queue), while it runs.
if [ -S "$RUVO_WINE_STATE/cups/cups.sock" ]; then
  export CUPS_SERVER="$RUVO_WINE_STATE/cups/cups.sock"
fi
