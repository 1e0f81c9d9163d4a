#!/usr/bin/env bash
# Builds and runs the benchmarks and prints one table. Takes about a minute: the
# operation benchmarks program whole simulated chips with real timing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh default --target pravik_bench
build/default/bench/pravik_bench --benchmark_counters_tabular=true "$@"
