"""Drives the real ruvo.exe under Wine in the test fixture's Xvfb.

Every run gets its own folder with a copy of the program and its settings
file, and runs inside Wine's own desktop so that the window has its frame,
caption and close button as on Windows.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

TWIPS_PER_PIXEL = 15  # Wine's default 96 dpi
DESKTOP = "ruvo,1024x768"
TITLE = " Ruvo"
WAIT = 30.0  # seconds for any one thing to happen, on a busy machine


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wine_environment():
    state = os.environ["RUVO_WINE_STATE"]
    env = dict(os.environ)
    env.update(
        WINEPREFIX=os.path.join(state, "prefix"),
        WINEDEBUG="-all",
        WINEDLLOVERRIDES="mscoree,mshtml=",
        LC_ALL="ja_JP.UTF-8",
    )
    with open(os.path.join(state, "display")) as f:
        env["DISPLAY"] = ":" + f.read().strip()
    return env


def poll(probe, what, timeout=WAIT):
    """Returns the first true result of probe() or fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.2)


def settle():
    """Wine paints after it handles an event; give it a moment."""
    time.sleep(0.8)


class Geometry:
    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.x}+{self.y}"

    def __eq__(self, other):
        return (self.x, self.y, self.width, self.height) == (
            other.x, other.y, other.width, other.height)


class Screenshot:
    """The root window as RGB rows, saved as PNG for a person to look at."""

    def __init__(self, path, env):
        subprocess.run(["import", "-window", "root", path], env=env, check=True,
                       timeout=WAIT)
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], env=env,
                             check=True, capture_output=True, timeout=WAIT).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        check(header is not None, "unexpected screenshot format")
        self.path = path
        self.width, self.height = int(header.group(1)), int(header.group(2))
        self.pixels = ppm[header.end():]

    def rgb(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])

    def ink(self, left, top, right, bottom):
        """Dark pixels (text colour on the window colour) in the box."""
        found = set()
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                if sum(self.rgb(x, y)) < 3 * 128:
                    found.add((x, y))
        return found

    def differing(self, other, left, top, right, bottom):
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if self.rgb(x, y) != other.rgb(x, y))


class Ruvo:
    """One run of ruvo.exe in a folder of its own; use it as a context manager."""

    def __init__(self, exe, shots, name, settings=None):
        self.env = wine_environment()
        self.folder = tempfile.mkdtemp(prefix="ruvo-e2e-")
        self.shots = os.path.join(shots, name)
        os.makedirs(self.shots, exist_ok=True)
        self.shot_count = 0
        shutil.copy(exe, os.path.join(self.folder, "ruvo.exe"))
        self.ini = os.path.join(self.folder, "Ruvo.ini")
        if settings is not None:
            self.write_settings(settings)
        self.process = None
        self.helpers = []
        self.window = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for helper in self.helpers:
            end_process(helper)
        if self.process is not None and self.process.poll() is None:
            # The desktop, ruvo.exe and its launcher share one process group.
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait(timeout=WAIT)
        shutil.rmtree(self.folder, ignore_errors=True)
        return False

    def start(self):
        exe = "Z:" + os.path.join(self.folder, "ruvo.exe").replace("/", "\\")
        self.process = subprocess.Popen(
            ["wine", "explorer", "/desktop=" + DESKTOP, exe], env=self.env,
            cwd=self.folder, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        self.window = self.find_window(TITLE)
        return self.window

    def find_window(self, title):
        def search():
            found = self.xdotool("search", "--name", "^" + re.escape(title) + "$",
                                 check=False)
            return found.split()[0] if found else None
        return poll(search, f"a window named {title!r}")

    def xdotool(self, *args, check=True):
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              text=True, timeout=WAIT)
        if check and done.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout.strip()

    def geometry(self, window=None):
        out = self.xdotool("getwindowgeometry", "--shell", window or self.window)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return Geometry(int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                        int(values["HEIGHT"]))

    def program_windows(self):
        """(name, width, height, x, y) of each window ruvo.exe shows."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env,
                              capture_output=True, text=True, timeout=WAIT).stdout
        pattern = re.compile(r'0x[0-9a-f]+ "(.*)": \("ruvo\.exe" "ruvo\.exe"\)\s+'
                             r'(\d+)x(\d+)\+(-?\d+)\+(-?\d+)')
        found = [(m.group(1), *map(int, m.group(2, 3, 4, 5)))
                 for m in pattern.finditer(tree)]
        # Wine keeps 1x1 helper windows (input method and the like) unmapped.
        return [w for w in found if w[0] != "Default IME" and w[1] > 1 and w[2] > 1]

    def set_clipboard(self, text):
        # -quiet keeps xclip in the foreground as the selection's owner, so it
        # can be ended by its pid.
        owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                                 env=self.env, stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        owner.stdin.write(text.encode("utf-8"))
        owner.stdin.close()
        for helper in self.helpers:
            end_process(helper)
        self.helpers = [owner]
        time.sleep(0.3)

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def click_client(self):
        """Clicks low in the client area, clear of the caption and the menu."""
        g = self.geometry()
        self.click(g.x + g.width // 2, g.y + g.height - 20)

    def keys(self, *names):
        for name in names:
            self.xdotool("key", name)
            time.sleep(0.3)

    def screenshot(self, label):
        self.shot_count += 1
        path = os.path.join(self.shots, f"{self.shot_count:02d}-{label}.png")
        return Screenshot(path, self.env)

    def settings(self):
        with open(self.ini, "rb") as f:
            return f.read()

    def write_settings(self, data):
        with open(self.ini, "wb") as f:
            f.write(data)

    def await_rewrite(self, marker, what):
        """Waits until the program has replaced the marker bytes in Ruvo.ini."""
        def rewritten():
            try:
                data = self.settings()
            except FileNotFoundError:
                return None
            return data if data != marker and data.endswith(b"\r\n") else None
        return poll(rewritten, what)

    def await_exit(self, what):
        try:
            self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after " + what) from None

    def files(self):
        return sorted(os.listdir(self.folder))


def end_process(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
