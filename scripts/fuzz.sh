#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build/fuzz and runs each of them for
# a fixed time (seconds, default 60), one after the other. The checked-in seeds in
# fuzz/corpus/ are read but never written: new inputs go to build/fuzz/corpus/, findings
# to build/fuzz/artifacts/. Exits non-zero when a target finds a crash or a broken check.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build/fuzz

# Only the compile step takes the shared build lock; fuzzing runs without it.
(
  exec 9>/tmp/pravik-build.lock
  flock 9
  [ -f "$out/build.ninja" ] ||
    cmake -S fuzz -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$out" -j2
)

status=0
for target in HexReaderFuzz DeviceFileFuzz; do
  mkdir -p "$out/corpus/$target" "$out/artifacts"
  echo "=== $target for ${seconds}s ==="
  if ! "$out/$target" "$out/corpus/$target" "fuzz/corpus/$target" \
      -dict="fuzz/$target.dict" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -artifact_prefix="$out/artifacts/$target-" -print_final_stats=1 2>"$out/$target.log"; then
    status=1
    echo "$target: FINDING, see $out/$target.log and $out/artifacts/"
  fi
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|SUMMARY|invariant broken)" \
    "$out/$target.log" || true
done
exit $status
