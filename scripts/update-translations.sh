#!/usr/bin/env bash
# Collects every tr() text of the source tree into the 13 translation files
# resources/translations/Vistrelle_<code>.ts. Existing translations are kept; texts that
# are new come in as unfinished entries, to be translated in every language before the
# change lands (the translation test fails otherwise). Entries whose text left the code
# are kept as vanished, so a text that comes back finds its translation again.
# Source locations are not written, so moving code never changes these files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

LANGUAGES=(zh_CN en zh_TW fr de ja es ko nl pt it tr ar)
lupdate=${LUPDATE:-}
if [[ -z "$lupdate" ]]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
    if [[ -n "$candidate" && -x "$candidate" ]]; then lupdate=$candidate; break; fi
  done
fi
if [[ -z "$lupdate" ]]; then
  echo "update-translations: lupdate not found (install qt6-l10n-tools)" >&2
  exit 1
fi

dirs=()
for d in app recording platform preparation overlays library dialogs widgets; do
  [[ -d "$d" ]] && dirs+=("$d")
done

for lang in "${LANGUAGES[@]}"; do
  "$lupdate" -silent -I "$root" -locations none -no-ui-lines -extensions cpp,h \
    -source-language zh_CN -target-language "$lang" \
    "${dirs[@]}" -ts "resources/translations/Vistrelle_${lang}.ts"
done
echo "update-translations: updated ${#LANGUAGES[@]} files; unfinished entries:"
{ grep -c 'type="unfinished"' resources/translations/*.ts || true; } | sed 's/^/  /'
