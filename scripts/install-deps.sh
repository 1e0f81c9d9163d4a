#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests, the demo and the package need,
# when missing. Qt's Spanish translation is loaded by the window; Qt's LinguistTools build the
# English translation of both programs; the validators of the
# desktop entry, metainfo and manual pages and the .deb tools serve the install test.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth gputils srecord
  clang libclang-rt-14-dev
  qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
  desktop-file-utils appstream man-db dpkg-dev file lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
