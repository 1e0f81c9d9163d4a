#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build, and a
# build under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
for preset in default sanitize; do
  echo "=== $preset build ==="
  scripts/build.sh "$preset"
  ctest --preset "$preset"
done
