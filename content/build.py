#!/usr/bin/python3
"""Regenerates every file under data/ from the sources in content/.

Each subfolder of content/ that holds a generate.py is one generator; they run
in name order, each writing its own files below data/. Generators are
deterministic: the same sources give the same bytes on every run.

Run from anywhere: /usr/bin/python3 content/build.py
"""
import os
import runpy
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def main():
    os.chdir(ROOT)
    sys.path.insert(0, HERE)
    only = set(sys.argv[1:])
    for name in sorted(os.listdir(HERE)):
        script = os.path.join(HERE, name, "generate.py")
        if not os.path.isfile(script) or (only and name not in only):
            continue
        print("content: " + name)
        runpy.run_path(script, run_name="__main__")


if __name__ == "__main__":
    main()
