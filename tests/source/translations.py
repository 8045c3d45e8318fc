#!/usr/bin/python3
"""The translations are whole and keep what the program relies on.

For each translations/veltro_*.ts:
  - lupdate, run over src/ into a copy, finds exactly the texts the file holds:
    nothing the code shows is missing and nothing is left over;
  - every text is translated (no unfinished, vanished or obsolete entry), with every
    plural form filled in;
  - a translation keeps its source's placeholders (%1, %L2, %n...), each as often;
  - a translation has an access key (a single &) exactly where its source has one,
    and in one context (a window) two texts whose English keys differ get different
    keys in the translation too.
Prints every problem and fails if there is one.

Usage: translations.py LUPDATE SRC_DIR TS_FILE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import Counter
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?\d{1,2}|%n")


def access_key(text):
    """The letter after a single &, lower case; None where there is no key."""
    keys = [m.group(1) for m in re.finditer(r"(?<!&)&([^&\s])", text.replace("&&", ""))]
    return keys[0].lower() if keys else None


def messages(path):
    """(context, source, comment) -> (translation element, message element) for each message."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = message
    return found


def translations_of(message):
    translation = message.find("translation")
    forms = translation.findall("numerusform")
    return [f.text or "" for f in forms] if message.get("numerus") == "yes" else [translation.text or ""]


def check(lupdate, src, ts):
    problems = []
    committed = messages(ts)
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / ts.name
        shutil.copy(ts, copy)
        run = subprocess.run(
            [lupdate, "-silent", "-locations", "none", "-no-obsolete", "-I", str(src), str(src), "-ts", str(copy)],
            capture_output=True,
            text=True,
        )
        if run.returncode != 0:
            return [f"{ts.name}: lupdate failed: {run.stderr.strip()}"]
        updated = messages(copy)
    for key in sorted(updated.keys() - committed.keys()):
        problems.append(f"{ts.name}: [{key[0]}] not in the file yet (run the update_translations target): {key[1]!r}")
    for key in sorted(committed.keys() - updated.keys()):
        problems.append(f"{ts.name}: [{key[0]}] no longer in the program: {key[1]!r}")

    keys_by_context = {}
    for (context, source, comment), message in sorted(committed.items()):
        where = f"{ts.name}: [{context}] {source!r}"
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{where}: not translated")
            continue
        texts = translations_of(message)
        if any(not t for t in texts):
            problems.append(f"{where}: a plural form is empty")
            continue
        wanted = Counter(PLACEHOLDER.findall(source))
        for text in texts:
            # A plural form may leave out %n where the number is said in words ("einen Tag").
            have = Counter(PLACEHOLDER.findall(text))
            if message.get("numerus") == "yes":
                have["%n"] = wanted["%n"]
            if have != wanted:
                problems.append(f"{where}: placeholders {dict(wanted)} became {dict(have)} in {text!r}")
            if (access_key(source) is None) != (access_key(text) is None):
                problems.append(f"{where}: the access key (&) is lost or added in {text!r}")
        source_key, translated_key = access_key(source), access_key(texts[0])
        if source_key and translated_key:
            keys_by_context.setdefault(context, []).append((source_key, translated_key, source, texts[0]))
    for context, keys in keys_by_context.items():
        for i, (source_a, ours_a, text_a, translated_a) in enumerate(keys):
            for source_b, ours_b, text_b, translated_b in keys[i + 1 :]:
                if source_a != source_b and ours_a == ours_b:
                    problems.append(
                        f"{ts.name}: [{context}] {translated_a!r} and {translated_b!r} share the access key "
                        f"{ours_a!r} ({text_a!r} and {text_b!r} do not)"
                    )
    return problems


def main():
    lupdate, src, files = sys.argv[1], Path(sys.argv[2]), [Path(p) for p in sys.argv[3:]]
    problems = [p for ts in files for p in check(lupdate, src, ts)]
    for problem in problems:
        print(problem)
    print(f"{len(files)} translation files, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
