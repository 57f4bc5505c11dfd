# Drives the real ruvo.exe under Wine in the test fixture's Xvfb.
#
# Every run gets its own folder with copies of the program and its help page
# and runs inside Wine's own desktop, so that the window has its frame, caption
# and close button as on Windows. e2e_tool.exe puts text on the clipboard,
# tells where the client area lies and has the program repaint it.

import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile
import time

DESKTOP = "ruvo"  # Wine's desktop window, the screen the program sees
SCREEN = (1024, 768)
TITLE = " Ruvo"
WAIT = 30.0  # seconds for any one thing to happen, on a busy machine
# Ruvo.ini gets these bytes before a step that may write it, so that a
# rewrite shows even when it writes what was there.
STALE = b'"stale",1,15,15,0\r\n'


# Returns the first true result of probe() or fails after WAIT seconds.
def poll(probe, what):
    end = time.monotonic() + WAIT
    while not (result := probe()):
        assert time.monotonic() < end, "timed out waiting for " + what
        time.sleep(0.2)
    return result


# Wine paints after it handles an event; give it a moment.
def settle():
    time.sleep(0.8)


# Groups whole numbers into runs of neighbours, in order: [[1, 2], [5], ...].
def runs(values):
    values = sorted(values)
    starts = [i for i, v in enumerate(values) if i == 0 or v > values[i - 1] + 1]
    return [values[a:b] for a, b in zip(starts, starts[1:] + [len(values)])]


# Ink grouped into runs of adjacent x, right to left, as pixel sets.
def columns(ink):
    return [{p for p in ink if p[0] in group} for group in reversed(runs({x for x, _ in ink}))]


# How many characters a column of ink shows apart: its runs of ink rows.
def characters(column):
    return len(runs({y for _, y in column}))


# One run of ruvo.exe in a folder of its own, for the length of a `with`
# block. The runner sets exe, tool and shots (the screenshots' folder).
class Ruvo:
    exe = tool = shots = None

    def __init__(self, name, settings=None):
        state = os.environ["RUVO_WINE_STATE"]
        display = ":" + pathlib.Path(state, "display").read_text().strip()
        self.env = dict(os.environ, WINEPREFIX=os.path.join(state, "prefix"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="ja_JP.UTF-8", DISPLAY=display)
        self.folder = tempfile.mkdtemp(prefix="ruvo-e2e-")
        self.shot_folder = os.path.join(Ruvo.shots, name)
        shutil.rmtree(self.shot_folder, ignore_errors=True)  # an earlier run's
        os.makedirs(self.shot_folder)
        self.shot_count = 0
        for file in (Ruvo.exe, os.path.join(os.path.dirname(Ruvo.exe), "ruvo.html")):
            shutil.copy(file, self.folder)
        self.ini = pathlib.Path(self.folder, "Ruvo.ini")
        if settings is not None:
            self.ini.write_bytes(settings)

    def __enter__(self):
        exe = "Z:" + os.path.join(self.folder, "ruvo.exe").replace("/", "\\")
        self.process = subprocess.Popen(
            ["wine", "explorer", "/desktop=%s,%dx%d" % (DESKTOP, *SCREEN), exe], env=self.env,
            cwd=self.folder, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            poll(self.windows, "the program's window")
        except AssertionError:
            self.__exit__()
            raise
        settle()
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            # The desktop, ruvo.exe and its launcher share one process group.
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=WAIT)
        shutil.rmtree(self.folder, ignore_errors=True)

    # Has Wine's browser launcher hand web pages to this shell script. Wine
    # registers .html as a web page only with its HTML engine, which the test
    # prefix leaves out; so that is done here.
    def use_browser(self, script):
        browser = pathlib.Path(self.folder, "browser")
        browser.write_text("#!/bin/sh\n" + script)
        browser.chmod(0o755)
        self.call("wine", "reg", "add", r"HKCR\.html", "/ve", "/d", "htmlfile", "/f")
        self.call("wine", "reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d",
                  str(browser), "/f")

    # Runs a program to its end and returns its output, through a file: Wine
    # processes that a Windows program starts inherit the output and would
    # hold a pipe open.
    def call(self, *args):
        with tempfile.TemporaryFile() as out:
            subprocess.run(args, env=self.env, check=True, stdin=subprocess.DEVNULL, stdout=out,
                           stderr=subprocess.DEVNULL, timeout=WAIT)
            out.seek(0)
            return out.read()

    def keys(self, *names):
        self.call("xdotool", "key", "--delay", "300", *names)
        time.sleep(0.3)

    # (caption, x, y, width, height) of each window ruvo.exe shows.
    def windows(self):
        tree = self.call("xwininfo", "-root", "-tree").decode(errors="replace")
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

    # Has the program paint its client area anew, as after a cover on Windows.
    def repaint(self):
        self.call("wine", Ruvo.tool, "repaint", DESKTOP)
        settle()

    # Takes a screenshot, kept for a person to look at, and returns its dark
    # pixels (text colour on the window colour) in the box (left, top, right,
    # bottom), by default the client area, as (x, y).
    def ink(self, label, box=None):
        left, top, right, bottom = box or self.client()[:4]
        width = right - left
        self.shot_count += 1
        path = os.path.join(self.shot_folder, f"{self.shot_count:02d}-{label}.png")
        gray = self.call("convert", "x:root", "-write", path, "-crop",
                         f"{width}x{bottom - top}+{left}+{top}", "-depth", "8", "gray:-")
        assert len(gray) == width * (bottom - top), f"{label}: the box is off the screen"
        return {(left + i % width, top + i // width) for i, v in enumerate(gray) if v < 128}

    # Clicks low in the client area, clear of the caption and the menu, and
    # returns the settings line the click wrote.
    def click(self):
        left, _, right, bottom = self.client()[:4]
        self.ini.write_bytes(STALE)
        self.call("xdotool", "mousemove", str((left + right) // 2), str(bottom - 5), "click", "1")
        line = poll(lambda: (data := self.ini.read_bytes()) != STALE and data,
                    "the settings write after a click")
        settle()
        return line

    # Puts text on the clipboard as it is (X's clipboard would turn every
    # LF into CR LF) and clicks; returns the settings line written.
    def show(self, text):
        clip = pathlib.Path(self.folder, "clip.txt")
        clip.write_text(text, encoding="utf-8", newline="")
        self.call("wine", Ruvo.tool, "clip", "Z:" + str(clip).replace("/", "\\"))
        return self.click()

    def frame_size_menu(self):
        # Alt+O opens the drop-down at フォント; Down moves to フレームサイズ and
        # Right opens its submenu. (The shared access key S would do under
        # Windows, where it cycles between the two items; Wine runs the first.)
        self.keys("alt+o", "Down", "Right")
        settle()

    # Ends the program with keys; returns Ruvo.ini as it is then.
    def close(self, *keys):
        self.ini.write_bytes(STALE)
        self.keys(*keys)
        self.process.wait(timeout=WAIT)
        return self.ini.read_bytes()
