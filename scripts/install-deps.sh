#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Velnaro need, when missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache
    qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-translations-l10n
    qt6-l10n-tools qt6-tools-dev
    fonts-noto-core fonts-noto-ui-core
    libgtest-dev
    libcli11-dev nlohmann-json3-dev libcsv-dev libtomlplusplus-dev
    poppler-utils
    xvfb xauth x11-utils
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
