#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pravik on the simulated adapter, so that every
# operation can be tried without a programmer attached. The shipped device file keeps the
# real parallel port as its adapter; the demo copy beside this executable switches it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh default --target pravik
demo=build/demo
mkdir -p "$demo"
cp build/default/src/ui/pravik "$demo/pravik"
sed 's/^adapter=parport/adapter=simulator/' data/Pravik.ini > "$demo/Pravik.ini"
exec "$demo/pravik" "$@"
