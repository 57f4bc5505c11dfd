#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Ruvo
# need; does nothing when they are all there.
set -euo pipefail

packages=(
  cmake make g++ python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-ipafont
  xvfb xdotool x11-utils imagemagick locales
  tidy
  cups printer-driver-cups-pdf poppler-utils
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# Wine takes the Japanese desktop from LC_ALL=ja_JP.UTF-8; without the locale
# generated it cannot name files outside ASCII.
ensure_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  "${sudo[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo[@]}" locale-gen
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
ensure_japanese_locale
