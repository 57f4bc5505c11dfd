# End-to-end scenarios of ruvo.exe under Wine.
#
# Usage: scenarios.py SCENARIO RUVO_EXE E2E_TOOL_EXE SHOT_FOLDER
# Each scenario runs the program, each run in a fresh folder, the way a user
# does, and checks the settings file, the windows and screenshots. A run goes
# on as long as its steps can share it: every start costs seconds.

import os
import subprocess
import sys

from harness import SCREEN, STALE, TITLE, WAIT, Ruvo, characters, columns, poll, settle

WORKED_EXAMPLE = b'"MS Mincho",12,1350,8550,1\r\n'
FIXED = b'"MS Mincho",12,1800,6000,0\r\n'
# Box-like kanji, so that every character's ink stands apart from the next.
FOUR_LINES = "\r\n".join("田" * n for n in (17, 5, 11, 2))


# Every line is a column of its own, all ink inside the client area and off
# its outermost pixels, the first column on the right with `longest`
# characters apart.
def check_columns(run, label, lines, longest):
    left, top, right, bottom = run.client()[:4]
    ink = run.ink(label)
    assert all(left < x < right - 1 and top < y < bottom - 1 for x, y in ink), (
        f"{label}: ink on the client area's edge")
    found = columns(ink)
    assert len(found) == lines, f"{label}: {len(found)} ink columns, not {lines}"
    assert characters(found[0]) == longest, (
        f"{label}: the first column shows {characters(found[0])} characters, not {longest}")


def start_help_and_close():
    with Ruvo("start-help-close", WORKED_EXAMPLE) as run:
        assert run.geometry() == (0, 0, 90, 570), f"not at 0,0 with 90x570: {run.geometry()}"
        assert not run.ink("started"), "the window shows ink before the first click"
        # ヘルプ hands the page beside the exe to the browser and writes nothing.
        given = os.path.join(run.folder, "given")
        run.use_browser(f'printf "%s\\n" "$@" >>"{given}"\n')
        run.keys("alt+o", "h")
        opened = poll(lambda: os.path.exists(given) and open(given).read(),
                      "the browser to be given a page")
        settle()
        assert opened == f"file://{run.folder}/ruvo.html\n", f"the browser was given {opened!r}"
        assert len(run.windows()) == 1, f"the help command left windows: {run.windows()}"
        assert run.ini.read_bytes() == WORKED_EXAMPLE, "the help command wrote the settings"
        # Closing stores the size at that moment: the unchanged worked example.
        line = run.close("alt+F4")
        assert line == WORKED_EXAMPLE, f"closing did not rewrite the same line: {line!r}"


def variable_mode_fits_the_text():
    for points in (8, 12, 24):
        with Ruvo(f"fitted-{points}pt", b'"MS Mincho",%d,1350,8550,1\r\n' % points) as run:
            line = run.show(FOUR_LINES)
            x, y, width, height = run.geometry()
            print(f"{points} pt: fitted to {width}x{height} px, client {run.client()[:4]}")
            assert line == b'"MS Mincho",%d,%d,%d,1\r\n' % (points, 15 * width, 15 * height), (
                f"the settings line {line!r} is not the window's {width}x{height}")
            check_columns(run, f"{points}pt", 4, 17)
            if points != 12:
                continue
            # The next click clears and keeps the size.
            assert run.click() == line, "the clearing click wrote another line"
            assert run.geometry() == (x, y, width, height), "the clearing click resized"
            assert not run.ink("cleared"), "the clearing click left ink"
            run.show("田田田\n田\n田田\n田田田田")
            check_columns(run, "lf-only", 4, 3)
            # A long text: the window stays on the screen, the text starts on its right.
            run.click()
            run.show("\r\n".join("田" * (1 + i % 60) for i in range(200)))
            x, y, width, height = run.geometry()
            assert x + width <= SCREEN[0] and y + height <= SCREEN[1], (
                f"the window {width}x{height}+{x}+{y} leaves the screen")
            right = run.client()[2]
            ink_right = max(px for px, _ in run.ink("long-text"))
            assert right - 8 <= ink_right < right - 2, (
                f"the first column's ink ends at {ink_right}, not at the client's right {right}")


def fixed_mode_face_cover_and_scrolling():
    # ＭＳ 明朝 in code page 932: every write gives it back byte for byte.
    face = b'"\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"'
    with Ruvo("fixed-mode", face + b",12,1800,6000,0\r\n") as run:
        line = run.show("縦書きの\r\nテスト")
        assert line == face + b",12,1800,6000,0\r\n", f"the fixed mode wrote {line!r}"
        assert run.geometry()[2:] == (120, 400), f"not the saved size: {run.geometry()}"
        drawn = run.ink("drawn")
        assert len(columns(drawn)) == 2, "the text is not in two columns"
        # The drawing comes back after another window covered it.
        cover = subprocess.Popen(["xmessage", "-geometry", "300x700+0+0", "-bg", "gray50", "c"],
                                 env=run.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        settle()
        covered = run.ink("covered")
        cover.kill()
        cover.wait()
        run.repaint()
        assert covered != drawn, "the cover did not hide the drawing"
        assert run.ink("uncovered") == drawn, "the drawing did not come back"
        # 200 lines of 1 to 7 characters, the last of 12, and just a horizontal bar.
        run.click()
        run.show("\r\n".join(["田" * (1 + i % 7) for i in range(199)] + ["田" * 12]))
        run.ini.write_bytes(STALE)  # scrolling leaves it so
        assert run.client()[4:] == (1, 0), "not just the horizontal bar shows"
        first = run.ink("first")
        run.keys("End")
        assert characters(columns(run.ink("end"))[-1]) == 12, "End did not put the last line left"
        run.keys("Home", "Next", "Prior")
        assert run.ink("page-down-up") == first, "Home, Page Down, Page Up is not the first screen"
        run.call("xdotool", "click", "5")
        settle()
        assert run.ink("wheel") != first, "the wheel did not scroll"
        assert run.ini.read_bytes() == STALE, "scrolling wrote the settings"
        # 可変, then closing, stores the variable mode.
        run.frame_size_menu()
        line = run.close("k", "alt+F4")
        assert line == face + b",12,1800,6000,1\r\n", f"closing stored {line!r}"


def variable_then_exit_keeps_the_file():
    with Ruvo("variable-then-exit", FIXED) as run:
        x, y, width, _ = run.geometry()
        box = (x, y, x + width + 300, y + 200)
        run.frame_size_menu()
        fixed_checked = run.ink("submenu-fixed-checked", box)
        run.keys("k")
        settle()
        assert len(run.windows()) == 1, f"the menu keys opened another window: {run.windows()}"
        run.frame_size_menu()
        assert run.ink("submenu-variable-checked", box) != fixed_checked, "可変 moved no check mark"
        line = run.close("Escape", "Escape", "Escape", "alt+o", "x")
        assert line == STALE, f"終了 wrote {line!r}"


def missing_settings_reports_error():
    with Ruvo("missing-settings") as run:
        # The window is already up at its start-up size when the report shows.
        windows = poll(lambda: len(w := run.windows()) == 2 and w,
                       "a second window, the error report")
        main = (TITLE, 0, 0, 90, 570)
        assert main in windows, f"the main window is not up at 90x570 in the corner: {windows}"
        _, x, y, width, height = next(w for w in windows if w != main)
        settle()
        assert len(run.ink("error-report", (x, y, x + width, y + height))) > 100, "no report text"
        assert run.process.poll() is None, "the program ended before the report was dismissed"
        run.keys("Return")
        run.process.wait(timeout=WAIT)
        files = sorted(os.listdir(run.folder))
        assert files == ["ruvo.exe", "ruvo.html"], f"the failed start created files: {files}"


SCENARIOS = (start_help_and_close, variable_mode_fits_the_text,
             fixed_mode_face_cover_and_scrolling, variable_then_exit_keeps_the_file,
             missing_settings_reports_error)

if __name__ == "__main__":
    name = sys.argv[1]
    Ruvo.exe, Ruvo.tool, Ruvo.shots = sys.argv[2:]
    try:
        {f.__name__: f for f in SCENARIOS}[name]()
    except AssertionError as failure:
        sys.exit(f"FAILED {name}: {failure}\nScreenshots: {Ruvo.shots}")
