#!/usr/bin/env bash
# Runs lupdate over every source of src/ exactly as the build's update_translations target
# does, into a copy of each translation, and fails when a text of the program has no
# translation (new, or changed in the sources), when a translation is left for a text that
# is gone, when the committed file is not what lupdate writes, or when a translation does
# not keep the places (%1, %2...) of its Spanish text.
# Usage: translations-test.sh LUPDATE SOURCE_DIR TS_FILE... -- LUPDATE_OPTION...
set -uo pipefail
lupdate=$1
source=$(cd "$2" && pwd)
shift 2
ts_files=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  ts_files+=("$1")
  shift
done
shift
work=$(mktemp -d /tmp/pravik-translations-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mapfile -t sources < <(find "$source/src" -name '*.h' -o -name '*.cpp' | LC_ALL=C sort)
for ts in "${ts_files[@]}"; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  "$lupdate" "$@" -I "$source/src" "${sources[@]}" -ts "$work/$name" >"$work/lupdate.log" 2>&1 ||
    { fail "lupdate on $name: $(cat "$work/lupdate.log")"; continue; }
  grep -q 'Found [1-9]' "$work/lupdate.log" || fail "lupdate found no texts: $(cat "$work/lupdate.log")"
  unfinished=$(grep -c 'type="unfinished"' "$work/$name")
  gone=$(grep -c 'type="vanished"\|type="obsolete"' "$work/$name")
  [ "$unfinished" -eq 0 ] || fail "$name: $unfinished texts without a translation:
$(grep -B2 'type="unfinished"' "$work/$name" | grep '<source>')"
  [ "$gone" -eq 0 ] || fail "$name: $gone translations of texts that are gone:
$(grep -B2 'type="vanished"\|type="obsolete"' "$work/$name" | grep '<source>')"
  diff -q "$ts" "$work/$name" >/dev/null ||
    fail "$name is not what lupdate writes (run the update_translations target):
$(diff "$ts" "$work/$name" | head -20)"
  # Each message's places, in the source and in the translation, as sorted lists.
  awk 'BEGIN { RS = "</message>" }
       index($0, "<source>") > 0 {
         s = $0; sub(/.*<source>/, "", s); sub(/<\/source>.*/, "", s)
         t = $0; sub(/.*<translation[^>]*>/, "", t); sub(/<\/translation>.*/, "", t)
         ps = ""; pt = ""
         for (i = 1; i <= 9; i++) {
           if (index(s, "%" i) > 0) ps = ps " %" i
           if (index(t, "%" i) > 0) pt = pt " %" i
         }
         if (ps != pt) print "[" ps " ] became [" pt " ]: " substr(s, 1, 70)
       }' "$ts" >"$work/places.txt"
  [ ! -s "$work/places.txt" ] || fail "$name: translations that lose or add places:
$(cat "$work/places.txt")"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "translations: ${#ts_files[@]} file(s) complete"
