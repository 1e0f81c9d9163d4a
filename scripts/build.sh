#!/usr/bin/env bash
# Configures and builds one preset ("default" or "sanitize"). Builds are serialised with a
# lock so that two builds never compete for the machine's cores.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
shift || true
exec 9>/tmp/pravik-build.lock
flock 9
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" "$@"
