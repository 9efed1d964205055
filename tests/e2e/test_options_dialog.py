"""The options dialog of the real program: opened from the tray menu next to the tray, OK and
Apply written to the settings file and applied at once, Cancel after Apply, and pictures of
its five tabs at two DPIs for the documentation."""
import json
import os

from orvane_e2e import WINE_START, Session, run_tests, wait_until
from test_processes_menu import open_menu

TITLE = "Orvane 设置"
# Black digits: the automatic ones are white, like Wine's light taskbar behind them.
SETTINGS = ("[Font]\nColor=0\n[General]\nShowWelcomeWindow=0\nShowPercentage=1\n"
            "TopProcessCount=10\n")
# A control only the given tab shows, to know that the tab is up.
TABS = [("general", "显示页面文件而不是物理内存"), ("extra", "定时整理"), ("tray_menu", "统一相同进程"),
        ("display", "字体(&F)"), ("themes", "另存为(&S)")]


def options_dialog(s, timeout=60):
    rc, out = s.probe("dialog", "--class", "TFrmOptions", "--title", TITLE, "--timeout",
                      str(timeout * 1000), timeout=timeout + WINE_START)
    assert rc == 0, "the options dialog did not appear"
    return json.loads(out)


def control(dialog, text):
    found = [c for c in dialog["controls"] if c["text"] == text]
    assert found, f"no control {text!r} in the dialog"
    return found[0]


def settings_value(s, key):
    path = os.path.join(s.appdata_dir, "Orvane.Settings")
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        for line in f.read().decode("gbk").splitlines():
            if line.startswith(key + "="):
                return line.split("=", 1)[1]
    return None


def start(s, settings=SETTINGS, icon_size=16):
    s.install(settings=settings)
    s.start()
    s.wait_main_window()
    wait_until("the tray icon", lambda: len({p for row in s.tray_icon(icon_size) for p in row}) > 1)


def open_from_tray(s):
    s.choose_from_tray_menu("s")
    return options_dialog(s)


def tab_shown(s, probe_text):
    return control(options_dialog(s, timeout=5), probe_text)["visible"]


def save_tab_pictures(s, dialog, dpi):
    """Each tab in turn (Ctrl+Tab), cropped to the dialog, as a picture for people."""
    left, top, right, bottom = dialog["rect"]
    window = wait_until("the dialog's X window",
                        lambda: s.xdotool("search", "--onlyvisible", "--name", TITLE))
    s.xdotool("windowfocus", window.splitlines()[0])
    s.xdotool("mousemove", "5", "5")
    for i, (name, probe_text) in enumerate(TABS):
        if i:
            s.xdotool("key", "ctrl+Tab")
        wait_until(f"the {name} tab", lambda: tab_shown(s, probe_text))
        s.save_picture(f"options_{name}_{dpi}", (left, top, right - left, bottom - top))


def check_near_tray(dialog):
    # The work area ends above Wine's taskbar at the bottom of the 1024 x 768 desktop; the
    # dialog sits 20 pixels from its right and bottom edges.
    left, top, right, bottom = dialog["rect"]
    assert right == 1024 - 20, f"dialog at {dialog['rect']}, not at the tray's corner"
    assert 768 - 80 < bottom < 768, f"dialog at {dialog['rect']}, not above the tray"


def test_ok_from_tray_menu(args):
    with Session(args, "options-ok") as s:
        start(s)
        icon_before = s.tray_icon()
        dialog = open_from_tray(s)
        check_near_tray(dialog)
        save_tab_pictures(s, dialog, 96)
        percentage = control(dialog, "显示百分比而不是实际值")
        assert percentage["checked"] == 1
        s.click(dialog["hwnd"], "显示百分比而不是实际值")
        s.click(dialog["hwnd"], "确定(&O)")
        wait_until("ShowPercentage=0 in the file", lambda: settings_value(s, "ShowPercentage") == "0")
        s.xdotool("mousemove", "5", "5")
        wait_until("an amount on the tray icon", lambda: s.tray_icon() != icon_before)
        rc, _ = s.probe("wait-gone", "--class", "TFrmOptions", "--visible", "--timeout", "10000")
        assert rc == 0, "the dialog stayed after OK"


def test_apply_then_cancel(args):
    with Session(args, "options-apply") as s:
        start(s)
        with_processes = open_menu(s)
        s.xdotool("key", "Escape")
        s.xdotool("mousemove", "300", "300", "click", "1")
        dialog = open_from_tray(s)
        # A second "设置(&S)" brings the open dialog forward instead of a second one.
        s.post("TFrmOrvaneMain", 0x111, 3004)
        s.click(dialog["hwnd"], "当右键点击托盘图标时, 显示内存占用最高的进程.")
        s.click(dialog["hwnd"], "应用(&A)")
        wait_until("ShowTopProcess=0 in the file", lambda: settings_value(s, "ShowTopProcess") == "0")
        rc, out = s.probe("count", "--class", "TFrmOptions", "--visible")
        assert out == "1", f"{out} options dialogs open"
        s.click(dialog["hwnd"], "取消(&C)")
        rc, _ = s.probe("wait-gone", "--class", "TFrmOptions", "--visible", "--timeout", "10000")
        assert rc == 0, "the dialog stayed after Cancel"
        assert settings_value(s, "ShowTopProcess") == "0", "Cancel undid what Apply stored"
        without = open_menu(s)
        assert without[3] < with_processes[3] - 100, \
            f"menu {without} still as tall as with process lines {with_processes}"


def test_double_click_and_theme_save(args):
    with Session(args, "options-themes") as s:
        start(s, settings=SETTINGS + "DoubleClickAction=3\n")
        s.xdotool("mousemove", "1014", "758", "click", "--repeat", "2", "--delay", "80", "1")
        dialog = options_dialog(s)
        window = wait_until("the dialog's X window",
                            lambda: s.xdotool("search", "--onlyvisible", "--name", TITLE))
        s.xdotool("windowfocus", window.splitlines()[0])
        s.xdotool("key", "ctrl+shift+Tab")  # back from the first tab to the last
        wait_until("the themes tab", lambda: tab_shown(s, "另存为(&S)"))
        s.click(dialog["hwnd"], "另存为(&S)")
        box = s.dialog(title="保存主题")
        edit = [c for c in box["controls"] if c["class"] == "Edit"]
        assert edit, "the name box has no edit field"
        rc, _ = s.probe("settext", "--hwnd", str(edit[0]["hwnd"]), "--text", "a/b:c")
        assert rc == 0
        s.click(box["hwnd"], "确定")
        path = os.path.join(s.appdata_dir, "Themes", "a_b_c.Orvane Theme")
        wait_until("the theme file", lambda: os.path.exists(path))
        wait_until("the theme in the list",
                   lambda: any(c["text"] == "a_b_c" for c in options_dialog(s)["controls"]))


def test_pictures_at_120_dpi(args):
    with Session(args, "options-120", dpi=120) as s:
        start(s, icon_size=20)
        s.post("TFrmOrvaneMain", 0x111, 3004)
        save_tab_pictures(s, options_dialog(s), 120)


if __name__ == "__main__":
    run_tests([test_ok_from_tray_menu, test_apply_then_cancel, test_double_click_and_theme_save,
               test_pictures_at_120_dpi])
