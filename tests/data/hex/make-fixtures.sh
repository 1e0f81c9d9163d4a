#!/usr/bin/env bash
# Assembles the HEX test fixtures with gputils (Debian package gputils). The .hex files
# are checked in, so the tests do not need gputils; rerun this after changing an .asm.
set -euo pipefail
cd "$(dirname "$0")"
for src in f84a f876a f452; do
  gpasm -q -o "$src.hex" "$src.asm"
  rm -f "$src.cod" "$src.lst" "$src.o"
done
