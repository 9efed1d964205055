"""The tray menu of the real program: process lines, memory lines, fixed items with glyphs, in a
light and a dark menu; a second opening; exit from the menu."""
import os
import subprocess

from orvane_e2e import Session, run_tests, wait_until

LIGHT_HIGHLIGHT = (251, 231, 231)
DARK_HIGHLIGHT = (139, 77, 77)
DARK_BACKGROUND = (57, 63, 63)


def settings(menu_mode, top_count=10):
    # RefreshHotkey Ctrl+Alt+D: the trim command shows it as its shortcut text.
    return (f"[General]\nShowWelcomeWindow=0\nTopProcessCount={top_count}\n"
            f"RefreshHotkey={0x4000 | 0x8000 | ord('D')}\n[Colors]\nMenuColorMode={menu_mode}\n")


def open_menu(s):
    """Opens the tray menu (the click is repeated when it comes too early); its box."""
    s.open_tray_menu()
    return wait_until("the tray menu", s.visible_program_window)[1]


def hog_resident(s):
    """Whether this session's memory hog holds its memory (resident size above 1050 MB)."""
    return s.resident_kib("processes_memory_hog") > 1050 * 1024


def start_with_companions(s, text):
    s.install(settings=text)
    # A program with an icon of its own, so that a process line shows a real icon, and one
    # above the default highlight threshold of 1000 MB.
    hog = os.path.join(os.path.dirname(s.args.probe), "processes_memory_hog.exe")
    for cmd in (["wine", "notepad"], ["wine", hog]):
        s.procs.append(subprocess.Popen(cmd, env=s.env(), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
    wait_until("the memory hog", lambda: hog_resident(s))
    s.start()
    s.wait_main_window()
    wait_until("the tray icon", lambda: s.tray_shows_icon())


def snapshot_menu(s, name, box):
    """Screenshot with the mouse out of the way; the menu is kept as a picture for people."""
    s.xdotool("mousemove", "5", "5")
    png = s.screenshot(os.path.join(s.root, f"{name}.png"))
    s.save_picture(f"tray-{name.replace('_', '-')}", box, png)
    return png


def colours_in(s, png, box):
    x, y, w, h = box
    return {p for row in s.pixels(png, x, y, w, h) for p in row}


def menu_faults(s, name, box, highlight, background):
    """What the menu on a new screenshot lacks: a highlighted process line, the dark item
    background, the glyph in the text colour at the left of the exit item at the bottom."""
    png = snapshot_menu(s, name, box)
    colours = colours_in(s, png, box)
    faults = []
    if highlight not in colours:
        faults.append(f"{name}: no highlighted process line in {box}")
    if background and background not in colours:
        faults.append(f"{name}: no dark item background")
    x, y, w, h = box
    if len(colours_in(s, png, (x + 4, y + h - 26, 22, 22))) <= 2:
        faults.append(f"{name}: no glyph beside the exit item")
    return faults


def check_menu(s, name, highlight, background=None):
    box = open_menu(s)
    # The menu's window shows before its items are painted, which may take a while on a
    # loaded machine: new screenshots until they are, or the faults at the deadline.
    faults = []

    def painted():
        faults[:] = menu_faults(s, name, box, highlight, background)
        return not faults

    try:
        wait_until("the menu's items", painted, timeout=20, interval=0.5)
    except AssertionError:
        raise AssertionError("; ".join(faults)) from None
    # A click elsewhere closes the menu; the next opening has the same items, not twice as many.
    s.xdotool("mousemove", "300", "300", "click", "1")
    wait_until("the menu to close", lambda: s.visible_program_window() is None)
    again = open_menu(s)
    assert again[2:] == box[2:], f"{name}: second opening is {again} after {box}"
    return again


def test_light_menu_and_exit(args):
    with Session(args, "processes-menu-light") as s:
        start_with_companions(s, settings(0))
        x, y, w, h = check_menu(s, "menu_light", LIGHT_HIGHLIGHT)
        # "退出(&E)" is the last item: a click on it ends the program.
        s.xdotool("mousemove", str(x + 40), str(y + h - 14), "click", "1")
        wait_until("the program to end", lambda: not s.orvane_running())


def test_dark_menu(args):
    with Session(args, "processes-menu-dark") as s:
        start_with_companions(s, settings(1, top_count=3))
        check_menu(s, "menu_dark", DARK_HIGHLIGHT, DARK_BACKGROUND)


if __name__ == "__main__":
    run_tests([test_light_menu_and_exit, test_dark_menu])
