#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages,
# and generates the locales the tests run in. Packages named as arguments are
# installed too (scripts/fuzz asks for Clang this way).
#     scripts/setup.sh [PACKAGE ...]
set -euo pipefail
packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools
    libgl-dev
    fonts-liberation
    locales
)
# Building and checking the Debian package (scripts/package, tst_package).
packages+=(dpkg-dev lintian desktop-file-utils appstream file)
# The benchmark's pugixml peer, which a test checks against the grid.
packages+=(libpugixml-dev)
packages+=("$@")

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number tests run in a Russian and a German locale; generate both once.
locales_missing=()
for l in ru_RU.UTF-8 de_DE.UTF-8; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || locales_missing+=("$l")
done
if [ ${#locales_missing[@]} -gt 0 ]; then
    for l in "${locales_missing[@]}"; do
        $sudo sed -i "s/^# *\\($l UTF-8\\)\$/\\1/" /etc/locale.gen
        grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen > /dev/null
    done
    $sudo locale-gen
fi
