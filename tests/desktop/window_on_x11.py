#!/usr/bin/env python3
"""The window under a real X server (Xvfb) with a window manager (openbox).

  window_on_x11.py CANTARO [--screenshot OUT.png [--stage-screenshot STAGE.png]]

Checks, each on a fresh display:
  - start, move, quit, three times: the window opens where it was closed;
  - 96 dpi on 1920 x 1080, 144 dpi fonts on a 1280 x 800 screen and the scales 1.25, 1.5 and 2
    on 1600 x 1000, 1920 x 1200 and 2560 x 1600: every visible control lies on the screen, no
    caption is cut, the tool bars show every control (no extension button "»"), and the piano's
    key outlines, sampled from a picture of the screen, are one device pixel wide.
With --screenshot it writes the window after finding the chords of the karaoke example.
Exits 77 (skipped) when Xvfb, openbox or xdotool is missing.
"""
import os, shutil, subprocess, sys, tempfile, time

SKIP = 77
HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLE = os.path.join(HERE, "..", "..", "examples", "korobeiniki.kar")


def wait_for(pred, seconds=30.0, step=0.1):
    end = time.time() + seconds
    while time.time() < end:
        value = pred()
        if value:
            return value
        time.sleep(step)
    return None


class Display:
    def __init__(self, width, height, number):
        self.env = dict(os.environ)
        self.env["DISPLAY"] = ":%d" % number
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.xvfb = subprocess.Popen(["Xvfb", self.env["DISPLAY"], "-screen", "0", "%dx%dx24" % (width, height),
                                      "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                               capture_output=True).returncode == 0, 10):
            raise RuntimeError("Xvfb did not start on " + self.env["DISPLAY"])
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)

    def close(self):
        for p in (self.wm, self.xvfb):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True).stdout.strip()


class Run:
    """One start of the program with its own settings folder and a control dump."""

    def __init__(self, display, program_dir, config, extra_env=None, args=()):
        self.display = display
        self.dump = os.path.join(config, "controls.txt")
        if os.path.exists(self.dump):
            os.remove(self.dump)
        env = dict(display.env)
        env.update({"XDG_CONFIG_HOME": config, "CANTARO_DUMP_CONTROLS": self.dump,
                    "ASAN_OPTIONS": "detect_leaks=0"})
        env.update(extra_env or {})
        self.proc = subprocess.Popen([os.path.join(program_dir, "cantaro"), *args], env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = None

    def controls(self, seconds=40):
        if not wait_for(lambda: os.path.exists(self.dump), seconds):
            raise RuntimeError("the window wrote no control list")
        time.sleep(0.3)
        rows = []
        with open(self.dump, encoding="utf-8") as f:
            for line in f:
                name, kind, x, y, w, h, cut = line.rstrip("\n").split("\t")
                rows.append((name, kind, int(x), int(y), int(w), int(h), cut == "1"))
        return rows

    def dismiss_boxes(self):
        # Message boxes of the start (no sound in Xvfb): Enter closes each.
        for _ in range(4):
            ids = self.display.xdotool("search", "--onlyvisible", "--name", "Внимание|Warning|Ошибка")
            if not ids:
                return
            for wid in ids.split():
                self.display.xdotool("windowactivate", "--sync", wid)
                self.display.xdotool("key", "Return")
            time.sleep(0.5)

    def main_window(self):
        ids = wait_for(lambda: self.display.xdotool("search", "--onlyvisible", "--name", "^Cantaro"), 20)
        if not ids:
            raise RuntimeError("no main window")
        return ids.split()[0]

    def quit(self):
        self.dismiss_boxes()
        wid = self.main_window()
        self.display.xdotool("windowactivate", "--sync", wid)
        self.display.xdotool("key", "ctrl+q")
        try:
            self.proc.wait(20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise RuntimeError("the window did not close on Ctrl+Q")


def answer_questions(d):
    # The chord search may ask first (the key of the song): Enter takes the default answer.
    for _ in range(4):
        boxes = d.xdotool("search", "--onlyvisible", "--name", "Подтверждение|Тональность|Внимание")
        if not boxes:
            break
        for b in boxes.split():
            d.xdotool("windowactivate", "--sync", b)
            d.xdotool("key", "Return")
        time.sleep(2)


# The tool bars' controls, by the names the window gives them.
TOOLBAR_CONTROLS = ["actLoad", "actSearchSongChords", "actWriteText", "actRewind", "actPlay", "actOptions",
                    "edtTime", "edtTicks", "edtLength", "cbBpm", "cbRootOrig", "actFindRoot", "cbTranspos",
                    "stRootNew"]


def check_toolbars(rows, label):
    failures = []
    names = set(r[0] for r in rows)
    if "qt_toolbar_ext_button" in names:
        failures.append("%s: a tool bar hides controls behind its extension button" % label)
    for name in TOOLBAR_CONTROLS:
        if name not in names:
            failures.append("%s: %s is not shown" % (label, name))
    return failures


def pixel_row(env, image, y, x0, width):
    """The colours of one row of a picture, as "#RRGGBB" strings."""
    out = subprocess.run(["convert", image, "-crop", "%dx1+%d+%d" % (width, x0, y), "+repage", "txt:-"],
                         env=env, capture_output=True, text=True, check=True).stdout
    colours = []
    for line in out.splitlines()[1:]:
        hash_at = line.find("#")
        colours.append(line[hash_at:hash_at + 7].upper())
    return colours


def check_piano(d, rows, scale, label, work):
    """The outlines of the white keys, in the lower part of the piano, are runs of one pixel."""
    piano = next((r for r in rows if r[0] == "MidiPiano"), None)
    if not piano:
        return ["%s: no piano" % label]
    shot = os.path.join(work, "piano.png")
    subprocess.run(["import", "-window", "root", shot], env=d.env, check=True)
    x, y, w, h = [int(round(v * scale)) for v in piano[2:6]]
    colours = pixel_row(d.env, shot, y + h - int(round(4 * scale)), x, w)
    runs, last = [], None
    for i, c in enumerate(colours):
        if c == "#0000FF":  # the outline (Border, blue)
            if last is not None and last == i - 1:
                runs[-1] += 1
            else:
                runs.append(1)
            last = i
    if len(runs) < 28:
        return ["%s: the piano shows %d outlines, fewer than four octaves need" % (label, len(runs))]
    wide = [r for r in runs if r != 1]
    if wide:
        return ["%s: %d key outlines are wider than one device pixel (%s)" % (label, len(wide), wide[:5])]
    return []


def client_of(rows):
    return next(r for r in rows if r[0] == "client")[2:6]


def check_on_screen(rows, label):
    failures = []
    avail = next(r for r in rows if r[0] == "available")[2:6]
    ax, ay, aw, ah = avail
    for name, kind, x, y, w, h, cut in rows:
        if kind in ("window", "screen"):
            continue
        if x < ax or y < ay or x + w > ax + aw or y + h > ay + ah:
            failures.append("%s: %s (%s) at %d,%d %dx%d lies outside the screen %s" % (label, name, kind, x, y, w, h, avail))
        if cut:
            failures.append("%s: the text of %s (%s) is cut" % (label, name, kind))
    frame = next(r for r in rows if r[0] == "frame")[2:6]
    if frame[1] < ay:
        failures.append("%s: the title bar is above the screen (%s)" % (label, frame))
    return failures


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program = os.path.abspath(sys.argv[1])
    shot = sys.argv[sys.argv.index("--screenshot") + 1] if "--screenshot" in sys.argv else None
    stage_shot = sys.argv[sys.argv.index("--stage-screenshot") + 1] if "--stage-screenshot" in sys.argv else None
    for tool in ("Xvfb", "openbox", "xdotool"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return SKIP
    work = tempfile.mkdtemp(prefix="cantaro-x11-")
    # The program alone in a folder, so that its settings go to the scratch configuration
    # folder and not into an INI folder beside a build.
    program_dir = os.path.join(work, "bin")
    os.makedirs(program_dir)
    shutil.copy2(program, program_dir)
    src_dir = os.path.dirname(program)
    for name in os.listdir(src_dir):
        if name.startswith("cantaro.") or name == "logocto.bmp":
            shutil.copy2(os.path.join(src_dir, name), program_dir)
    failures = []
    number = 90 + os.getpid() % 100
    try:
        if shot:
            d = Display(1280, 800, number)
            try:
                config = os.path.join(work, "shot")
                os.makedirs(os.path.join(config, "cantaro"))
                # The expanded layout, with the events and the lyrics.
                with open(os.path.join(config, "cantaro", "cantaro.ini"), "w", encoding="utf-8") as f:
                    f.write("[Main]\nFormOpened=1\n")
                # The song from a plain folder, whose path the title shows.
                songs = "/tmp/cantaro-screenshot"
                os.makedirs(songs, exist_ok=True)
                song = shutil.copy(EXAMPLE, songs)
                run = Run(d, program_dir, config, args=[song])
                run.controls()
                run.dismiss_boxes()
                wid = run.main_window()
                d.xdotool("windowactivate", "--sync", wid)
                d.xdotool("key", "F8")
                time.sleep(2)
                answer_questions(d)
                time.sleep(1)
                subprocess.run(["import", "-window", wid, "-frame", shot], env=d.env, check=True)
                if stage_shot:
                    # The performing view, a while into the song.
                    d.xdotool("windowactivate", "--sync", wid)
                    d.xdotool("key", "F11")
                    time.sleep(1)
                    d.xdotool("key", "F9")
                    time.sleep(14)
                    subprocess.run(["import", "-window", "root", stage_shot], env=d.env, check=True)
                    d.xdotool("key", "F9")
                    d.xdotool("key", "Escape")
                    time.sleep(1)
                run.quit()
            finally:
                d.close()
                shutil.rmtree("/tmp/cantaro-screenshot", ignore_errors=True)
            print("wrote", shot)
            return 0

        # Start, move, quit, three times: the window opens where it was closed.
        d = Display(1280, 800, number)
        try:
            config = os.path.join(work, "move")
            os.makedirs(config)
            expected = None
            # The window with the chord sheet beside the grids is about 1100 pixels wide.
            for cycle, to in enumerate([(150, 219), (40, 60), (170, 140)]):
                run = Run(d, program_dir, config)
                rows = run.controls()
                run.dismiss_boxes()
                time.sleep(0.5)
                rows = run.controls()
                now = client_of(rows)
                if expected is not None and tuple(now) != tuple(expected):
                    failures.append("run %d opened at %s, closed at %s" % (cycle + 1, now, expected))
                failures += check_on_screen(rows, "run %d" % (cycle + 1))
                wid = run.main_window()
                d.xdotool("windowmove", "--sync", wid, str(to[0]), str(to[1]))
                time.sleep(1.0)
                expected = client_of(run.controls())
                run.quit()
            run = Run(d, program_dir, config)
            run.controls()
            time.sleep(0.5)
            now = client_of(run.controls())
            if tuple(now) != tuple(expected):
                failures.append("the last run opened at %s, closed at %s" % (now, expected))
            run.quit()
        finally:
            d.close()

        # Large fonts and scales: every control on the screen, no caption cut.
        cases = [(1920, 1080, {}), (1280, 800, {"QT_FONT_DPI": "144"})]
        cases += [(w, h, {"QT_SCALE_FACTOR": f}) for (w, h) in [(1600, 1000), (1920, 1200), (2560, 1600)]
                  for f in ("1.25", "1.5", "2")]
        for i, (w, h, env) in enumerate(cases):
            d = Display(w, h, number + 1 + i)
            try:
                config = os.path.join(work, "scale%d" % i)
                os.makedirs(os.path.join(config, "cantaro"))
                # The compact layout.
                with open(os.path.join(config, "cantaro", "cantaro.ini"), "w", encoding="utf-8") as f:
                    f.write("[Main]\nFormOpened=0\n")
                run = Run(d, program_dir, config, env, args=[EXAMPLE])
                run.controls()
                run.dismiss_boxes()
                time.sleep(1.0)
                label = "%dx%d %s" % (w, h, " ".join("%s=%s" % kv for kv in env.items()))
                rows = run.controls()
                failures += check_on_screen(rows, label)
                failures += check_toolbars(rows, label)
                scale = next(r for r in rows if r[0] == "ratio")[2] / 1000.0
                failures += check_piano(d, rows, scale, label, work)
                if os.environ.get("CANTARO_X11_SHOTS"):
                    subprocess.run(["import", "-window", "root", os.path.join(os.environ["CANTARO_X11_SHOTS"],
                                    "%dx%d-%s.png" % (w, h, "-".join(env.values()) or "96dpi"))], env=d.env)
                # After the chords are found the chord sheet stands beside the beat grid.
                wid = run.main_window()
                d.xdotool("windowactivate", "--sync", wid)
                os.remove(run.dump)
                d.xdotool("key", "F8")
                time.sleep(2)
                answer_questions(d)
                rows = run.controls()
                time.sleep(1.0)
                rows = run.controls()
                if not any(r[0] == "pnlSheet" and r[4] >= 100 and r[5] >= 100 for r in rows):
                    failures.append("%s: no chord sheet after F8" % label)
                failures += check_on_screen(rows, label + " after F8")
                failures += check_toolbars(rows, label + " after F8")
                run.quit()
            finally:
                d.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for f in failures:
        print("FAIL", f)
    print("window on X11: %d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
