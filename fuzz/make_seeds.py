#!/usr/bin/env python3
"""Writes the seed corpora of the fuzzing harnesses: make_seeds.py SOURCE_ROOT OUT_FOLDER.

The documents come from examples/ (whole installations) and from the tests' sources (every
raw string literal that holds a StringRoot, BitmapRoot or LayoutRoot document); the
attribute values, folder names, hotkey texts and command lines are taken from them.
Parts of one input are separated by 0x1E, as the harnesses read them."""
import hashlib
import os
import re
import struct
import sys

SEP = b"\x1e"
root, out = sys.argv[1], sys.argv[2]
DOC_NAMES = ["layout/strings.xml", "layout/bitmap.xml", "layout/bitmap2.xml", "layout/layout.xml", "conf.dat"]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def put(target, data):
    folder = os.path.join(out, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, hashlib.sha1(data).hexdigest()), "wb") as f:
        f.write(data)


installations = []
for base, dirs, files in os.walk(os.path.join(root, "examples")):
    if os.path.isfile(os.path.join(base, "layout", "layout.xml")):
        installations.append([read(os.path.join(base, n)) if os.path.isfile(os.path.join(base, n)) else None
                              for n in DOC_NAMES])

test_docs = []
raw = re.compile(rb'R"([^(\s]*)\((.*?)\)\1"', re.S)
for base, dirs, files in os.walk(os.path.join(root, "tests")):
    for name in files:
        if name.endswith(".cpp"):
            for m in raw.finditer(read(os.path.join(base, name))):
                if re.search(rb"<(StringRoot|BitmapRoot|LayoutRoot)\b", m.group(2)):
                    test_docs.append(m.group(2))

documents = [d for inst in installations for d in inst[:4] if d] + test_docs
demo = installations[0] if installations else [b"", b"", b"", b"", b""]

# game: every installation whole, and each test document in the demo in its place.
for inst in installations:
    put("game", SEP.join(d if d is not None else b"" for d in inst))
for doc in test_docs:
    parts = [d or b"" for d in demo]
    slot = 0 if b"<StringRoot" in doc else 1 if b"<BitmapRoot" in doc else 3
    parts[slot] = doc
    put("game", SEP.join(parts))

# xml: every document as it is.
for doc in documents:
    put("xml", doc)

# values: each attribute value, then the demo's strings as id=value entries.
entries = [m.group(1) + b"=" + m.group(2)
           for m in re.finditer(rb'<String\s+id="([^"]*)"\s+value="([^"]*)"', demo[0] or b"")][:16]
values = sorted({m.group(1) for doc in documents for m in re.finditer(rb'\s\w+="([^"]*)"', doc)})
for v in values:
    put("values", SEP.join([v] + entries))

# settings: command line, conf.dat, section, key, hotkey text.
hotkeys = sorted({m.group(1) for inst in installations if inst[4] for m in re.finditer(rb"=(\S+)", inst[4])})
for conf in [inst[4] for inst in installations if inst[4]] or [b""]:
    for hk in hotkeys or [b"ctrl_alt_71"]:
        put("settings", SEP.join([b'launcher.exe --gameName=demo --data_dir="my data" -debug', conf,
                                  b"hotkey", b"toggle", hk]))

# cachenames: every "dirs" value.
for doc in documents:
    for m in re.finditer(rb'\sdirs="([^"]*)"', doc):
        put("cachenames", m.group(1))
put("cachenames", b"Cache,GPUCache,Code Cache,Local Storage")


# browserevents: the argument lists a browser sends (see BrowserEventsFuzzer.cpp's format).
def text(s):
    units = s.encode("utf-16-le")
    return bytes([len(units) // 2]) + units


def byref_text(s):
    return bytes([5, 1]) + text(s)


before_navigate = bytes([10]) + byref_text("http://example.com/a") + bytes([0, 0, 0, 0, 7])
put("browserevents", bytes([0, 7, 0]) + before_navigate)
put("browserevents", bytes([0, 7, 0]) + bytes([10]) + byref_text("http://block.example/") + bytes([0, 0, 0, 0, 7]))
put("browserevents", bytes([1, 5, 0]) + bytes([10, 7, 9, 0, 0, 0, 0, 1]) + text("http://a.example/") + bytes([1]) +
    text("about:blank"))
put("browserevents", bytes([2, 2, 0]) + bytes([10]) + byref_text("http://a.example/frame"))
