#!/usr/bin/env bash
# Installs what Brenvik needs to build and to be tested on Debian 12.
# Safe to run again: it only calls apt when a package is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-wqy-microhei
  xvfb xauth xdotool x11-utils xclip imagemagick
  locales libc-l10n util-linux
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
if ((${#missing[@]})); then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests read system texts in Chinese and convert a Chinese code page.
wanted_locales=("zh_CN.UTF-8 UTF-8" "zh_CN.GB18030 GB18030" "en_US.UTF-8 UTF-8")
regen=0
for entry in "${wanted_locales[@]}"; do
  name=${entry%% *}
  norm=$(echo "$name" | tr 'A-Z' 'a-z' | sed 's/-//g')
  if ! locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/-//g' | grep -qx "$norm"; then
    if [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null; then
      grep -qx "$entry" /etc/locale.gen 2>/dev/null || echo "$entry" | ${sudo:-} tee -a /etc/locale.gen >/dev/null
      regen=1
    fi
  fi
done
if ((regen)); then ${sudo:-} locale-gen >/dev/null; fi
