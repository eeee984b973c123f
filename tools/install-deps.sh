#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need; skips what is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang libclang-rt-14-dev clang-format clang-tidy
    qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev pkg-config
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    dpkg-dev desktop-file-utils appstream
    reuse ccache
    libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
    fonts-dejavu-core fonts-liberation
    libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils cups printer-driver-cups-pdf
    xvfb openbox xdotool x11-utils imagemagick
    weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
