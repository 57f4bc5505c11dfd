# Drives the real ruvo.exe under Wine in the test fixture's Xvfb, with the
# environment of tools/wine-env.sh.
#
# Every run gets a folder of its own with copies of the program and its help
# page, kept afterwards with the run's screenshots and Ruvo.ini for a person
# to look at. It runs inside Wine's own desktop, so that the window has its
# frame, caption and close button as on Windows. e2e_tool.exe puts text on
# the clipboard, saves the bitmap the program put there, tells where the
# client area lies and has the program repaint it.

import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile
import time
from itertools import groupby

DESKTOP = "ruvo"  # Wine's desktop window, the screen the program sees
SCREEN = (1024, 768)
WAIT = 30.0  # seconds for any one thing to happen, on a busy machine
# Ruvo.ini gets these bytes before a step that may write it, so that a
# rewrite shows even when it writes what was there.
STALE = b'"stale",1,15,15,0\r\n'


# Wine paints after it handles an event; give it a moment.
def settle():
    time.sleep(0.8)


# Returns the first true result of probe(), once Wine has painted, or fails
# after WAIT seconds.
def poll(probe, what):
    end = time.monotonic() + WAIT
    while not (result := probe()):
        assert time.monotonic() < end, "timed out waiting for " + what
        time.sleep(0.2)
    settle()
    return result


# Groups whole numbers into runs of neighbours, in order: [[1, 2], [5], ...]
# (within a run, value minus place is the same).
def runs(values):
    return [[v for _, v in g] for _, g in groupby(enumerate(sorted(values)), lambda p: p[1] - p[0])]


# The ink's columns (runs of adjacent x) right to left, each as how many
# characters it shows apart (its runs of ink rows).
def columns(ink):
    return [len(runs({y for x, y in ink if x in xs})) for xs in reversed(runs({x for x, _ in ink}))]


# One run of ruvo.exe in the folder `name` of the screenshots' folder, for
# the length of a `with` block, which waits for what it needs. The runner
# sets exe, tool and shots.
class Ruvo:
    exe = tool = shots = None

    def __init__(self, name, settings=None):
        self.folder = os.path.join(Ruvo.shots, name)
        shutil.rmtree(self.folder, ignore_errors=True)  # an earlier run's
        os.makedirs(self.folder)
        for file in (Ruvo.exe, os.path.join(os.path.dirname(Ruvo.exe), "ruvo.html")):
            shutil.copy(file, self.folder)
        self.ini = pathlib.Path(self.folder, "Ruvo.ini")
        if settings is not None:
            self.ini.write_bytes(settings)

    def __enter__(self):
        self.process = subprocess.Popen(
            ["wine", "explorer", "/desktop=%s,%dx%d" % (DESKTOP, *SCREEN), "ruvo.exe"],
            cwd=self.folder, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            # The desktop, ruvo.exe and its launcher share one process group.
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=WAIT)

    # Runs a program to its end and returns its output, through a file: Wine
    # processes that a Windows program starts inherit the output and would
    # hold a pipe open.
    def call(self, *args):
        with tempfile.TemporaryFile() as out:
            subprocess.run(args, check=True, stdin=subprocess.DEVNULL, stdout=out,
                           stderr=subprocess.DEVNULL, timeout=WAIT)
            out.seek(0)
            return out.read()

    def keys(self, *names):
        self.call("xdotool", "key", "--delay", "300", *names)
        settle()

    # Ends the program with keys.
    def close(self, *keys):
        self.keys(*keys)
        self.process.wait(timeout=WAIT)

    # Has Wine's browser launcher hand web pages to a script that notes them,
    # presses keys and returns the pages noted. Wine registers .html as a web
    # page only with its HTML engine, which the test prefix leaves out; so
    # that is done here.
    def browse(self, *keys):
        browser, given = pathlib.Path(self.folder, "browser"), pathlib.Path(self.folder, "given")
        browser.write_text(f'#!/bin/sh\nprintf "%s\\n" "$@" >>"{given}"\n')
        browser.chmod(0o755)
        self.call("wine", "reg", "add", r"HKCR\.html", "/ve", "/d", "htmlfile", "/f")
        self.call("wine", "reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d",
                  str(browser), "/f")
        self.keys(*keys)
        return poll(lambda: given.exists() and given.read_text(), "the browser to be given a page")

    # (caption, x, y, width, height) of each window ruvo.exe shows.
    def windows(self):
        # xwininfo fails when a window goes while it looks; what it saw is enough.
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True,
                              errors="replace", timeout=WAIT).stdout
        pattern = re.compile(r'0x[0-9a-f]+ "(.*)": \("ruvo\.exe" "ruvo\.exe"\)\s+'
                             r'(\d+)x(\d+)\+(-?\d+)\+(-?\d+)')
        found = [(m[1], *map(int, m.group(4, 5, 2, 3))) for m in pattern.finditer(tree)]
        # Wine keeps 1x1 helper windows (input method and the like) unmapped.
        return [w for w in found if w[0] != "Default IME" and w[3] > 1 and w[4] > 1]

    # (x, y, width, height) of the program's one window.
    def geometry(self):
        windows = self.windows()
        assert len(windows) == 1, f"not one window but {windows}"
        return windows[0][1:]

    # (left, top, right, bottom) of the client area on the screen, then 1 or
    # 0 for a horizontal and a vertical scroll bar.
    def client(self):
        return tuple(int(v) for v in self.call("wine", Ruvo.tool, "client", DESKTOP).split())

    # Takes a screenshot while another window covers the program's and returns
    # its ink, then has the program paint its client area anew, as Windows
    # asks a window to once the cover has gone.
    def cover(self):
        with subprocess.Popen(["xmessage", "-geometry", "300x700+0+0", "-bg", "gray50", "c"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) as cover:
            settle()
            covered = self.ink("covered")
            cover.kill()
        self.call("wine", Ruvo.tool, "repaint", DESKTOP)
        settle()
        return covered

    # Takes a screenshot (or reads another image), kept for a person to look
    # at, and returns its dark pixels (text colour on the window colour) in the
    # box (left, top, right, bottom), by default the client area, as (x, y);
    # with a `below` near 255 the faint edges of smoothed glyphs too.
    def ink(self, label, box=None, below=128, image="x:root"):
        left, top, right, bottom = box or self.client()[:4]
        width = right - left
        gray = self.call("convert", image, "-write", os.path.join(self.folder, label + ".png"),
                         "-crop", f"{width}x{bottom - top}+{left}+{top}", "-depth", "8", "gray:-")
        assert len(gray) == width * (bottom - top), f"{label}: the box is off the screen"
        return {(left + i % width, top + i // width) for i, v in enumerate(gray) if v < below}

    # Puts text on the clipboard and clicks low in the client area, clear of
    # the caption and the menu; returns the settings line the click wrote.
    def show(self, text):
        self.call("wine", Ruvo.tool, "clip", text)
        return self.click()

    def click(self):
        left, _, right, bottom = self.client()[:4]
        return self.written(lambda: self.call("xdotool", "mousemove", str((left + right) // 2),
                                              str(bottom - 5), "click", "1"), "a settings write")

    # Returns the settings line that `act` has written.
    def written(self, act, what):
        self.ini.write_bytes(STALE)
        act()
        return poll(lambda: (data := self.ini.read_bytes()) != STALE and data, what)

    # Drops files on the program, as the shell does.
    def drop(self, *files):
        self.call("wine", Ruvo.tool, "drop", DESKTOP, *map(windows_path, files))


# A file's path as Wine's programs see it.
def windows_path(file):
    return "Z:" + str(file).replace("/", "\\")
