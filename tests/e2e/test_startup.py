"""Start-up, single instance and exit of the real program."""
from orvane_e2e import Session, run_tests, wait_until

WM_QUERYENDSESSION = 0x11


def tray_shows_icon(session):
    pixels = session.tray_icon()
    colours = {p for row in pixels for p in row}
    return len(colours) > 2  # a picture, not the bare taskbar


def test_starts_hidden_with_tray_icon_and_single_instance(args):
    with Session(args, "startup") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\n")
        s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: tray_shows_icon(s))
        # A second start only wakes the first copy and ends by itself.
        second = s.start()
        wait_until("the second copy to end", lambda: second.poll() is not None, timeout=20)
        assert s.main_window_count() == 1
        assert s.orvane_running()


def test_exit_from_menu_removes_icon_and_keeps_settings(args):
    with Session(args, "exit") as s:
        settings = s.install(settings="[General]\nShowWelcomeWindow=0\n")
        before = open(settings, "rb").read()
        first = s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: tray_shows_icon(s))
        # Right-click the icon, then choose "退出(&E)" with its access key.
        s.xdotool("mousemove", "1014", "758", "click", "3")
        menu = wait_until("the tray menu", lambda: s.xdotool(
            "search", "--onlyvisible", "--classname", "Orvane.exe"))
        s.xdotool("windowfocus", menu.splitlines()[0])
        s.xdotool("key", "e")
        wait_until("the process to end", lambda: not s.orvane_running(), timeout=20)
        assert first.poll() is not None or first.wait(timeout=10) is not None
        assert not tray_shows_icon(s)
        assert open(settings, "rb").read() == before


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
    ])
