#!/usr/bin/python3
"""Regenerates every file under data/ from the sources in content/, then
redraws every picture in docs/ from the result.

Each subfolder of content/ that holds a generate.py is one generator; they run
in name order, each writing its own files below data/ (and its contact sheets
or plans below docs/). Then come the pictures that need the finished data:
the area views and the game-view sheet, drawn by the game's own renderer
(build/tools/areaview, built here when missing), the screenshots of the
running game (build/tools/gameshot, likewise), the art's stand-in scenes and
the interface mock screens. So a clean `git status` after a full run says
that data/ and docs/ match the sources. Everything is deterministic: the same
sources give the same bytes on every run.

Run from anywhere: /usr/bin/python3 content/build.py [NAME ...]
NAME is a generator (areas, art, font, icons, sound, ui) or "docs"; none means all.
"""
import os
import runpy
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
PYTHON = "/usr/bin/python3"
VIEWER = "build/tools/areaview"
SHOOTER = "build/tools/gameshot"

# The screenshots of docs/screenshots/, each a game played from its title by
# build/tools/gameshot: frames of 25 ms, keys pressed and held as a player
# would (the walks are those of the play-through tests), then the picture.
# The game starts turned toward the priest; the walks set out facing down the
# road, as the play-through routes do.
START = ["frames:31", "key:space", "frames:30", "hold:right:10"]
TO_FARM = START + ["hold:up:215", "key:space", "frames:30"]
# The lantern from its stump, into the cave, east until the axe man calls.
TO_CAVE = TO_FARM + ["hold:up:244", "hold:left:34", "hold:up:106", "hold:right:34", "hold:up:12",
                     "key:space", "key:return", "hold:left:50", "hold:up:20", "key:space", "frames:30",
                     "hold:up:100", "key:return"]
SCREENSHOTS = {
    "title": ["frames:40"],
    "village": START + ["hold:left:17", "hold:up:30"],
    # He walks up with the lantern's light on him.
    "cave": TO_CAVE + ["frames:40"],
    # With the knife he gives, out of the cave to the woodcutter at the farm,
    # so both hands are full.
    "conversation": TO_CAVE + ["frames:90", "key:return", "key:return", "key:space", "key:return",
                               "hold:right:64", "hold:up:165", "key:space", "frames:30", "hold:right:23",
                               "hold:up:30", "key:space", "frames:13"],
}


def run(command):
    print("content: " + " ".join(command))
    subprocess.run(command, check=True)


def viewer():
    """The area viewer and the screenshot tool of this tree's build,
    configured and built if needed (only their own targets, so a content run
    does not build the whole game)."""
    if not os.path.isfile("build/CMakeCache.txt"):
        run(["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"])
    run(["cmake", "--build", "build", "-j2", "--target", "areaview", "gameshot"])


def screenshots():
    os.makedirs("docs/screenshots", exist_ok=True)
    for name, steps in SCREENSHOTS.items():
        run([SHOOTER] + steps + ["shot:docs/screenshots/%s.png" % name])


def docs():
    viewer()
    screenshots()
    run(["bash", "content/areas/views.sh"])
    run(["bash", "content/art/gameviews.sh"])
    run([PYTHON, "content/art/scenes.py"])
    if os.path.isfile("content/ui/mockups.py"):
        run([PYTHON, "content/ui/mockups.py"])


def check_textures():
    """The written textures as the game loads them: none with a dark line
    standing alone in the sky (the art generator refuses to draw one; this
    also catches a texture written by hand)."""
    from PIL import Image
    from art.generate import check_sky
    folder = "data/images/textures"
    for name in sorted(os.listdir(folder)):
        if name.endswith(".png"):
            with Image.open(os.path.join(folder, name)) as image:
                check_sky(name, image.convert("RGB"))


def main():
    os.chdir(ROOT)
    sys.path.insert(0, HERE)
    only = set(sys.argv[1:])
    # A misspelt name would otherwise run nothing and say nothing.
    known = sorted(n for n in os.listdir(HERE) if os.path.isfile(os.path.join(HERE, n, "generate.py")))
    unknown = sorted(only - set(known) - {"docs"})
    if unknown:
        sys.stderr.write("content: no part named %s; the parts are: %s docs\n"
                         % (", ".join(unknown), " ".join(known)))
        sys.exit(2)
    for name in sorted(os.listdir(HERE)):
        script = os.path.join(HERE, name, "generate.py")
        if not os.path.isfile(script) or (only and name not in only):
            continue
        print("content: " + name)
        runpy.run_path(script, run_name="__main__")
    check_textures()
    if not only or "docs" in only:
        docs()


if __name__ == "__main__":
    try:
        main()
    except subprocess.CalledProcessError as e:
        raise SystemExit("content: %s failed with status %d" % (" ".join(e.cmd), e.returncode))
