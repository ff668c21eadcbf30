#!/usr/bin/python3
"""Regenerates every file under data/ from the sources in content/, then
redraws every picture in docs/ from the result.

Each subfolder of content/ that holds a generate.py is one generator; they run
in name order, each writing its own files below data/ (and its contact sheets
or plans below docs/). Then come the pictures that need the finished data:
the area views and the game-view sheet, drawn by the game's own renderer
(build/tools/areaview, built here when missing), the art's stand-in scenes
and the interface mock screens. So a clean `git status` after a full run says
that data/ and docs/ match the sources. Everything is deterministic: the same
sources give the same bytes on every run.

Run from anywhere: /usr/bin/python3 content/build.py [NAME ...]
NAME is a generator (art, areas, font, ui) or "docs"; none means all.
"""
import os
import runpy
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
PYTHON = "/usr/bin/python3"
VIEWER = "build/tools/areaview"


def run(command):
    print("content: " + " ".join(command))
    subprocess.run(command, check=True)


def viewer():
    """The area viewer of this tree's build, configured and built if needed
    (only its own target, so a content run does not build the whole game)."""
    if not os.path.isfile("build/CMakeCache.txt"):
        run(["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"])
    run(["cmake", "--build", "build", "-j2", "--target", "areaview"])


def docs():
    viewer()
    run(["bash", "content/areas/views.sh"])
    run(["bash", "content/art/gameviews.sh"])
    run([PYTHON, "content/art/scenes.py"])
    if os.path.isfile("content/ui/mockups.py"):
        run([PYTHON, "content/ui/mockups.py"])


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
    if not only or "docs" in only:
        docs()


if __name__ == "__main__":
    try:
        main()
    except subprocess.CalledProcessError as e:
        raise SystemExit("content: %s failed with status %d" % (" ".join(e.cmd), e.returncode))
