"""End-to-end scenarios of ruvo.exe under Wine.

Usage: scenarios.py SCENARIO RUVO_EXE SHOT_FOLDER
Each scenario starts the program in a fresh folder, drives it the way a user
does and checks the settings file, the window's geometry and screenshots.
"""

import subprocess
import sys

from harness import TITLE, TWIPS_PER_PIXEL, Failure, Ruvo, check, end_process, poll, settle

WORKED_EXAMPLE = b'"MS Mincho",12,1350,8550,1\r\n'
FIXED = b'"MS Mincho",12,1800,6000,0\r\n'
TWO_LINES = "縦書きの\r\nテスト"

# Wine's default theme around a window with caption and menu bar: the client
# area starts below both and inside the border. The drawing's first row lies a
# character height lower still, so these bounds need not be exact.
CAPTION_AND_MENU = 44
BORDER = 4


def client_box(g):
    return (g.x + BORDER, g.y + CAPTION_AND_MENU, g.x + g.width - BORDER,
            g.y + g.height - BORDER)


def ink(run, label):
    return run.screenshot(label).ink(*client_box(run.geometry()))


def columns(pixels):
    """Ink grouped into runs of adjacent x, right to left, as pixel sets."""
    groups = []
    for x in sorted({x for x, _ in pixels}, reverse=True):
        if groups and groups[-1][-1] - x <= 2:
            groups[-1].append(x)
        else:
            groups.append([x])
    return [{p for p in pixels if p[0] in group} for group in groups]


def fields(line):
    check(line.endswith(b"\r\n") and line.count(b"\r\n") == 1,
          f"settings file is not one CR LF line: {line!r}")
    face, rest = line[:-2].rsplit(b'"', 1)
    check(face.startswith(b'"') and rest.startswith(b","), f"bad face field: {line!r}")
    size, width, height, mode = rest[1:].split(b",")
    return face[1:], int(size), float(width), float(height), mode


def click_and_await_write(run, what):
    """Clicks the client area and returns the settings line the click wrote.

    Ruvo.ini gets other bytes first, so that a rewrite shows even when it
    writes what was there."""
    stale = b'"stale",1,15,15,0\r\n'
    run.write_settings(stale)
    run.click_client()
    return run.await_rewrite(stale, what)


def open_frame_size_submenu(run):
    # Alt+O opens the drop-down at フォント; Down moves to フレームサイズ and
    # Right opens its submenu. (The shared access key S would do under Windows,
    # where it cycles between the two items, but Wine runs the first at once.)
    run.keys("alt+o", "Down", "Right")
    settle()


def choose_variable(run):
    open_frame_size_submenu(run)
    run.keys("k")
    settle()
    check([w[0] for w in run.program_windows()] == [TITLE],
          f"the menu keys opened another window: {run.program_windows()}")


def startup_places_saved_size(exe, shots):
    with Ruvo(exe, shots, "startup", WORKED_EXAMPLE) as run:
        run.start()
        settle()
        g = run.geometry()
        check((g.x, g.y) == (0, 0), f"window not at the top-left: {g}")
        check((g.width, g.height) == (1350 // TWIPS_PER_PIXEL, 8550 // TWIPS_PER_PIXEL),
              f"window does not have the saved outer size 90x570: {g}")
        check(not ink(run, "started"), "the window shows ink before the first click")
        # Closing stores the size at that moment: the unchanged worked example.
        run.keys("alt+F4")
        run.await_exit("closing the window")
        check(run.settings() == WORKED_EXAMPLE,
              f"closing did not rewrite the same line: {run.settings()!r}")


def click_shows_clipboard_in_columns(exe, shots):
    with Ruvo(exe, shots, "click-shows", WORKED_EXAMPLE) as run:
        run.start()
        settle()
        run.set_clipboard(TWO_LINES)
        line = click_and_await_write(run, "the settings write after the click")
        settle()
        g = run.geometry()
        face, size, width, height, mode = fields(line)
        check((face, size, mode) == (b"MS Mincho", 12, b"1"), f"fields changed: {line!r}")
        check((width, height) == (g.width * TWIPS_PER_PIXEL, g.height * TWIPS_PER_PIXEL),
              f"file size {width}x{height} is not the window's {g}")
        # Two columns: width = 2 x 1.5 CharW + 0.75 CharW; the longest run is
        # "縦書きの" with its CR, so height = CharW x 6 + 500.
        char_w = round(g.width / 3.75) * TWIPS_PER_PIXEL
        check(abs(char_w * 3.75 - width) <= TWIPS_PER_PIXEL,
              f"width {width} is no two-column width of a whole-pixel character")
        check(abs(char_w * 6 + 500 - height) <= TWIPS_PER_PIXEL,
              f"height {height} does not fit CharW {char_w} (expected {char_w * 6 + 500})")
        check(12 * 20 * 0.9 <= char_w <= 12 * 20 * 1.5,
              f"CharW {char_w} twips is not the width of a 12 point character")

        found = columns(ink(run, "two-columns"))
        check(len(found) == 2, f"expected ink in two columns, found {len(found)}")
        right, left = found
        # The first line stands on the right: "縦書き" carries far more ink
        # than "テスト".
        check(len(right) > 1.5 * len(left),
              f"the right column ({len(right)} px) is not the first line "
              f"(left {len(left)} px)")
        check(max(x for x, _ in right) < g.x + g.width - BORDER
              and min(x for x, _ in left) >= g.x + BORDER, "ink outside the client area")


def next_click_clears(exe, shots):
    with Ruvo(exe, shots, "click-clears", WORKED_EXAMPLE) as run:
        run.start()
        settle()
        run.set_clipboard(TWO_LINES)
        shown = click_and_await_write(run, "the settings write after the first click")
        settle()
        check(ink(run, "shown"), "the first click drew nothing")
        g = run.geometry()

        cleared = click_and_await_write(run, "the settings write after the clearing click")
        settle()
        check(run.geometry() == g, f"the clearing click resized the window: {run.geometry()}")
        check(cleared == shown, f"the clearing click wrote {cleared!r}, not {shown!r}")
        check(not ink(run, "cleared"), "the clearing click left ink")


def fixed_mode_keeps_size(exe, shots):
    with Ruvo(exe, shots, "fixed-mode", FIXED) as run:
        run.start()
        settle()
        g = run.geometry()
        check((g.width, g.height) == (120, 400), f"fixed size not restored: {g}")
        run.set_clipboard(TWO_LINES)
        line = click_and_await_write(run, "the settings write after the click")
        settle()
        check(run.geometry() == g, f"the fixed mode resized the window: {run.geometry()}")
        check(line == FIXED, f"fixed mode wrote {line!r}")
        check(len(columns(ink(run, "fixed"))) == 2, "the text is not drawn in two columns")


def variable_then_exit_keeps_mode(exe, shots):
    with Ruvo(exe, shots, "variable-then-exit", FIXED) as run:
        run.start()
        settle()
        g = run.geometry()
        idle = run.screenshot("idle")
        run.keys("alt+o")
        settle()
        dropdown = run.screenshot("dropdown")
        run.keys("Down", "Right")
        settle()
        submenu = run.screenshot("submenu-fixed-checked")
        # Both open as pop-ups below the menu bar; the submenu lies to the
        # right of the drop-down, beyond the narrow window.
        check(dropdown.differing(idle, g.x, g.y + CAPTION_AND_MENU, g.x + g.width,
                                 g.y + CAPTION_AND_MENU + 60) > 200,
              "Alt+O opened no drop-down")
        check(submenu.differing(dropdown, g.x + g.width, g.y, g.x + g.width + 300,
                                g.y + 200) > 200,
              "Down, Right opened no submenu beside the drop-down")
        run.keys("k")
        settle()
        check([w[0] for w in run.program_windows()] == [TITLE],
              f"the menu keys opened another window: {run.program_windows()}")
        open_frame_size_submenu(run)
        variable_checked = run.screenshot("submenu-variable-checked")
        check(variable_checked.differing(submenu, g.x, g.y, g.x + g.width + 300,
                                         g.y + 200) > 0,
              "choosing 可変 did not move the check mark")
        run.keys("Escape", "Escape", "Escape")
        run.keys("alt+o", "x")
        run.await_exit("終了")
        check(run.settings() == FIXED, f"終了 wrote the settings: {run.settings()!r}")


def variable_then_close_stores_mode(exe, shots):
    with Ruvo(exe, shots, "variable-then-close", FIXED) as run:
        run.start()
        settle()
        g = run.geometry()
        choose_variable(run)
        run.keys("alt+F4")
        run.await_exit("closing the window")
        expected = b'"MS Mincho",12,%d,%d,1\r\n' % (g.width * TWIPS_PER_PIXEL,
                                                   g.height * TWIPS_PER_PIXEL)
        check(run.settings() == expected,
              f"closing stored {run.settings()!r}, expected {expected!r}")


def missing_settings_reports_error(exe, shots):
    with Ruvo(exe, shots, "missing-settings") as run:
        run.start()
        # The window is already up at its start-up size when the report shows.
        windows = poll(lambda: len(run.program_windows()) == 2 and run.program_windows(),
                       "a second window, the error report")
        check((TITLE, 90, 570, 0, 0) in windows,
              f"the main window is not up at 90x570 in the corner: {windows}")
        report = [w for w in windows if w != (TITLE, 90, 570, 0, 0)][0]
        settle()
        name, width, height, x, y = report
        shot = run.screenshot("error-report")
        check(len(shot.ink(x, y, x + width, y + height)) > 100,
              f"the report {report} shows no text")
        check(run.process.poll() is None, "the program ended before the report was dismissed")
        run.keys("Return")
        run.await_exit(f"dismissing the report {report}")
        check(run.files() == ["ruvo.exe"], f"the failed start created files: {run.files()}")


def japanese_face_survives(exe, shots):
    # ＭＳ 明朝 in code page 932.
    face = b"\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"
    settings = b'"' + face + b'",12,1350,8550,1\r\n'
    with Ruvo(exe, shots, "japanese-face", settings) as run:
        run.start()
        settle()
        run.set_clipboard(TWO_LINES)
        line = click_and_await_write(run, "the settings write after the click")
        check(line.startswith(b'"' + face + b'",12,'),
              f"the face name did not survive: {line!r}")
        check(line.endswith(b",1\r\n"), f"the mode changed: {line!r}")
        settle()
        check(ink(run, "japanese-face"), "nothing drawn with the Japanese face name")


def drawing_survives_cover(exe, shots):
    with Ruvo(exe, shots, "survives-cover", FIXED) as run:
        run.start()
        settle()
        run.set_clipboard(TWO_LINES)
        click_and_await_write(run, "the settings write after the click")
        settle()
        box = client_box(run.geometry())
        before = run.screenshot("drawn").ink(*box)
        check(before, "the click drew nothing")
        cover = subprocess.Popen(
            ["xmessage", "-geometry", "300x700+0+0", "-bg", "gray50", "cover"],
            env=run.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            settle()
            covered = run.screenshot("covered").ink(*box)
            check(covered != before, "the cover did not hide the drawing")
        finally:
            end_process(cover)
        settle()
        after = run.screenshot("uncovered").ink(*box)
        check(after == before, f"after the cover went, {len(after)} ink pixels "
                               f"instead of {len(before)}")


SCENARIOS = {f.__name__: f for f in (
    startup_places_saved_size,
    click_shows_clipboard_in_columns,
    next_click_clears,
    fixed_mode_keeps_size,
    variable_then_exit_keeps_mode,
    variable_then_close_stores_mode,
    missing_settings_reports_error,
    japanese_face_survives,
    drawing_survives_cover,
)}


def main(argv):
    if len(argv) != 4 or argv[1] not in SCENARIOS:
        print(__doc__ + "\nScenarios: " + ", ".join(SCENARIOS), file=sys.stderr)
        return 2
    try:
        SCENARIOS[argv[1]](argv[2], argv[3])
    except Failure as failure:
        print(f"FAILED {argv[1]}: {failure}\nScreenshots: {argv[3]}", file=sys.stderr)
        return 1
    print(f"passed {argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
