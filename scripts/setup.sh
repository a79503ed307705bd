#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages.
set -euo pipefail
packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools
    libgl-dev
    fonts-liberation
)
# Building and checking the Debian package (scripts/package, tst_package).
packages+=(dpkg-dev lintian desktop-file-utils appstream file)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
