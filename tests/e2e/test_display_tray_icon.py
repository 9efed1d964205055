"""The tray icon of the real program, pixel for pixel against the renderer's picture, at two
DPIs and in the light and dark taskbar appearance, and its reaction to a theme switch."""
import collections
import os
import subprocess

from orvane_e2e import Session, run_tests, wait_until

WM_SETTINGCHANGE = 0x1A
PERSONALIZE = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"
# Percent figures change rarely; a long refresh keeps the program from redrawing by itself.
SETTINGS = "[General]\nShowWelcomeWindow=0\nShowPercentage=1\nRefreshRate=60000\nTransBk={trans}\n"
SEARCH = (960, 728, 64, 40)  # screen area around the first tray icon


def dump_exe(args):
    return os.path.join(os.path.dirname(os.path.abspath(args.probe)), "..", "win", "fixtures",
                        "display_icon_dump.exe")


def renderer_pictures(s, opaque, spread=4):
    """The pictures the renderer draws in this prefix for loads around the current one, as
    (dpi, rows) with None for a transparent pixel. The load may move between the program's
    tick and this call; a few neighbours cover that."""
    cmd = [dump_exe(s.args), "--percent"] + (["--opaque"] if opaque else [])
    load = int(s.wine(*cmd)[1].decode().split("\n")[0].split()[2])
    lines = s.wine(*cmd, "--loads", str(load - spread), str(load + spread))[1].decode().split("\n")
    pictures = []
    while lines and lines[0].strip():
        dpi, size, _ = map(int, lines[0].split())
        rows = [[None if p == "------" else bytes.fromhex(p) for p in line.split()]
                for line in lines[1:1 + size]]
        pictures.append((dpi, rows))
        lines = lines[1 + size:]
    return pictures


def find_in_tray(s, pictures, save=None):
    """True when the screen shows one of `pictures` exactly in the tray area: opaque pixels
    equal, and the transparent ones showing the taskbar's colour."""
    png = s.screenshot(os.path.join(s.root, "screen.png"))
    x0, y0, w, h = SEARCH
    raw = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x0}+{y0}", "+repage", "-depth", "8",
                          "rgb:-"], check=True, capture_output=True).stdout
    screen = [[raw[(r * w + c) * 3:(r * w + c) * 3 + 3] for c in range(w)] for r in range(h)]
    taskbar = collections.Counter(screen[h - 1]).most_common(1)[0][0]
    for _, rows in pictures:
        n = len(rows)
        for top in range(h - n + 1):
            for left in range(w - n + 1):
                if all(screen[top + r][left + c] == (rows[r][c] or taskbar)
                       for r in range(n) for c in range(n)):
                    if save:
                        subprocess.run(["convert", png, "-crop",
                                        f"{n}x{n}+{x0 + left}+{y0 + top}", "+repage", "-scale",
                                        "800%", save], check=True)
                    return True
    return False


def check_icon(args, dpi, light):
    name = f"tray-{dpi}-{'light' if light else 'dark'}"
    registry = {PERSONALIZE: {"SystemUsesLightTheme": 1 if light else 0}}
    with Session(args, name, dpi=dpi, registry=registry) as s:
        # Light: transparent background over the taskbar; dark: the opaque black background.
        s.install(settings=SETTINGS.format(trans=1 if light else 0))
        s.start()
        s.wait_main_window()
        # The 120 DPI pictures, enlarged, are the README's.
        save = (s.picture_path(f"tray-icon-{'light' if light else 'dark'}") if dpi == 120 else
                os.path.join(args.work, f"display-{name}.png"))

        def matches():
            pictures = renderer_pictures(s, opaque=not light)
            for shown_dpi, rows in pictures:
                assert (shown_dpi, len(rows)) == (dpi, {96: 16, 120: 20}[dpi]), shown_dpi
            return find_in_tray(s, pictures, save)

        wait_until(f"the tray to show the renderer's picture at {dpi} DPI", matches)


def test_icon_at_96_dpi_light(args):
    check_icon(args, 96, light=True)


def test_icon_at_120_dpi_dark(args):
    check_icon(args, 120, light=False)


def test_icon_at_120_dpi_light(args):
    check_icon(args, 120, light=True)


def test_icon_at_96_dpi_dark(args):
    check_icon(args, 96, light=False)


def test_theme_switch_redraws_at_once(args):
    registry = {PERSONALIZE: {"SystemUsesLightTheme": 0}}
    with Session(args, "tray-theme-switch", registry=registry) as s:
        s.install(settings=SETTINGS.format(trans=0))
        s.start()
        s.wait_main_window()
        dark = []

        def shows_dark():
            dark[:] = renderer_pictures(s, True)
            return find_in_tray(s, dark)

        wait_until("the dark icon", shows_dark)
        s.import_registry({PERSONALIZE: {"SystemUsesLightTheme": 1}})
        assert renderer_pictures(s, True) != dark
        # Without the notification the icon keeps its colours: nothing else redraws it.
        assert find_in_tray(s, dark)
        s.send("TFrmOrvaneMain", WM_SETTINGCHANGE)
        wait_until("the light icon", lambda: find_in_tray(s, renderer_pictures(s, True)))


if __name__ == "__main__":
    run_tests([
        test_icon_at_96_dpi_light,
        test_icon_at_120_dpi_dark,
        test_icon_at_120_dpi_light,
        test_icon_at_96_dpi_dark,
        test_theme_switch_redraws_at_once,
    ])
