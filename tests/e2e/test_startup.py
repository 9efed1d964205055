"""Start-up, single instance and exit of the real program."""
import json
import os

from orvane_e2e import Session, run_tests, texts_of, wait_until

WM_QUERYENDSESSION = 0x11
WM_CLOSE = 0x10


def test_starts_hidden_with_tray_icon_and_single_instance(args):
    with Session(args, "startup") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\n")
        s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: s.tray_shows_icon())
        # A second start only wakes the first copy and ends by itself.
        second = s.start()
        wait_until("the second copy to end", lambda: second.poll() is not None)
        assert s.main_window_count() == 1
        assert s.orvane_running()


def test_exit_from_menu_removes_icon_and_keeps_settings(args):
    with Session(args, "exit") as s:
        settings = s.install(settings="[General]\nShowWelcomeWindow=0\n")
        before = open(settings, "rb").read()
        first = s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: s.tray_shows_icon())
        # Right-click the icon, then choose "退出(&E)" with its access key.
        s.choose_from_tray_menu("e")
        wait_until("the process to end", lambda: not s.orvane_running())
        assert first.poll() is not None or first.wait(timeout=10) is not None
        # The taskbar redraws a moment after the icon is removed.
        wait_until("the tray icon to go", lambda: not s.tray_shows_icon())
        assert open(settings, "rb").read() == before


WELCOME_CONTENT = ("Windows 系统会自动隐藏新的托盘图标, 如果您希望内存值显示始终可见, 请点击箭头以显示"
                   "溢出部分, 将您想要的图标拖动到任务栏右侧的通知区域.")
WELCOME_FOOTER = "Orvane 是免费软件, 如果您觉得它有用, 请考虑 "


def open_welcome_screen(s):
    s.start()
    s.wait_main_window()
    dialog = s.dialog()
    texts = texts_of(dialog)
    assert "始终保持 Orvane 可见!" in texts, texts
    content = next(t for t in texts if t.startswith(WELCOME_CONTENT))
    assert content.startswith(WELCOME_CONTENT + "\r\n\r\n<a href=") and ">更多信息</a>" in content
    footer = next(t for t in texts if t.startswith(WELCOME_FOOTER))
    assert ">捐赠</a> 帮助软件持续开发." in footer, footer
    box = next(c for c in dialog["controls"] if c["text"] == "不再显示此屏幕")
    assert box["checked"] == 0
    return dialog


def test_first_run_screen_ticked_saves_at_once(args):
    with Session(args, "welcome-ticked") as s:
        settings = s.install()
        dialog = open_welcome_screen(s)
        s.click(dialog["hwnd"], "不再显示此屏幕")
        s.click(dialog["hwnd"], "确定")
        # The whole file is written at once, closing with the "Colors" section.
        wait_until("the saved settings", lambda: os.path.exists(settings) and "FullBarColor=" in
                   open(settings, "rb").read().decode("gbk"))
        text = open(settings, "rb").read().decode("gbk")
        assert "ShowWelcomeWindow=0" in text, text
        assert s.orvane_running()


def test_first_run_screen_unticked_writes_nothing(args):
    with Session(args, "welcome-unticked") as s:
        settings = s.install()
        dialog = open_welcome_screen(s)
        s.click(dialog["hwnd"], "确定")
        wait_until("the dialog to close", lambda: s.probe(
            "count", "--class", "#32770", "--visible")[1] == "0")
        assert not os.path.exists(settings)
        assert not os.path.exists(os.path.dirname(settings)) or not os.listdir(
            os.path.dirname(settings))


def about_window(s):
    rc, out = s.probe("dialog", "--class", "TFrmOrvaneMain", "--timeout", "15000")
    assert rc == 0, "the about window is not visible"
    return json.loads(out)


def test_about_window_shows_version_and_only_hides(args):
    with Session(args, "about") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\n")
        s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: s.tray_shows_icon())
        s.choose_from_tray_menu("a")
        about = about_window(s)
        assert "版本      1.0" in texts_of(about), texts_of(about)
        # Its close box hides it; the program keeps running.
        s.post("TFrmOrvaneMain", WM_CLOSE)
        wait_until("the about window to hide", lambda: s.probe(
            "count", "--class", "TFrmOrvaneMain", "--visible")[1] == "0")
        assert s.orvane_running()
        # "确定(&O)" hides it too.
        s.choose_from_tray_menu("a")
        s.click(about_window(s)["hwnd"], "确定(&O)")
        wait_until("the about window to hide", lambda: s.probe(
            "count", "--class", "TFrmOrvaneMain", "--visible")[1] == "0")
        assert s.orvane_running() and s.main_window_count() == 1


def test_session_end_saves_settings(args):
    with Session(args, "session-end") as s:
        settings = s.install(settings="[General]\nShowWelcomeWindow=0\n")
        s.start()
        s.wait_main_window()
        assert s.send("TFrmOrvaneMain", WM_QUERYENDSESSION) == 1
        text = open(settings, "rb").read().decode("gbk")
        assert "RefreshRate=2000" in text and "[Colors]" in text, text


if __name__ == "__main__":
    run_tests([
        test_starts_hidden_with_tray_icon_and_single_instance,
        test_exit_from_menu_removes_icon_and_keeps_settings,
        test_session_end_saves_settings,
        test_first_run_screen_ticked_saves_at_once,
        test_first_run_screen_unticked_writes_nothing,
        test_about_window_shows_version_and_only_hides,
    ])
