#!/usr/bin/env python3
"""Every example song's ChordPro, read by ChordSheetJS (a chord-sheet library in JavaScript):
the title, key, tempo and time it finds, its chords in the order of the beat grid, and the
first sung line with the chord it opens on.

Usage: chordpro_in_chordsheetjs.py CANTARO EXAMPLES_DIR CHORDSHEETJS_DIR
Exits 77 (skipped) when node or the library is missing."""
import json
import os
import shutil
import subprocess
import sys
import tempfile

EXAMPLES = [
    # file, title, key, tempo (the opening one), time, first sung line (chord, lyrics)
    ("mary-had-a-little-lamb.mid", "Mary Had a Little Lamb", "C", "112", "4/4",
     {"chord": "C", "lyrics": "Ma-ry had a lit-tle lamb, lit-tle lamb, lit-tle lamb,"}),
    ("minuet-in-g.mid", "Minuet in G", "G", "126", "3/4", None),
    ("korobeiniki.kar", "Коробейники", "Am", "120", "4/4",
     {"chord": "Am", "lyrics": "Ой, полным-полна коробушка"}),
]


def main():
    cantaro, examples, library = sys.argv[1:4]
    library = os.path.abspath(library)
    node = shutil.which("node")
    if node is None or not os.path.isdir(library):
        print(f"skipped: node or ChordSheetJS ({library}) missing; scripts/install-deps --test installs it")
        return 77
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    failures = 0
    for name, title, key, tempo, time, first_sung in EXAMPLES:
        song = os.path.join(examples, name)

        def export(fmt):
            return subprocess.run([cantaro, "--export", song, "--format", fmt, "--key", "auto"], env=env,
                                  check=True, capture_output=True, timeout=300).stdout.decode("utf-8")

        pro = export("chordpro")
        grid_chords = []
        for row in export("grid").splitlines():
            for cell in row.split("\t")[1:]:
                if cell and (not grid_chords or grid_chords[-1] != cell):
                    grid_chords.append(cell)
        read = json.loads(subprocess.run([node, os.path.join(os.path.dirname(__file__), "chordpro_reader.cjs"),
                                          library], input=pro.encode("utf-8"), check=True, capture_output=True,
                                         timeout=60).stdout)
        # A sung line repeats the chord going on from the line before; the grid shows changes only.
        read_changes = [c for i, c in enumerate(read["chords"]) if i == 0 or read["chords"][i - 1] != c]
        got = (read["title"], read["key"], read["tempo"], read["time"], read_changes, read["firstSung"])
        want = (title, key, tempo, time, grid_chords, first_sung)
        if got != want:
            failures += 1
            print(f"{name}:\n  read {got}\n  want {want}\n{pro}")
        else:
            print(f"{name}: ok ({len(read['chords'])} chords)")
    shutil.rmtree(home, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
