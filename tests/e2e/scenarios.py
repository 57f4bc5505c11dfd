# End-to-end scenarios of ruvo.exe under Wine.
#
# Usage: scenarios.py SCENARIO RUVO_EXE E2E_TOOL_EXE SHOT_FOLDER
# Each scenario runs the program, each run in a fresh folder, the way a user
# does, and checks the settings file, the windows and screenshots. A run goes
# on as long as its steps can share it: every start costs seconds.

import os
import pathlib
import sys
import time

from harness import DESKTOP, SCREEN, STALE, Ruvo, columns, poll, runs, settle, windows_path


# Every line is a column of its own, right to left, showing its characters
# apart, all ink inside the client area and off its outermost pixels.
# Returns how far the first column's ink ends from the client area's right.
def check_columns(run, label, characters):
    left, top, right, bottom = run.client()[:4]
    ink = run.ink(label)
    assert all(left < x < right - 1 and top < y < bottom - 1 for x, y in ink), (
        f"{label}: ink on the client area's edge")
    assert columns(ink) == characters, f"{label}: columns of {columns(ink)}, not {characters}"
    return right - max(x for x, _ in ink)


# 可変 at each size, from the worked example's size: the start, a text shown in
# columns that fit it and cleared again, a long text, ヘルプ and 終了. The text
# at 12 points has LF-only line breaks.
def variable_mode_at_each_size():
    for points, newline in ((8, "\r\n"), (12, "\n"), (24, "\r\n")):
        with Ruvo(f"variable-{points}pt", b'"MS Mincho",%d,1350,8550,1\r\n' % points) as run:
            poll(run.windows, "the program's window")
            assert run.geometry() == (0, 0, 90, 570), f"not at 0,0 with 90x570: {run.geometry()}"
            assert not run.ink("started"), "the window shows ink before the first click"
            line = run.show(newline.join("田" * n for n in (17, 5, 11, 2)))
            frame = run.geometry()
            assert line == b'"MS Mincho",%d,%d,%d,1\r\n' % (points, *(15 * v for v in frame[2:])), (
                f"the settings line {line!r} is not the window's {frame}")
            margin = check_columns(run, "shown", [17, 5, 11, 2])
            assert run.click() == line, "the clearing click wrote another line"
            assert run.geometry() == frame, "the clearing click resized"
            assert not run.ink("cleared"), "the clearing click left ink"
            # A long text: the window stays on the screen, the text starts on its right.
            run.show("\r\n".join("田" * (1 + i % 60) for i in range(200)))
            x, y, width, height = frame = run.geometry()
            assert x + width <= SCREEN[0] and y + height <= SCREEN[1], f"off the screen: {frame}"
            ink_right = run.client()[2] - max(px for px, _ in run.ink("long-text"))
            assert ink_right == margin, f"the first column ends {ink_right} px left, not {margin}"
            # ヘルプ hands the page beside the exe to the browser; neither it nor 終了 writes.
            run.ini.write_bytes(STALE)
            opened = run.browse("alt+o", "h")
            assert opened == f"file://{run.folder}/ruvo.html\n", f"the browser was given {opened!r}"
            assert len(run.windows()) == 1, f"the help command left windows: {run.windows()}"
            run.close("alt+o", "x")
            assert run.ini.read_bytes() == STALE, "ヘルプ or 終了 wrote the settings"


def fixed_mode_cover_scrolling_and_menu():
    # ＭＳ 明朝 in code page 932: every write gives it back byte for byte.
    face = b'"\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9"'
    with Ruvo("fixed-mode", face + b",12,1800,6000,0\r\n") as run:
        poll(run.windows, "the program's window")
        # 200 lines of 1 to 7 characters, the last of 12: just a horizontal bar.
        line = run.show("\r\n".join(["田" * (1 + i % 7) for i in range(199)] + ["田" * 12]))
        assert line == face + b",12,1800,6000,0\r\n", f"the fixed mode wrote {line!r}"
        assert run.geometry() == (0, 0, 120, 400), f"not the saved size: {run.geometry()}"
        assert run.client()[4:] == (1, 0), "not just the horizontal bar shows"
        first = run.ink("first")
        # The drawing comes back after another window covered it.
        assert run.cover() != first, "the cover did not hide the drawing"
        assert run.ink("uncovered") == first, "the drawing did not come back"
        run.ini.write_bytes(STALE)  # scrolling leaves it so
        run.keys("End")
        assert columns(run.ink("end"))[-1] == 12, "End did not put the last line left"
        run.keys("Home", "Next", "Prior")
        assert run.ink("page-down-up") == first, "Home, Page Down, Page Up is not the first screen"
        run.call("xdotool", "click", "5")
        settle()
        assert run.ink("wheel") != first, "the wheel did not scroll"
        assert run.ini.read_bytes() == STALE, "scrolling wrote the settings"
        # Alt+O opens the drop-down at ファイルを開く; Down twice moves to フレームサイズ and
        # Right opens its submenu. (The shared access key S would do under
        # Windows, where it cycles between the two items; Wine runs the first.)
        # 可変 moves the check mark there; closing stores it.
        run.keys("alt+o", "Down", "Down", "Right")
        fixed_checked = run.ink("menu-fixed-checked", (0, 0, 420, 200))
        run.keys("k", "alt+o", "Down", "Down", "Right")
        assert run.ink("menu-variable-checked", (0, 0, 420, 200)) != fixed_checked, (
            "可変 moved no check mark")
        run.close("k", "alt+F4")
        assert run.ini.read_bytes() == face + b",12,1800,6000,1\r\n", "closing did not store 可変"


# Three paragraphs of 20, 120 and 200 characters wrap into columns as long as
# the screen allows, all on screen with no vertical bar; a one-character text
# keeps the menu bar whole on one row; 折り返し off puts each line in one
# column again, the bar beside the columns. With 自動更新 a copy over the text
# shows within a second and writes the settings, one under an open menu once
# the menu has closed; unchecked, a copy changes nothing. Closing stores both
# options.
def wrapping_and_the_fitted_frame():
    with Ruvo("wrapping-12pt", b'"MS Mincho",12,1350,8550,1,1,1,1\r\n') as run:
        poll(run.windows, "the program's window")
        run.show("\r\n".join("田" * n for n in (20, 120, 200)))
        assert run.client()[4:] == (0, 0), "the three paragraphs need a scroll bar"
        length = columns(run.ink("wrapped"))[1]
        wrapped = [min(length, n - at) for n in (20, 120, 200) for at in range(0, n, length)]
        check_columns(run, "wrapped", wrapped)
        # The menu bar's row, just above the client area, below the caption.
        menu_row = (0, run.client()[1] - 16, 100, run.client()[1])
        menu = run.ink("menu-wide", menu_row)
        run.click()
        run.show("猫")
        assert run.ink("menu-narrow", menu_row) == menu, "the menu bar is not whole on one row"
        run.click()
        run.show("\r\n".join("田" * n for n in (20, 120, 200)))
        run.keys("alt+o", "w")
        assert run.client()[4:] == (0, 1), "without wrapping not just the vertical bar shows"
        check_columns(run, "unwrapped", [20] + [columns(run.ink("unwrapped"))[1]] * 2)
        run.ini.write_bytes(STALE)
        run.call("wine", Ruvo.tool, "clip", "猫猫\r\n猫")
        copied = time.monotonic()
        written = poll(lambda: run.ini.read_bytes() != STALE and time.monotonic(), "自動更新")
        assert written - copied < 1, f"自動更新 took {written - copied:.1f} s"
        check_columns(run, "auto-updated", [2, 1])
        run.keys("alt+o")
        run.ini.write_bytes(STALE)
        run.call("wine", Ruvo.tool, "clip", "猫\r\n猫猫猫")
        settle()
        assert run.ini.read_bytes() == STALE, "自動更新 did not wait for the menu"
        run.keys("a")  # 自動更新 off, as the menu closes
        check_columns(run, "auto-updated-after-menu", [1, 3])
        run.ini.write_bytes(STALE)
        run.call("wine", Ruvo.tool, "clip", "田")
        settle()
        assert run.ini.read_bytes() == STALE, "a copy with 自動更新 off wrote the settings"
        check_columns(run, "auto-update-off", [1, 3])
        run.close("alt+F4")
        assert run.ini.read_bytes().endswith(b",1,0,1,0\r\n"), "closing did not store 折り返し off"


# At 12 points, 16 pixels a cell: ruby in the gap right of its base, the
# base where the plain text stands a quarter cell further in; "12" upright,
# its digits side by side; half-width words each one run of ink; ルビ off
# draws the notation as it stands.
def ruby_upright_groups_and_latin_runs():
    cell = 16
    with Ruvo("ruby-12pt", b'"MS Mincho",12,1350,8550,1\r\n') as run:
        poll(run.windows, "the program's window")

        # The ink as (x, y) from the client area's top-right corner.
        def shown(text, label):
            run.show(text)
            _, top, right, _ = run.client()[:4]
            ink = {(x - right, y - top) for x, y in run.ink(label)}
            run.click()
            return ink

        plain = shown("吾輩は猫である。", "plain")
        ink = shown("｜吾輩《わがはい》は猫である。", "ruby")
        # The base is the plain text moved in, whole, the ruby right of it.
        moved = next((d for d in range(cell) if {(x - d, y) for x, y in plain} <= ink), None)
        assert moved, "the base is not the text moved in"
        edge = max(x for x, _ in plain) - moved
        ruby = ink - {(x - moved, y) for x, y in plain}
        assert ruby and all(cell <= y < 3 * cell and edge - 2 < x < -1 for x, y in ruby), (
            "ruby is not beside 吾輩")
        middle = {(x, y) for x, y in shown("第12回", "upright") if 2 * cell <= y < 3 * cell}
        assert (len(runs({x for x, _ in middle})), len(runs({y for _, y in middle}))) == (2, 1), (
            "12 does not stand upright")
        rows = sorted({y for _, y in shown("iPhone 15とWindows 11", "latin")})
        pieces = 1 + sum(b - a >= cell // 2 for a, b in zip(rows, rows[1:]))
        assert pieces <= 5 and rows[-1] < 12 * cell, f"letters stand apart: {pieces} pieces to {rows[-1]}"
        run.show("｜吾輩《わがはい》は猫である。")
        run.keys("alt+o", "r")
        _, top, right, _ = run.client()[:4]
        ink = {(x - right, y - top) for x, y in run.ink("ruby-off")}
        assert max(x for x, _ in ink) < -cell // 4, "ruby drawn with ルビ off"
        assert len({(y - cell) // cell for _, y in ink}) == 15, "the notation is not drawn as it stands"


# What a new user tripped on and reached for, at 12 points (16-pixel cells)
# in 固定 with 自動更新 and without wrapping: a size given from outside stays
# through a copy and is saved; the ruby of the first column, beside the
# vertical bar, is whole: the same ink, faint edges too, as in the second
# column; Esc clears, F5 shows the clipboard; Ctrl with the wheel and a font
# chosen show the text larger at once, and are saved.
def what_a_new_user_reached_for():
    with Ruvo("reader-keys", b'"MS Mincho",12,1800,6000,0,0,1,1\r\n') as run:
        poll(run.windows, "the program's window")
        run.show("猫")
        run.call("wine", Ruvo.tool, "resize", DESKTOP, "241", "541")
        poll(lambda: run.geometry()[2:] == (241, 541), "the resize")

        # Copies a text for 自動更新 and returns its ink from the client area's
        # top-right corner, moved left by `columns` pitches.
        def copied(text, label, columns):
            run.written(lambda: run.call("wine", Ruvo.tool, "clip", text), "自動更新")
            right, top = run.client()[2], run.client()[1]
            return {(x - right + 24 * columns, y - top) for x, y in run.ink(label, below=250)}

        ruby = "｜吾輩《わがはい》" + "田" * 60
        first = copied(ruby, "ruby-first-column", 0)
        assert run.ini.read_bytes() == b'"MS Mincho",12,3615,8115,0,0,1,1\r\n', "固定 lost the size"
        assert run.geometry()[2:] == (241, 541) and run.client()[4:] == (0, 1), "not the size given"
        assert first == copied("\r\n" + ruby, "ruby-second-column", 1), "the ruby is cut"
        run.keys("Escape")
        assert not run.ink("escape"), "Esc left ink"
        run.call("wine", Ruvo.tool, "clip", "猫猫\r\n猫")
        run.keys("F5")
        check_columns(run, "f5", [2, 1])
        reach = {12: max(y for _, y in run.ink("12pt"))}

        def choose_24_points():
            run.keys("alt+o", "s")
            poll(lambda: len(run.windows()) == 2, "the font chooser")
            run.keys("Tab", "Tab", "ctrl+a", "2", "4", "Return")

        for points, act in ((14, lambda: run.call("xdotool", "keydown", "ctrl", "click", "4",
                                                  "keyup", "ctrl")), (24, choose_24_points)):
            line = run.written(act, f"the write of {points} points")
            assert line.startswith(b'"MS Mincho",%d,' % points), f"not {points} points: {line!r}"
            reach[points] = max(y for _, y in run.ink(f"{points}pt"))
        assert reach[12] < reach[14] < reach[24], f"the text did not grow at once: {reach}"
        check_columns(run, "24pt-columns", [2, 1])


# 原稿用紙 at 12 points (16-pixel cells): the sheet's grid in a light colour,
# 41 rules down (each column's cells and the frame, the centre gap among
# them) and 21 across, 16 pixels apart; a full stop that would start a column
# hangs below the 20th cell; the sheet's number and the count stand under it.
# The options read from the file are written back, 20字 with them.
def manuscript_sheet():
    with Ruvo("manuscript-12pt", b'"MS Mincho",12,1350,8550,1,1,1,0,0,1\r\n') as run:
        poll(run.windows, "the program's window")
        run.show("\u3000" + "田" * 19 + "。\r\n\r\n田")
        dark = run.ink("sheet")
        faint = run.ink("sheet-faint", below=250) - dark
        down = [x for x in {x for x, _ in faint} if sum(fx == x for fx, _ in faint) > 250]
        across = sorted(y for y in {y for _, y in faint} if sum(fy == y for _, fy in faint) > 100)
        assert len(down) == 41 and {b - a for a, b in zip(across, across[1:])} == {16}, (
            f"not the grid: {len(down)} rules down, across at {across}")
        below = {(x, y) for x, y in dark if y > across[-1]}
        hung = {x for x, y in below if y < across[-1] + 16}
        assert hung and min(hung) > max(down) - 16, f"no full stop below the first column: {hung}"
        assert len(runs({y for _, y in below if y > across[-1] + 16})) == 2, "no number and count"
        run.close("alt+o", "l", "1", "alt+F4")
        assert run.ini.read_bytes() == b'"MS Mincho",12,8040,7170,1,1,1,0,20,1\r\n', "20字 not stored"


# A Shift_JIS e-text with CR LF lines, opened through Ctrl+O and the dialog,
# and dropped with a second file, shows as the clipboard shows the same text
# with its indent as full-width spaces, its 傍点 as 《《…》》 and its page
# break as an empty line: no annotation drawn. A dropped file that holds no
# text gives a message naming it; the view and the settings stay.
def text_files_opened_and_dropped():
    lines = ["雨《あめ》の日の猫", "［＃２字下げ］ある雨の日のこと。［＃「雨の日」に傍点］", "［＃改ページ］",
             "猫は寝ている。"]
    with Ruvo("text-files", b'"MS Mincho",12,1350,8550,1\r\n') as run:
        poll(run.windows, "the program's window")
        etext, binary = (pathlib.Path(run.folder, name) for name in ("etext.txt", "binary.dat"))
        etext.write_bytes("\r\n".join(lines).encode("cp932"))
        binary.write_bytes(b"\x89PNG\r\n\x1a\n\0\0\0\rIHDR")
        run.show("雨《あめ》の日の猫\r\n　　ある《《雨の日》》のこと。\r\n\r\n猫は寝ている。")
        shown = run.ink("clipboard")

        def choose():
            run.keys("ctrl+o")
            poll(lambda: len(run.windows()) == 2, "the open dialog")
            run.call("xdotool", "type", windows_path(etext))  # the dialog's folder is the system's
            run.keys("Return")

        for act, label in ((choose, "opened"), (lambda: run.drop(etext, binary), "dropped")):
            run.click()
            run.written(act, label)
            assert run.ink(label) == shown, f"the {label} e-text is not drawn as its notation"
        run.ini.write_bytes(STALE)
        run.drop(binary)
        poll(lambda: len(run.windows()) == 2, "the message")
        run.ink("message", (0, 0, *SCREEN))
        run.keys("Return")
        assert run.ink("after-message") == shown and run.ini.read_bytes() == STALE, "the view changed"


# At 12 points with 自動更新: Ctrl+C puts a bitmap and no text on the clipboard,
# the window's client area pixel for pixel, which 自動更新 leaves alone; Ctrl+S
# saves the same picture as ruvo.png where the program started, and nothing
# else; Ctrl+P prints to the test queue's PDF printer on A4 (at 300 dpi, all of
# it printable): 4000 characters in 66 columns of 61 cells inside the 15 mm
# margins, 28 a page, so three pages. Each dialog is confirmed as it opens.
def the_text_leaves_the_window():
    pdfs = pathlib.Path(os.environ["RUVO_WINE_STATE"], "cups", "pdf")
    with Ruvo("picture-12pt", b'"MS Mincho",12,1350,8550,1,1,1,1\r\n') as run:
        poll(run.windows, "the program's window")
        confirm = lambda what: poll(lambda: len(run.windows()) == 2, what) and run.keys("Return")
        run.show("\r\n".join(["｜吾輩《わがはい》は猫である。"] + ["田" * n for n in (9, 3, 14)]))
        left, top, right, bottom = run.client()[:4]
        window = {(x - left, y - top) for x, y in run.ink("window")}
        run.ini.write_bytes(STALE)
        run.keys("ctrl+c")
        bitmap, png = (os.path.join(run.folder, name) for name in ("clipboard.bmp", "ruvo.png"))
        run.call("wine", Ruvo.tool, "dib", bitmap)
        assert run.ini.read_bytes() == STALE, "自動更新 took the picture for a text"
        picture = run.ink("clipboard", (0, 0, right - left, bottom - top), image=bitmap)
        assert picture == window, "the clipboard's picture is not the window's"
        run.keys("ctrl+s")
        poll(lambda: len(run.windows()) == 2, "the save dialog")
        run.call("xdotool", "type", windows_path(png))  # the dialog's folder is the system's
        run.keys("Return")
        poll(lambda: os.path.exists(png), "the saved picture")
        run.call("compare", "-metric", "AE", bitmap, png, "null:")  # fails where they differ
        run.call("wine", Ruvo.tool, "clip", "田" * 4000)
        run.keys("ctrl+p")
        confirm("the print dialog")
        pdf = poll(lambda: list(pdfs.glob("*.pdf")), "the printed PDF")[0]  # the queue's first
        assert "Pages:           3" in run.call("pdfinfo", pdf).decode(), "not three pages"
        page = os.path.join(run.folder, "page")
        run.call("pdftoppm", "-r", "150", "-f", "1", "-l", "1", "-png", pdf, page)
        ink = run.ink("printed", (0, 0, 1240, 1754), image=page + "-1.png")  # A4 at 150 dpi
        assert columns(ink) == [61] * 28, f"the first page's columns: {columns(ink)}"


def missing_settings_reports_error():
    with Ruvo("missing-settings") as run:
        # The window is already up at its start-up size when the report shows.
        windows = poll(lambda: len(w := run.windows()) == 2 and w, "the error report")
        main = (" Ruvo", 0, 0, 90, 570)
        assert main in windows, f"the main window is not up at 90x570 in the corner: {windows}"
        _, x, y, width, height = next(w for w in windows if w != main)
        assert len(run.ink("error-report", (x, y, x + width, y + height))) > 100, "no report text"
        assert run.process.poll() is None, "the program ended before the report was dismissed"
        run.close("Return")
        files = sorted(f.name for f in run.ini.parent.iterdir() if f.suffix != ".png")
        assert files == ["ruvo.exe", "ruvo.html"], f"the failed start created files: {files}"


if __name__ == "__main__":
    Ruvo.exe, Ruvo.tool, Ruvo.shots = sys.argv[2:]
    globals()[sys.argv[1]]()
