"""The high-memory step at start-up: low-memory dialog, its check box, the log line and the log
command, with a red threshold below the current load so that the first tick fires."""
import os
import re

from orvane_e2e import Session, run_tests, texts_of, wait_until

WM_QUERYENDSESSION = 0x11

TITLE = "您的计算机内存不足."
TEXT = "要恢复足够的内存使程序正常运行, 请保存文件后关闭或重新启动所有打开的程序"
BUTTONS = ["整理内存(&D)", "任务管理器(&T)", "关闭(&C)"]
CHECK_BOX = "不再显示此警告"

FIRING = ("[General]\nShowWelcomeWindow=0\nWarn=0\nDefragOnHighMemory=0\nWarnMsgBox=1\n"
          "WriteLog={log}\nRedPercent=1\n")


def low_memory_dialog(s):
    s.start()
    s.wait_main_window()
    dialog = s.dialog()
    texts = texts_of(dialog)
    assert dialog["title"] == "Orvane", dialog["title"]
    assert TITLE in texts and TEXT in texts, texts
    buttons = [c["text"] for c in dialog["controls"]
               if c["class"] == "Button" and c["checked"] == -1 and c["visible"]]
    assert buttons == BUTTONS, buttons
    box = next(c for c in dialog["controls"] if c["text"] == CHECK_BOX)
    assert box["checked"] == 0
    s.save_picture("low-memory-warning", wait_until("the dialog on the screen",
                                                    s.visible_program_window)[1])
    return dialog


def dialog_closed(s):
    return s.probe("count", "--class", "#32770", "--visible")[1] == "0"


def tick_and_close(s, dialog):
    s.click(dialog["hwnd"], CHECK_BOX)
    s.click(dialog["hwnd"], "关闭(&C)")
    wait_until("the dialog to close", lambda: dialog_closed(s))


def settings_text(path):
    return open(path, "rb").read().decode("gbk")


def test_ticked_box_switches_the_dialog_off_at_the_next_save(args):
    with Session(args, "lowmem-ticked") as s:
        settings = s.install(settings=FIRING.format(log=1))
        dialog = low_memory_dialog(s)
        tick_and_close(s, dialog)
        assert s.orvane_running()
        assert "WarnMsgBox=1" in settings_text(settings), "not saved before the session ends"

        # One log line, written after the dialog closed, with the pieces in order.
        log = os.path.join(s.appdata_dir, "Orvane.log")
        wait_until("the log line", lambda: os.path.exists(log) and os.path.getsize(log) > 0)
        text = open(log, "rb").read().decode("gbk")
        assert re.fullmatch(
            r"\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d{2}:\d{2}: 内存使用: \d{1,3}% \| "
            r"物理内存: [\d.]+ (GB|MB)/[\d.]+ (GB|MB) \| 页面文件: [\d.]+ (GB|MB)/[\d.]+ (GB|MB)\r\n",
            text), repr(text)

        assert s.send("TFrmOrvaneMain", WM_QUERYENDSESSION) == 1
        wait_until("the saved settings", lambda: "WarnMsgBox=0" in settings_text(settings))


def test_menu_exit_does_not_save_the_box(args):
    with Session(args, "lowmem-exit") as s:
        settings = s.install(settings=FIRING.format(log=0))
        dialog = low_memory_dialog(s)
        tick_and_close(s, dialog)
        before = open(settings, "rb").read()
        s.choose_from_tray_menu("e")
        wait_until("the process to end", lambda: not s.orvane_running())
        assert open(settings, "rb").read() == before
        assert not os.path.exists(os.path.join(s.appdata_dir, "Orvane.log")), "WriteLog is off"


def test_log_command_without_a_log_explains(args):
    with Session(args, "log-command") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\nWriteLog=1\nRedPercent=99\n")
        s.start()
        s.wait_main_window()
        wait_until("the tray icon", lambda: s.tray_shows_icon())
        s.choose_from_tray_menu("h")
        dialog = s.dialog()
        texts = texts_of(dialog)
        assert "尚未记录到高内存值" in texts, texts
        assert "仅当内存超过 98% 的内存负载" in texts, texts
        path = r"C:\users\%s\AppData\Roaming\Velmoria\Orvane\Orvane.log" % os.environ.get(
            "USER", "root")
        assert any(t.lower() == ('日志文件将保存在 "%s"' % path).lower() for t in texts), texts
        s.click(dialog["hwnd"], "确定")
        wait_until("the dialog to close", lambda: dialog_closed(s))


if __name__ == "__main__":
    run_tests([
        test_ticked_box_switches_the_dialog_off_at_the_next_save,
        test_menu_exit_does_not_save_the_box,
        test_log_command_without_a_log_explains,
    ])
