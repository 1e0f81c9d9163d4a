#!/usr/bin/env bash
# Builds the Debian package: a release build of the two programs in build/package, then
# CPack. Prints the package's path; install it with
#   sudo apt install ./build/package/pravik_<version>_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh package
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/pravik_*.deb
