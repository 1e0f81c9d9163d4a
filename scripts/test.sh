#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build, and a
# build under AddressSanitizer and UndefinedBehaviorSanitizer. Then the fuzz targets are
# built and each runs a few seconds over its corpus, so that they keep building.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
for preset in default sanitize; do
  echo "=== $preset build ==="
  scripts/build.sh "$preset"
  ctest --preset "$preset"
done
echo "=== fuzz targets ==="
scripts/fuzz.sh 5
