"""Drives the real ruvo.exe under Wine in the test fixture's Xvfb.

Every run gets its own folder with a copy of the program and its settings
file, and runs inside Wine's own desktop so that the window has its frame,
caption and close button as on Windows. e2e_tool.exe, run beside it, puts
text on the clipboard and tells where the client area lies.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

TWIPS_PER_PIXEL = 15  # Wine's default 96 dpi
DESKTOP = "ruvo"  # Wine's desktop window, the screen the program sees
SCREEN = (1024, 768)
TITLE = " Ruvo"
WAIT = 30.0  # seconds for any one thing to happen, on a busy machine


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wine_environment():
    state = os.environ["RUVO_WINE_STATE"]
    env = dict(os.environ, WINEPREFIX=os.path.join(state, "prefix"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="ja_JP.UTF-8")
    with open(os.path.join(state, "display")) as f:
        env["DISPLAY"] = ":" + f.read().strip()
    return env


def poll(probe, what, timeout=WAIT):
    """Returns the first true result of probe() or fails after timeout."""
    end = time.monotonic() + timeout
    while not (result := probe()):
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.2)
    return result


def settle():
    """Wine paints after it handles an event; give it a moment."""
    time.sleep(0.8)


def runs(values):
    """Groups sorted whole numbers into runs of neighbours: [[1, 2], [5], ...]."""
    groups = []
    for v in sorted(values):
        if groups and v - groups[-1][-1] <= 1:
            groups[-1].append(v)
        else:
            groups.append([v])
    return groups


class Screenshot:
    """The root window as RGB rows, saved as PNG for a person to look at."""

    def __init__(self, path, env):
        subprocess.run(["import", "-window", "root", path], env=env, check=True, timeout=WAIT)
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], env=env, check=True,
                             capture_output=True, timeout=WAIT).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height = int(header.group(1)), int(header.group(2))
        self.pixels = ppm[header.end():]

    def rgb(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])

    def ink(self, box):
        """Dark pixels (text colour on the window colour) in (left, top, right, bottom)."""
        left, top, right, bottom = box
        return {(x, y) for y in range(max(top, 0), min(bottom, self.height))
                for x in range(max(left, 0), min(right, self.width))
                if sum(self.rgb(x, y)) < 3 * 128}

    def differing(self, other, box):
        left, top, right, bottom = box
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if self.rgb(x, y) != other.rgb(x, y))


class Ruvo:
    """One run of ruvo.exe in a folder of its own; use it as a context manager."""

    def __init__(self, exe, tool, shots, name, settings=None):
        self.env = wine_environment()
        self.tool = tool
        self.folder = tempfile.mkdtemp(prefix="ruvo-e2e-")
        self.shots = os.path.join(shots, name)
        os.makedirs(self.shots, exist_ok=True)
        self.shot_count = 0
        shutil.copy(exe, os.path.join(self.folder, "ruvo.exe"))
        self.ini = os.path.join(self.folder, "Ruvo.ini")
        if settings is not None:
            self.write_settings(settings)
        self.process = None
        self.window = None
        self.browser = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process is not None and self.process.poll() is None:
            # The desktop, ruvo.exe and its launcher share one process group.
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait(timeout=WAIT)
        if self.browser is not None:
            self.import_registry('[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\n'
                                 '"Browsers"=-\n')
        shutil.rmtree(self.folder, ignore_errors=True)
        return False

    def start(self):
        exe = "Z:" + os.path.join(self.folder, "ruvo.exe").replace("/", "\\")
        self.process = subprocess.Popen(
            ["wine", "explorer", "/desktop=%s,%dx%d" % (DESKTOP, *SCREEN), exe], env=self.env,
            cwd=self.folder, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        found = poll(lambda: self.xdotool("search", "--name", "^" + re.escape(TITLE) + "$",
                                          check=False), f"a window named {TITLE!r}")
        self.window = found.split()[0]
        settle()

    def use_browser(self, command):
        """Has Wine's browser launcher hand web pages to command until the run
        ends. Wine registers .html as a web page with its HTML engine, which
        the test prefix leaves out; so that is done here too."""
        self.browser = command
        self.import_registry('[HKEY_CLASSES_ROOT\\.html]\n@="htmlfile"\n\n'
                             '[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\n'
                             f'"Browsers"="{command}"\n')

    def import_registry(self, keys):
        path = os.path.join(self.folder, "keys.reg")
        with open(path, "w") as f:
            f.write("REGEDIT4\n\n" + keys)
        subprocess.run(["wine", "regedit", "/S", "Z:" + path.replace("/", "\\")], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True,
                       timeout=WAIT)
        os.remove(path)

    def xdotool(self, *args, check=True):
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              text=True, timeout=WAIT)
        if check and done.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout.strip()

    def run_tool(self, *args):
        # A file, not a pipe: Wine processes the tool starts (wineserver, a
        # desktop) inherit its output and would hold a pipe open.
        with tempfile.TemporaryFile() as out:
            subprocess.run(["wine", self.tool, *args], env=self.env, check=True,
                           stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                           timeout=WAIT)
            out.seek(0)
            return out.read().decode()

    def geometry(self):
        """(x, y, width, height) of the window's outer frame."""
        out = self.xdotool("getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def client(self):
        """(left, top, right, bottom) of the client area on the screen."""
        return self.client_and_bars()[:4]

    def client_and_bars(self):
        """client() and whether the horizontal and the vertical scroll bar show."""
        return tuple(int(v) for v in self.run_tool("client", DESKTOP).split())

    def program_windows(self):
        """(name, width, height, x, y) of each window ruvo.exe shows."""
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env,
                              capture_output=True, text=True, timeout=WAIT).stdout
        pattern = re.compile(r'0x[0-9a-f]+ "(.*)": \("ruvo\.exe" "ruvo\.exe"\)\s+'
                             r'(\d+)x(\d+)\+(-?\d+)\+(-?\d+)')
        found = [(m.group(1), *map(int, m.group(2, 3, 4, 5))) for m in pattern.finditer(tree)]
        # Wine keeps 1x1 helper windows (input method and the like) unmapped.
        return [w for w in found if w[0] != "Default IME" and w[1] > 1 and w[2] > 1]

    def set_clipboard(self, text):
        path = os.path.join(self.folder, "clip.txt")
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        self.run_tool("clip", "Z:" + path.replace("/", "\\"))

    def click_client(self):
        """Clicks low in the client area, clear of the caption and the menu."""
        left, top, right, bottom = self.client()
        self.xdotool("mousemove", str((left + right) // 2), str(bottom - 5), "click", "1")

    def click(self, what):
        """Clicks the client area and returns the settings line the click wrote.

        Ruvo.ini gets other bytes first, so that a rewrite shows even when it
        writes what was there."""
        stale = b'"stale",1,15,15,0\r\n'
        self.write_settings(stale)
        self.click_client()
        line = self.await_rewrite(stale, what)
        settle()
        return line

    def show(self, text):
        self.set_clipboard(text)
        return self.click("the settings write after a showing click")

    def keys(self, *names):
        for name in names:
            self.xdotool("key", name)
            time.sleep(0.3)

    def screenshot(self, label):
        self.shot_count += 1
        return Screenshot(os.path.join(self.shots, f"{self.shot_count:02d}-{label}.png"),
                          self.env)

    def client_ink(self, label):
        return self.screenshot(label).ink(self.client())

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
        return sorted(f for f in os.listdir(self.folder) if f != "clip.txt")
