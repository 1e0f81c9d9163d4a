#!/usr/bin/env bash
# Fails when a file of src/ includes a header from a folder that src/layers.txt does not
# let its own folder use, or a Qt header outside the folders allowed Qt.
set -euo pipefail
cd "$(dirname "$0")/../src"
status=0
while IFS=: read -r folder allowed; do
  [[ -z "$folder" || "$folder" == \#* ]] && continue
  [ -d "$folder" ] || { echo "layers.txt names a missing folder: $folder"; status=1; continue; }
  while IFS= read -r line; do
    file=${line%%:*}
    [[ "${line#*:}" =~ include[[:space:]]*[\<\"]([^\>\"]*) ]] || continue
    header=${BASH_REMATCH[1]}
    if [[ "$header" == Q* ]]; then
      [[ " $allowed " == *" Qt "* ]] && continue
      echo "$file: Qt header <$header> in a folder without Qt"; status=1
    elif [[ "$header" == */* ]]; then
      used=${header%%/*}
      [[ "$used" == "$folder" || " $allowed " == *" $used "* ]] && continue
      [ -d "$used" ] || continue
      echo "$file: includes $header, but $folder may not use $used"; status=1
    fi
  done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include' "$folder" --include='*.h' --include='*.cpp' || true)
done < layers.txt
for dir in */; do
  grep -q "^${dir%/}:" layers.txt || { echo "src/${dir%/} has no line in layers.txt"; status=1; }
done
[ $status -eq 0 ] && echo "layers: every include follows src/layers.txt"
exit $status
