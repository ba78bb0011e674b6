#!/usr/bin/env python3
"""Builds the language resources resources/rcdata/LANG1..3.txt from the UTF-8
sources LANG1..3.utf8.txt beside this script.

Each source line is Key=Text (lines starting with # are notes). The resource
is UTF-16 LE with a byte order mark: line 1 "[langk]", then one "Key=Text"
line per entry in double quotes (quotes inside doubled), CR LF line ends.

Usage: make_language_resources.py [--check]
  --check  only report whether the committed resources match their sources.
"""
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
RESOURCES = HERE.parent.parent / "resources" / "rcdata"
LANGUAGES = (1, 2, 3)
KEY = re.compile(r"^(FontName|Title|Str[0-9]{3})$")


def read_source(path):
    entries = []
    seen = set()
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line or line.startswith("#"):
            continue
        key, equals, text = line.partition("=")
        where = f"{path.name}:{number}"
        if not equals or not KEY.match(key):
            sys.exit(f"{where}: expected Key=Text with Key FontName, Title or Str###")
        if key.lower() in seen:
            sys.exit(f"{where}: {key} given twice")
        # The reader trims texts and splits at control characters.
        if text != text.strip() or any(ord(c) < 0x20 for c in text):
            sys.exit(f"{where}: text of {key} has outer spaces or control characters")
        seen.add(key.lower())
        entries.append((key, text))
    return entries


def resource_bytes(k, entries):
    lines = [f"[lang{k}]"]
    lines += ['"' + f"{key}={text}".replace('"', '""') + '"' for key, text in entries]
    return b"\xff\xfe" + "".join(line + "\r\n" for line in lines).encode("utf-16-le")


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        sys.exit(__doc__)
    stale = []
    for k in LANGUAGES:
        wanted = resource_bytes(k, read_source(HERE / f"LANG{k}.utf8.txt"))
        target = RESOURCES / f"LANG{k}.txt"
        if check:
            if not target.exists() or target.read_bytes() != wanted:
                stale.append(target.name)
        else:
            target.write_bytes(wanted)
    if stale:
        sys.exit("out of date: " + ", ".join(stale))


if __name__ == "__main__":
    main(sys.argv)
