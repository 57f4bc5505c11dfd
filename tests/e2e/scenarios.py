"""End-to-end scenarios of ruvo.exe under Wine.

Usage: scenarios.py SCENARIO RUVO_EXE E2E_TOOL_EXE SHOT_FOLDER
Each scenario starts the program in a fresh folder, drives it the way a user
does and checks the settings file, the window's geometry and screenshots.
"""

import os
import shutil
import subprocess
import sys

from harness import (SCREEN, TITLE, TWIPS_PER_PIXEL, Failure, Ruvo, check, poll, runs,
                     settle)

WORKED_EXAMPLE = b'"MS Mincho",12,1350,8550,1\r\n'
FIXED = b'"MS Mincho",12,1800,6000,0\r\n'
TWO_LINES = "縦書きの\r\nテスト"
# Box-like kanji, so that every character's ink stands apart from the next.
FOUR_LINES = "\r\n".join("田" * n for n in (17, 5, 11, 2))


def columns(pixels):
    """Ink grouped into runs of adjacent x, right to left, as pixel sets."""
    groups = reversed(runs({x for x, _ in pixels}))
    return [{p for p in pixels if p[0] in group} for group in groups]


def inside(box, margin):
    left, top, right, bottom = box
    return left + margin, top + margin, right - margin, bottom - margin


def fields(line):
    check(line.endswith(b"\r\n") and line.count(b"\r\n") == 1,
          f"settings file is not one CR LF line: {line!r}")
    face, rest = line[:-2].rsplit(b'"', 1)
    size, width, height, mode = rest[1:].split(b",")
    return face[1:], int(size), float(width), float(height), mode


def check_shown(run, label, lines, longest):
    """Every line is a column of its own, wholly in the client area, the
    first on the right with `longest` characters standing apart."""
    shot = run.screenshot(label)
    client = run.client()
    ink = shot.ink(client)
    check(ink == shot.ink(inside(client, 1)), f"{label}: ink on the client area's edge")
    found = columns(ink)
    check(len(found) == lines, f"{label}: {len(found)} ink columns, not {lines}")
    first = runs({y for _, y in found[0]})
    check(len(first) == longest, f"{label}: the first column shows {len(first)} characters "
                                 f"apart, not {longest}")


def startup_places_saved_size(exe, tool, shots):
    with Ruvo(exe, tool, shots, "startup", WORKED_EXAMPLE) as run:
        run.start()
        check(run.geometry() == (0, 0, 90, 570),
              f"window not at the top-left with the saved 90x570: {run.geometry()}")
        check(not run.client_ink("started"), "the window shows ink before the first click")
        # Closing stores the size at that moment: the unchanged worked example.
        run.keys("alt+F4")
        run.await_exit("closing the window")
        check(run.settings() == WORKED_EXAMPLE,
              f"closing did not rewrite the same line: {run.settings()!r}")


def fitted_window_shows_every_character(exe, tool, shots):
    for points in (8, 12, 24):
        settings = b'"MS Mincho",%d,1350,8550,1\r\n' % points
        with Ruvo(exe, tool, shots, f"fitted-{points}pt", settings) as run:
            run.start()
            line = run.show(FOUR_LINES)
            x, y, width, height = run.geometry()
            print(f"{points} pt: fitted to {width}x{height} px, client {run.client()}")
            check(fields(line) == (b"MS Mincho", points, width * TWIPS_PER_PIXEL,
                                   height * TWIPS_PER_PIXEL, b"1"),
                  f"the settings line {line!r} is not the window's {width}x{height}")
            check_shown(run, f"{points}pt", 4, 17)
            if points != 12:
                continue
            # The next click clears and keeps the size; LF-only lines are
            # columns as well.
            check(run.click("the clearing click's write") == line,
                  "the clearing click wrote another line")
            check(run.geometry() == (x, y, width, height), "the clearing click resized")
            check(not run.client_ink("cleared"), "the clearing click left ink")
            run.show("田田田\n田\n田田\n田田田田")
            check_shown(run, "lf-only", 4, 3)


def long_text_stays_on_screen(exe, tool, shots):
    with Ruvo(exe, tool, shots, "long-text", WORKED_EXAMPLE) as run:
        run.start()
        run.show("\r\n".join("田" * (1 + i % 60) for i in range(200)))
        x, y, width, height = run.geometry()
        check(x + width <= SCREEN[0] and y + height <= SCREEN[1],
              f"the window {width}x{height}+{x}+{y} leaves the screen")
        client = run.client()
        ink = run.screenshot("capped").ink(client)
        right = max(px for px, _ in ink)
        check(client[2] - 8 <= right < client[2] - 2,
              f"the first column's ink ends at {right}, not at the client's right {client[2]}")


def fixed_mode_keeps_size(exe, tool, shots):
    with Ruvo(exe, tool, shots, "fixed-mode", FIXED) as run:
        run.start()
        check(run.geometry()[2:] == (120, 400), f"fixed size not restored: {run.geometry()}")
        check(run.show(TWO_LINES) == FIXED, "the fixed mode wrote another line")
        check(run.geometry()[2:] == (120, 400), f"the fixed mode resized: {run.geometry()}")
        check(len(columns(run.client_ink("fixed"))) == 2, "the text is not in two columns")


def scrolling_moves_through_columns(exe, tool, shots):
    with Ruvo(exe, tool, shots, "scrolling", FIXED) as run:
        run.start()
        # 200 lines of 1 to 7 characters, the last one of 12.
        run.show("\r\n".join(["田" * (1 + i % 7) for i in range(199)] + ["田" * 12]))
        saved = run.settings()
        check(run.client_and_bars()[4:] == (1, 0), "not just the horizontal bar shows")
        first = run.client_ink("first")
        run.keys("End")
        last = run.client_ink("end")
        check(last != first, "End did not scroll")
        check(len(runs({y for _, y in columns(last)[-1]})) == 12,
              "after End the leftmost column is not the last line")
        run.keys("Home", "Next", "Prior")
        check(run.client_ink("page-down-up") == first, "Page Down, Page Up is not the first screen")
        run.xdotool("click", "5")
        settle()
        check(run.client_ink("wheel") != first, "the wheel did not scroll")
        check(run.settings() == saved, "scrolling wrote the settings")


def open_frame_size_submenu(run):
    # Alt+O opens the drop-down at フォント; Down moves to フレームサイズ and
    # Right opens its submenu. (The shared access key S would do under Windows,
    # where it cycles between the two items, but Wine runs the first at once.)
    run.keys("alt+o", "Down", "Right")
    settle()


def variable_then_exit_keeps_mode(exe, tool, shots):
    with Ruvo(exe, tool, shots, "variable-then-exit", FIXED) as run:
        run.start()
        x, y, width, _ = run.geometry()
        box = (x, y, x + width + 300, y + 200)
        open_frame_size_submenu(run)
        fixed_checked = run.screenshot("submenu-fixed-checked")
        run.keys("k")
        settle()
        check([w[0] for w in run.program_windows()] == [TITLE],
              f"the menu keys opened another window: {run.program_windows()}")
        open_frame_size_submenu(run)
        check(run.screenshot("submenu-variable-checked").differing(fixed_checked, box) > 0,
              "choosing 可変 did not move the check mark")
        run.keys("Escape", "Escape", "Escape", "alt+o", "x")
        run.await_exit("終了")
        check(run.settings() == FIXED, f"終了 wrote the settings: {run.settings()!r}")


def variable_then_close_stores_mode(exe, tool, shots):
    with Ruvo(exe, tool, shots, "variable-then-close", FIXED) as run:
        run.start()
        open_frame_size_submenu(run)
        run.keys("k", "alt+F4")
        run.await_exit("closing the window")
        check(run.settings() == b'"MS Mincho",12,1800,6000,1\r\n',
              f"closing stored {run.settings()!r}")


def missing_settings_reports_error(exe, tool, shots):
    with Ruvo(exe, tool, shots, "missing-settings") as run:
        run.start()
        # The window is already up at its start-up size when the report shows.
        windows = poll(lambda: len(run.program_windows()) == 2 and run.program_windows(),
                       "a second window, the error report")
        check((TITLE, 90, 570, 0, 0) in windows,
              f"the main window is not up at 90x570 in the corner: {windows}")
        _, width, height, x, y = [w for w in windows if w != (TITLE, 90, 570, 0, 0)][0]
        settle()
        check(len(run.screenshot("error-report").ink((x, y, x + width, y + height))) > 100,
              "the report shows no text")
        check(run.process.poll() is None, "the program ended before the report was dismissed")
        run.keys("Return")
        run.await_exit("dismissing the report")
        check(run.files() == ["ruvo.exe"], f"the failed start created files: {run.files()}")


def japanese_face_survives(exe, tool, shots):
    # ＭＳ 明朝 in code page 932.
    face = b"\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"
    with Ruvo(exe, tool, shots, "japanese-face", b'"' + face + b'",12,1350,8550,1\r\n') as run:
        run.start()
        line = run.show(TWO_LINES)
        check(fields(line)[0] == face and fields(line)[4] == b"1",
              f"the face name or the mode did not survive: {line!r}")
        check(run.client_ink("japanese-face"), "nothing drawn with the Japanese face name")


def drawing_survives_cover(exe, tool, shots):
    with Ruvo(exe, tool, shots, "survives-cover", FIXED) as run:
        run.start()
        run.show(TWO_LINES)
        before = run.client_ink("drawn")
        check(before, "the click drew nothing")
        cover = subprocess.Popen(
            ["xmessage", "-geometry", "300x700+0+0", "-bg", "gray50", "cover"],
            env=run.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            settle()
            check(run.client_ink("covered") != before, "the cover did not hide the drawing")
        finally:
            cover.kill()
            cover.wait()
        settle()
        check(run.client_ink("uncovered") == before, "the drawing did not come back")


def help_opens_the_page(exe, tool, shots):
    with Ruvo(exe, tool, shots, "help-page", WORKED_EXAMPLE) as run:
        # The page comes from beside the built exe, where the build puts it.
        page = os.path.join(run.folder, "ruvo.html")
        shutil.copy(os.path.join(os.path.dirname(exe), "ruvo.html"), page)
        given = os.path.join(run.folder, "given")
        browser = os.path.join(run.folder, "browser")
        with open(browser, "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >>"{given}"\n')
        os.chmod(browser, 0o755)
        run.use_browser(browser)
        run.start()
        run.keys("alt+o", "h")
        opened = poll(lambda: os.path.exists(given) and open(given).read(),
                      "the browser to be given a page")
        settle()
        check(opened == f"file://{page}\n", f"the browser was given {opened!r}, not {page}")
        check([w[0] for w in run.program_windows()] == [TITLE],
              f"the help command left other windows: {run.program_windows()}")
        check(run.settings() == WORKED_EXAMPLE, f"the help command wrote {run.settings()!r}")
        run.click("the settings write after a click that follows the help command")


SCENARIOS = {f.__name__: f for f in (
    startup_places_saved_size,
    fitted_window_shows_every_character,
    long_text_stays_on_screen,
    fixed_mode_keeps_size,
    scrolling_moves_through_columns,
    variable_then_exit_keeps_mode,
    variable_then_close_stores_mode,
    missing_settings_reports_error,
    japanese_face_survives,
    drawing_survives_cover,
    help_opens_the_page,
)}


def main(argv):
    if len(argv) != 5 or argv[1] not in SCENARIOS:
        print(__doc__ + "\nScenarios: " + ", ".join(SCENARIOS), file=sys.stderr)
        return 2
    try:
        SCENARIOS[argv[1]](*argv[2:])
    except Failure as failure:
        print(f"FAILED {argv[1]}: {failure}\nScreenshots: {argv[4]}", file=sys.stderr)
        return 1
    print(f"passed {argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
