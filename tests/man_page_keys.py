#!/usr/bin/python3
"""The manual page and the README list the same keys, screen by screen and in
the same order, so a key added to one cannot be forgotten in the other.
  tests/man_page_keys.py README.md packaging/ombrel.6"""
import re, sys


def readme_keys(text):
    section = text.split("\n## Keys\n", 1)[1].split("\n## ", 1)[0]
    everywhere = set(re.findall(r"\*\*(\w+)\*\*", section.split("\n|", 1)[0]))
    rows, screen = [], None
    for line in section.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) != 3 or cells[1] in ("", "key") or set(cells[1]) <= set("-"):
            continue
        screen = cells[0] or screen
        rows.append((screen, cells[1], cells[2]))
    return everywhere, rows


def man_keys(text):
    section = text.split("\n.SH KEYS\n", 1)[1].split("\n.SH ", 1)[0]
    lines = section.splitlines()
    head = " ".join(l for l in lines[:lines.index(next(l for l in lines if l.startswith(".SS")))])
    everywhere = set(re.findall(r"^\.R?B \(?\s*(\w+)", head.replace(" .", "\n."), re.M))
    rows, screen = [], None
    for i, line in enumerate(lines):
        if line.startswith(".SS "):
            screen = line[4:].strip('"')
        elif line == ".TP":
            rows.append((screen, lines[i + 1].removeprefix(".B ").strip('"'), lines[i + 2]))
    return everywhere, rows


readme = readme_keys(open(sys.argv[1], encoding="utf-8").read())
man = man_keys(open(sys.argv[2], encoding="utf-8").read())
differ = [(what, a, b) for what, a, b in (("keys everywhere", readme[0], man[0]), ("keys table", readme[1], man[1])) if a != b]
for what, a, b in differ:
    print("%s differ:\n  README:   %s\n  man page: %s" % (what, a, b))
sys.exit(1 if differ else 0)
