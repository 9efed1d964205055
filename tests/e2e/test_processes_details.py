"""The process details dialog of the real program, opened from the tray menu: its texts, copy,
dismissal, terminate and the system-process footer; and a screenshot of it for the README."""
import json
import os
import re
import shutil
import subprocess

from orvane_e2e import Session, run_tests, texts_of, wait_until

CHILD = "processes_details_child.exe"
CHILD_PATH = r"C:\Orvane" + "\\" + CHILD
DETAILS = ("名称: 详情测试子程序\r\n公司: Velmoria\r\n版本: 2.5.0.1\r\n版权: © 2026 Velmoria\r\n"
           "内部名称: details_child\r\n文件路径: " + CHILD_PATH + "\r\n")
WARNING = ("请注意, 使用关联程序终止进程可能会导致不良的后果, 包括丢失未保存的数据, "
           "系统不稳定甚至系统关闭等问题. 只有无响应的进程才应该被终止.")
BUTTONS = ["在线搜索(&O)", "复制详细信息(&D)", "打开文件路径(&P)", "可用内存(&M)", "终止进程(&K)",
           "取消(&C)"]


def open_line(s, line):
    """Opens the tray menu and picks its `line`-th process line with the keyboard (they follow
    the Task Manager item when the memory lines are off); returns the details dialog the probe
    read."""
    s.open_tray_menu()
    wid, _ = wait_until("the tray menu", s.visible_program_window)
    s.xdotool("windowfocus", wid)
    s.xdotool("key", *(["Down"] * (line + 1)), "Return")
    return s.dialog(title="进程信息")


def dialog_gone(s):
    rc, _ = s.probe("wait-gone", "--class", "#32770", "--title", "进程信息", "--timeout", "60000")
    assert rc == 0, "the details dialog stayed open"


def clipboard(s):
    rc, out = s.probe("clipboard")
    assert rc == 0, "the clipboard could not be read"
    return json.loads(out)


def content_of(dialog):
    return next((t for t in texts_of(dialog) if WARNING in t), None)


def test_details_dialog(args):
    with Session(args, "processes-details") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\nTopProcessCount=8\nShowMemMenu=0\n")
        shutil.copy(os.path.join(os.path.dirname(args.probe), CHILD), s.exe_dir)
        child = subprocess.Popen(["wine", CHILD_PATH], env=s.env(), stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        s.procs.append(child)
        wait_until("the child's memory", lambda: s.resident_kib(CHILD) > 280 * 1024,
                   timeout=60)
        s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: s.tray_shows_icon())

        # The child holds the most memory: its line is the first.
        d = open_line(s, 1)
        texts = texts_of(d)
        assert d["title"] == "进程信息", d["title"]
        assert any(re.fullmatch(re.escape(CHILD) + r" \(.+\)", t) for t in texts), texts
        assert content_of(d) == DETAILS + "\r\n" + WARNING, content_of(d)
        buttons = [c["text"] for c in d["controls"] if c["class"] == "Button" and c["visible"]]
        assert buttons == BUTTONS, buttons
        assert not any("可能是一个系统进程" in t for t in texts), texts
        # A picture of the dialog for people.
        _, box = wait_until("the dialog on the screen", s.visible_program_window)
        s.xdotool("mousemove", "5", "5")
        s.save_picture("details-dialog", box)

        # Copy: the clipboard holds exactly the detail lines.
        s.click(d["hwnd"], "复制详细信息(&D)")
        dialog_gone(s)
        wait_until("the copied details", lambda: clipboard(s) == DETAILS)

        # Escape copies nothing and ends nothing. (Wine's task dialog ignores Escape when it
        # has no Cancel button; then its close box dismisses it.)
        rc, _ = s.probe("set-clipboard", "--text", "unchanged")
        assert rc == 0
        d = open_line(s, 1)
        s.xdotool("windowfocus", s.visible_program_window()[0])
        s.xdotool("key", "Escape")
        rc, _ = s.probe("wait-gone", "--class", "#32770", "--title", "进程信息", "--timeout",
                        "3000")
        if rc != 0:
            print("Escape left the task dialog open; closing it by its close box")
            s.probe("post", "--hwnd", str(d["hwnd"]), "--msg", "0x0112",  # WM_SYSCOMMAND
                    "--wparam", "0xF060")  # SC_CLOSE
        dialog_gone(s)
        assert clipboard(s) == "unchanged"
        assert child.poll() is None, "the child ended on a dismissal"

        # The explorer.exe line carries the system-process footer.
        for line in range(2, 9):
            d = open_line(s, line)
            if any(t.startswith("explorer.exe (") for t in texts_of(d)):
                assert "'explorer.exe' 可能是一个系统进程" in texts_of(d), texts_of(d)
                s.click(d["hwnd"], "取消(&C)")
                dialog_gone(s)
                break
            s.click(d["hwnd"], "取消(&C)")
            dialog_gone(s)
        else:
            raise AssertionError("no explorer.exe line among the first eight")

        # Terminate ends the child.
        d = open_line(s, 1)
        assert any(t.startswith(CHILD + " (") for t in texts_of(d)), texts_of(d)
        s.click(d["hwnd"], "终止进程(&K)")
        wait_until("the child to end", lambda: child.poll() is not None)
        assert s.orvane_running()


if __name__ == "__main__":
    run_tests([test_details_dialog])
