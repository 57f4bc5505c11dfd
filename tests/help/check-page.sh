#!/bin/sh
# The help page opens on its own from the exe's folder: it must be well-formed
# HTML and fetch nothing from elsewhere (no scripts, style sheets, frames, or
# images other than inline ones).
# Usage: check-page.sh TIDY PAGE
set -u
[ -f "$2" ] || { echo "$2 is missing" >&2; exit 1; }
"$1" -q -e "$2" || exit 1
if grep -nP '<script|<link|<iframe|@import|url\((?!data:)|(src|href)="(?!#|data:)' "$2"; then
  echo "$2 refers to files outside itself (lines above)" >&2
  exit 1
fi
