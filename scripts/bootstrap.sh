#!/usr/bin/env bash
# Installs the Debian packages Pelinor needs to build, test and run.
# Does nothing when every package is already there; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libqt6svg6
    libsqlite3-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wqy-microhei poppler-utils
    xdg-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
