#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up and memory benchmark of the real program.

Part 1 starts the game and a bare Qt main window of the same size
(build/bench/bare_window) alternately, measures the time from exec to the
first painted frame (both report it on standard error when
PARLAVINTO_FIRST_FRAME is set) and the peak resident memory of each process
(it is ended a moment after its first frame, so work that start-up leaves to
the background is counted), and prints medians and ratios.

Part 2 plays one scripted turn under Xvfb with xdotool: a player is entered,
the question editor loads a question of the user's own question file (with a
picture and a clip from the data folder's "Daten/"), its test game runs the
announcement and shows the question with the picture while the clip plays,
and a right answer is given. The peak resident memory is read at each step.

Usage (from the source folder, after building):
    python3 bench/startup.py [--build build] [--runs 10] [--skip-turn]
Without DISPLAY it runs itself under xvfb-run.
"""
import argparse
import os
import selectors
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

SCREEN = "1280x1024x24"
MARKER = "parlavinto-first-frame"


def now_us():
    return time.clock_gettime_ns(time.CLOCK_MONOTONIC) // 1000


def base_env(data_home, runtime):
    env = dict(os.environ)
    env.update({
        "XDG_DATA_HOME": data_home,
        "XDG_RUNTIME_DIR": runtime,
        "SDL_AUDIODRIVER": env.get("SDL_AUDIODRIVER", "dummy"),
        "PARLAVINTO_FIRST_FRAME": "1",
        "LANG": "C.UTF-8",
    })
    return env


class Run:
    """One process started for measuring; ended with SIGTERM."""

    def __init__(self, cmd, env):
        self.t0 = now_us()
        self.proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.first_frame_us = None
        self.buf = b""

    def wait_first_frame(self, timeout=30.0):
        sel = selectors.DefaultSelector()
        sel.register(self.proc.stderr, selectors.EVENT_READ)
        end = time.monotonic() + timeout
        while self.first_frame_us is None and time.monotonic() < end:
            if not sel.select(timeout=max(0.0, end - time.monotonic())):
                break
            chunk = os.read(self.proc.stderr.fileno(), 65536)
            if not chunk:
                break
            self.buf += chunk
            for line in self.buf.decode(errors="replace").splitlines():
                if line.startswith(MARKER):
                    self.first_frame_us = int(line.split()[1])
        sel.close()
        if self.first_frame_us is None:
            raise RuntimeError("no first frame reported by %s" % self.proc.args)
        return (self.first_frame_us - self.t0) / 1000.0

    def hwm_kb(self):
        try:
            with open("/proc/%d/status" % self.proc.pid) as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        return int(line.split()[1])
        except OSError:
            pass
        return 0

    def end(self):
        """Ends the process; returns its peak resident memory in kB."""
        self.proc.send_signal(signal.SIGTERM)
        # The pipe is drained while the process ends, and closed only after
        # the drain has seen its end (so its descriptor is not reused early).
        drain = threading.Thread(target=self._drain, daemon=True)
        drain.start()
        _, _, usage = os.wait4(self.proc.pid, 0)
        self.proc.returncode = 0
        drain.join(timeout=10)
        self.proc.stderr.close()
        return usage.ru_maxrss

    def _drain(self):
        try:
            while os.read(self.proc.stderr.fileno(), 65536):
                pass
        except (OSError, ValueError):
            pass


def prepare_data_folder(exe, data_home, runtime):
    """A first start makes the data folder, so the measured starts are normal ones."""
    r = Run([exe], base_env(data_home, runtime))
    r.wait_first_frame()
    time.sleep(0.5)
    r.end()


def startup_part(exe, bare, runs, settle, data_home, runtime):
    env = base_env(data_home, runtime)
    results = {"game": ([], []), "bare": ([], [])}
    for i in range(runs):
        for name, cmd in (("game", [exe]), ("bare", [bare])) if i % 2 == 0 else (("bare", [bare]), ("game", [exe])):
            r = Run(cmd, env)
            ms = r.wait_first_frame()
            time.sleep(settle)
            kb = r.end()
            results[name][0].append(ms)
            results[name][1].append(kb / 1024.0)
            time.sleep(0.2)
    g_ms, b_ms = statistics.median(results["game"][0]), statistics.median(results["bare"][0])
    g_mb, b_mb = statistics.median(results["game"][1]), statistics.median(results["bare"][1])
    print("Start-up, %d runs each, alternating (median; min..max):" % runs)
    for name in ("game", "bare"):
        ms, mb = results[name]
        print("  %-5s exec to first frame %7.1f ms (%.1f..%.1f)   peak RSS %6.1f MB (%.1f..%.1f)" % (
            name, statistics.median(ms), min(ms), max(ms), statistics.median(mb), min(mb), max(mb)))
    print("  ratio game / bare window: first frame %.2f x, peak RSS %.2f x" % (g_ms / b_ms, g_mb / b_mb))
    return g_ms / b_ms


# ---------------------------------------------------------------- part 2

def write_png(path, w, h):
    """An opaque RGB picture with a gradient (a photo-sized question picture)."""
    import struct
    import zlib
    rows = bytearray()
    for y in range(h):
        rows.append(0)
        for x in range(w):
            rows += bytes(((x * 255) // w, (y * 255) // h, ((x + y) * 255) // (w + h)))

    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 6)))
        f.write(chunk(b"IEND", b""))


def prepare_user_question(src_dir, data_folder):
    daten = os.path.join(data_folder, "Daten")
    os.makedirs(daten, exist_ok=True)
    write_png(os.path.join(daten, "bench_bild.png"), 640, 480)
    shutil.copy(os.path.join(src_dir, "assets", "Sounds", "Hoeren_Dreivierteltakt.ogg"),
                os.path.join(daten, "bench_klang.ogg"))
    lines = [
        "[Quiz 1]",
        "Frage=Welcher Takt ist das?",
        "Problem=12",
        "Bereich=Instrumente",
        "Lösung=2",
        "Bild=bench_bild.png",
        "Audio=bench_klang.ogg",
        "Antwort 1=Zweivierteltakt",
        "Erklärung 1=Zu wenige Schläge.",
        "Antwort 2=Dreivierteltakt",
        "Erklärung 2=Richtig!",
        "Antwort 3=Viervierteltakt",
        "Erklärung 3=Zu viele Schläge.",
    ]
    with open(os.path.join(data_folder, "Fragen 0.dat"), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("latin-1"))


def xdo(*args):
    return subprocess.run(["xdotool"] + [str(a) for a in args], check=True, capture_output=True, text=True).stdout


def shot(path):
    if path:
        subprocess.run(["import", "-window", "root", path], check=False, capture_output=True)


def turn_part(exe, src_dir, data_home, runtime, shots):
    data_folder = os.path.join(data_home, "Brelquisto", "Parlavinto")
    prepare_user_question(src_dir, data_folder)
    env = base_env(data_home, runtime)
    r = Run([exe], env)
    r.wait_first_frame()
    steps = []

    def step(name, pause, picture=None):
        time.sleep(pause)
        if shots and picture:
            shot(os.path.join(shots, picture))
        steps.append((name, r.hwm_kb() / 1024.0))

    win = xdo("search", "--sync", "--onlyvisible", "--name", "Parlavinto").split()[0]
    geo = dict(l.split("=") for l in xdo("getwindowgeometry", "--shell", win).split())
    wx, wy = int(geo["X"]), int(geo["Y"])
    step("player form shown", 0.5)
    # The name field has the focus.
    xdo("type", "--delay", "20", "Anna")
    xdo("key", "Tab")
    xdo("type", "--delay", "20", "12")
    # "Weiter" of the player form; its place is fixed by the form layout.
    xdo("mousemove", wx + POS["weiter"][0], wy + POS["weiter"][1], "click", "1")
    step("player entered", 0.5, "turn_1_start.png")
    # Question editor (Start -> Fragen erstellen); stepping the number up and
    # down again loads question 1 of the user's file.
    xdo("mousemove", wx + POS["start_menu"][0], wy + POS["start_menu"][1], "click", "1")
    time.sleep(0.4)
    xdo("mousemove", wx + POS["fragen_erstellen"][0], wy + POS["fragen_erstellen"][1], "click", "1")
    time.sleep(0.6)
    xdo("mousemove", wx + POS["nummer_auf"][0], wy + POS["nummer_auf"][1], "click", "1")
    time.sleep(0.3)
    xdo("mousemove", wx + POS["nummer_ab"][0], wy + POS["nummer_ab"][1], "click", "1")
    step("editor with question 1", 0.6, "turn_2_editor.png")
    # Test game (toolbar play button): announcement, then the question.
    xdo("mousemove", wx + POS["play"][0], wy + POS["play"][1], "click", "1")
    step("announcement, first second", 1.0, "turn_3_announcement.png")
    step("announcement, second half", 4.5, "turn_4_announcement.png")
    step("question with picture and clip", 4.0, "turn_5_question.png")
    xdo("key", "2")
    step("solution", 1.0, "turn_6_solution.png")
    kb = r.end()
    print("\nOne game turn (test game of a user question with a 640 x 480 picture and a clip):")
    for name, mb in steps:
        print("  %-34s peak RSS so far %6.1f MB" % (name, mb))
    print("  %-34s peak RSS           %6.1f MB" % ("whole run", kb / 1024.0))
    return kb / 1024.0


# Places of the gadgets that the turn clicks, relative to the main window's
# top-left corner (window without decorations, client area 1024 x 768).
POS = {
    "weiter": (406, 703),
    "start_menu": (78, 3),
    "fragen_erstellen": (140, 117),
    "nummer_auf": (95, 207),
    "nummer_ab": (79, 207),
    "play": (88, 47),
}


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default="build", help="build folder (default: build)")
    ap.add_argument("--exe", default="", help="the game executable (default: BUILD/parlavinto)")
    ap.add_argument("--runs", type=int, default=10, help="starts of each program (default: 10)")
    ap.add_argument("--settle", type=float, default=1.0, help="seconds a start runs on after its first frame")
    ap.add_argument("--skip-turn", action="store_true", help="only the start-up part")
    ap.add_argument("--skip-startup", action="store_true", help="only the game turn")
    ap.add_argument("--shots", default="", help="folder for screenshots of the turn")
    args = ap.parse_args()

    if not os.environ.get("DISPLAY") and not os.environ.get("QT_QPA_PLATFORM"):
        if not shutil.which("xvfb-run"):
            sys.exit("needs DISPLAY, xvfb-run or QT_QPA_PLATFORM=offscreen")
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 " + SCREEN, sys.executable] + sys.argv)

    src_dir = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    build = os.path.abspath(args.build)
    exe = os.path.abspath(args.exe) if args.exe else os.path.join(build, "parlavinto")
    bare = os.path.join(build, "bench", "bare_window")
    for p in (exe, bare):
        if not os.access(p, os.X_OK):
            sys.exit("missing %s: build first (cmake --build %s)" % (p, args.build))

    with tempfile.TemporaryDirectory(prefix="parlavinto-bench-") as box:
        data_home = os.path.join(box, "data")
        runtime = os.path.join(box, "runtime")
        os.makedirs(data_home)
        os.makedirs(runtime, mode=0o700)
        print("Platform: %s" % ("offscreen" if os.environ.get("QT_QPA_PLATFORM") == "offscreen"
                                 else "X display " + os.environ.get("DISPLAY", "")))
        prepare_data_folder(exe, data_home, runtime)
        if not args.skip_startup:
            startup_part(exe, bare, args.runs, args.settle, data_home, runtime)
        if args.skip_turn:
            return
        if os.environ.get("QT_QPA_PLATFORM") == "offscreen" or not shutil.which("xdotool"):
            print("\nGame turn skipped: needs an X display and xdotool.")
            return
        shots = os.path.abspath(args.shots) if args.shots else ""
        if shots:
            os.makedirs(shots, exist_ok=True)
        turn_part(exe, src_dir, data_home, runtime, shots)


if __name__ == "__main__":
    main()
