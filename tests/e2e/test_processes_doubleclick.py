"""Double-clicks on the tray icon of the real program run the chosen action once and open no
menu; the global hotkey's atom lives as long as the program."""
import time

from orvane_e2e import Session, run_tests, texts_of, wait_until

TRAY_POINT = ("1014", "758")
CMD_CLOSE = 3006
WM_COMMAND = 0x0111
ATOM = "HotKeyManagerHotKey49220"  # Ctrl+Alt+D


def start(s, action):
    s.install(settings=f"[General]\nShowWelcomeWindow=0\nDoubleClickAction={action}\n"
                       f"RefreshHotkey=49220\n")
    s.start()
    s.wait_main_window()
    wait_until("the tray icon", lambda: s.tray_shows_icon())


def stop(s):
    s.post("TFrmOrvaneMain", WM_COMMAND, CMD_CLOSE)
    s.wait_ended()


def double_click(s):
    s.xdotool("mousemove", *TRAY_POINT, "click", "--repeat", "2", "--delay", "80", "1")


def visible(s, window_class):
    rc, out = s.probe("count", "--class", window_class, "--visible")
    assert rc == 0
    return int(out)


def atom_exists(s):
    rc, _ = s.probe("atom", "--name", ATOM)
    return rc == 0


def task_manager_running(s):
    return any("taskmgr" in n.lower() for n in s.wine_processes())


def test_double_click_actions(args):
    with Session(args, "processes-doubleclick") as s:
        # 5: the Run dialog, naming the program; the hotkey's atom exists while it runs.
        start(s, 5)
        assert atom_exists(s), f"no global atom {ATOM}"
        double_click(s)
        d = s.dialog(title="Run")
        assert "键入程序, 文件夹, 文档或网络资源的名称, 然后 Orvane 将为您打开它." in texts_of(d), \
            texts_of(d)
        assert visible(s, "#32768") == 0, "a double-click opened the tray menu"
        s.click(d["hwnd"], "取消")
        rc, _ = s.probe("wait-gone", "--class", "#32770", "--title", "Run", "--timeout", "60000")
        assert rc == 0, "the Run dialog stayed open"
        assert visible(s, "#32770") == 0, "a second dialog followed"
        stop(s)
        assert not atom_exists(s), f"{ATOM} outlived the program"

        # 8: nothing at all, for a few seconds of watching.
        start(s, 8)
        double_click(s)
        end = time.monotonic() + 4
        while time.monotonic() < end:
            assert visible(s, "#32770") == 0 and visible(s, "#32768") == 0, "something opened"
            assert not task_manager_running(s)
        assert s.send("TFrmOrvaneMain", 0) == 0  # still answering
        stop(s)

        # 0: Task Manager starts, and no menu opens.
        start(s, 0)
        double_click(s)
        wait_until("Task Manager", lambda: task_manager_running(s))
        assert visible(s, "#32768") == 0, "a double-click opened the tray menu"


if __name__ == "__main__":
    run_tests([test_double_click_actions])
