#!/bin/sh
# The help page opens on its own from the exe's folder: it must be well-formed
# HTML and fetch nothing from elsewhere (no scripts, style sheets, frames, or
# images other than inline ones).
# Usage: check-page.sh TIDY PAGE
set -u
tidy=$1
page=$2
[ -f "$page" ] || { echo "$page is missing" >&2; exit 1; }
"$tidy" -q -e "$page" || exit 1
if grep -nP '<script|<link|<iframe|@import|url\((?!data:)|(src|href)="(?!#|data:)' "$page"; then
  echo "$page refers to files outside itself (lines above)" >&2
  exit 1
fi
