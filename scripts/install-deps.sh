#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and is
# not there yet; does nothing when everything is installed.
#   scripts/install-deps.sh main   what building and running the editor needs
#   scripts/install-deps.sh test   that, plus the test tools and the browser
set -euo pipefail

purpose=${1:-test}
packages=(build-essential cmake pkg-config libgumbo-dev qt6-base-dev qt6-translations-l10n libqt6svg6 qt6-image-formats-plugins fonts-dejavu-core
  qt6-multimedia-dev gstreamer1.0-plugins-good libavcodec-dev libavformat-dev libswscale-dev libswresample-dev)
if [ "$purpose" = test ]; then
  packages+=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev chromium poppler-utils tidy python3 appstream dpkg-dev
    ffmpeg melt xvfb xauth)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
# Node.js may come from another source than Debian's package; only its
# commands matter.
if [ "$purpose" = test ] && ! { command -v node && command -v npm; } >/dev/null; then
  missing+=(nodejs npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
