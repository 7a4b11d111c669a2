#!/usr/bin/env python3
"""Helps fill in the 13 translation files resources/translations/Vistrelle_<code>.ts.

  scripts/translations.py pending            texts still unfinished, as JSON ready to fill in
  scripts/translations.py apply FILE.json    writes the translations of FILE into the .ts files
  scripts/translations.py show TEXT          every translation of one source text

FILE.json maps a source text to its translation in each language:
  {"保存": {"zh_CN": "保存", "en": "Save", "zh_TW": "儲存", "fr": "Enregistrer", ...}}
A value may instead be {"<context>": {...}} under the key "@context" to translate a text
differently in one context. Plural texts (%n) take a list of forms per language.
Run scripts/update-translations.sh first (to collect new texts) and afterwards (to bring
the files back into lupdate's own layout).
"""
import json
import pathlib
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
TS_DIR = ROOT / "resources" / "translations"
LANGUAGES = ["zh_CN", "en", "zh_TW", "fr", "de", "ja", "es", "ko", "nl", "pt", "it", "tr", "ar"]


def ts_path(lang):
    return TS_DIR / f"Vistrelle_{lang}.ts"


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def is_live(message):
    kind = message.find("translation").get("type")
    return kind not in ("vanished", "obsolete")


def is_unfinished(message):
    translation = message.find("translation")
    if translation.get("type") == "unfinished":
        return True
    if message.get("numerus") == "yes":
        return not all((f.text or "").strip() for f in translation.findall("numerusform"))
    return not (translation.text or "").strip()


def pending():
    result = {}
    for lang in LANGUAGES:
        tree = ET.parse(ts_path(lang))
        for context, message in messages(tree):
            if is_live(message) and is_unfinished(message):
                source = message.findtext("source")
                entry = result.setdefault(source, {"@contexts": []})
                if context not in entry["@contexts"]:
                    entry["@contexts"].append(context)
                entry[lang] = ""
    json.dump(result, sys.stdout, ensure_ascii=False, indent=1)
    print()


def set_translation(message, value):
    translation = message.find("translation")
    for child in list(translation):
        translation.remove(child)
    if message.get("numerus") == "yes":
        forms = value if isinstance(value, list) else [value]
        translation.text = None
        for form in forms:
            ET.SubElement(translation, "numerusform").text = form
    else:
        translation.text = value
    if "type" in translation.attrib:
        del translation.attrib["type"]


def apply(path):
    table = json.loads(pathlib.Path(path).read_text(encoding="utf-8"))
    used = set()
    for lang in LANGUAGES:
        tree = ET.parse(ts_path(lang))
        changed = False
        for context, message in messages(tree):
            if not is_live(message):
                continue
            source = message.findtext("source")
            entry = table.get(source)
            if entry is None:
                continue
            per_context = entry.get("@context", {}).get(context, {})
            value = per_context.get(lang, entry.get(lang))
            if value is None or value == "" or value == []:
                continue
            set_translation(message, value)
            used.add(source)
            changed = True
        if changed:
            tree.write(ts_path(lang), encoding="utf-8", xml_declaration=True)
    unused = [s for s in table if s not in used]
    for source in unused:
        print(f"translations: no entry for {source!r}", file=sys.stderr)
    return 0


def show(text):
    for lang in LANGUAGES:
        tree = ET.parse(ts_path(lang))
        for context, message in messages(tree):
            if message.findtext("source") == text:
                translation = message.find("translation")
                print(f"{lang:6} {context}: {translation.text!r} {translation.get('type') or ''}")


def main(argv):
    if len(argv) >= 2 and argv[1] == "pending":
        pending()
        return 0
    if len(argv) == 3 and argv[1] == "apply":
        return apply(argv[2])
    if len(argv) == 3 and argv[1] == "show":
        show(argv[2])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
