#!/usr/bin/env python3
"""The lead sheets of the example songs (and of three pop songs of the shared corpus), read by
the notation programs musicians use: MuseScore 3 turns each into a PDF without an import error,
and its page carries the title and the first sung word; LilyPond (musicxml2ly, then lilypond)
engraves the examples.

Usage: musicxml_in_readers.py CANTARO EXAMPLES_DIR SHARED_DIR
Exits 77 (skipped) when MuseScore 3 or LilyPond is missing."""
import os
import shutil
import subprocess
import sys
import tempfile

EXAMPLES = [
    # file, title, a word sung on the first page (None: no lyrics)
    ("mary-had-a-little-lamb.mid", "Mary Had a Little Lamb", "lamb,"),
    ("minuet-in-g.mid", "Minuet in G", None),
    ("korobeiniki.kar", "Коробейники", "Ой,"),
]
POP = ["001.mid", "002.mid", "003.mid"]


def run(args, env, timeout=300):
    return subprocess.run(args, env=env, capture_output=True, timeout=timeout)


def main():
    cantaro, examples, shared = sys.argv[1:4]
    missing = [p for p in ("mscore3", "musicxml2ly", "lilypond") if shutil.which(p) is None]
    if missing:
        print(f"skipped: {', '.join(missing)} missing; scripts/install-deps --test installs them")
        return 77
    work = tempfile.mkdtemp()
    home = os.path.join(work, "home")
    os.makedirs(home)
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_CACHE_HOME=os.path.join(home, ".cache"),
               XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    songs = [(os.path.join(examples, f), title, word, True) for f, title, word in EXAMPLES]
    pop = os.path.join(shared, "corpus", "pop")
    if os.path.isdir(pop):
        songs += [(os.path.join(pop, f), None, None, False) for f in POP]
    else:
        print(f"the pop songs are left out: {pop} is missing")
    pdftotext = shutil.which("pdftotext")
    failures = 0
    for song, title, word, engrave in songs:
        name = os.path.splitext(os.path.basename(song))[0]
        xml = os.path.join(work, name + ".musicxml")
        made = run([cantaro, "--export", song, "--format", "musicxml", "--key", "auto", "-o", xml], env)
        if made.returncode != 0 or not os.path.isfile(xml):
            failures += 1
            print(f"{name}: the export failed ({made.returncode}): {made.stderr.decode(errors='replace')}")
            continue
        pdf = os.path.join(work, name + ".pdf")
        score = run(["mscore3", "-o", pdf, xml], env)
        output = (score.stdout + score.stderr).decode(errors="replace")
        errors = [line for line in output.splitlines() if "Error at line" in line]
        problems = []
        if score.returncode != 0:
            problems.append(f"MuseScore exited with {score.returncode}")
        if not os.path.isfile(pdf) or os.path.getsize(pdf) == 0:
            problems.append("MuseScore wrote no PDF")
        problems += errors
        if not problems and pdftotext and (title or word):
            text = run([pdftotext, pdf, "-"], env).stdout.decode(errors="replace")
            for wanted in (title, word):
                if wanted and wanted not in text:
                    problems.append(f"the PDF does not show {wanted!r}")
        if engrave:
            ly = os.path.join(work, name + ".ly")
            converted = run(["musicxml2ly", "--output", ly, xml], env)
            if converted.returncode != 0 or not os.path.isfile(ly):
                problems.append(f"musicxml2ly failed: {converted.stderr.decode(errors='replace')[-400:]}")
            else:
                engraved = run(["lilypond", "--pdf", "-o", os.path.join(work, name + "-ly"), ly], env, timeout=600)
                if engraved.returncode != 0 or not os.path.isfile(os.path.join(work, name + "-ly.pdf")):
                    problems.append(f"lilypond failed: {engraved.stderr.decode(errors='replace')[-400:]}")
        if problems:
            failures += 1
            print(f"{name}: " + "; ".join(problems))
        else:
            print(f"{name}: ok")
    shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
