#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, then nothing else.
# As root it installs the missing packages; otherwise it prints the line to run.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-image-formats-plugins qt6-svg-dev libgl-dev
    libjpeg-dev libjpeg-turbo-progs libdeflate-dev libzint-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    fontconfig fonts-liberation
    cups printer-driver-cups-pdf libcups2-dev poppler-utils libzbar-dev
    xvfb xauth imagemagick
    desktop-file-utils shared-mime-info libglib2.0-bin libxml2-utils dpkg-dev
    appstream lintian
    python3-ezdxf
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "These packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
