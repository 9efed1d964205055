"""The portable zip unpacked into a fresh prefix: the program keeps its settings and its log
beside the exe and creates nothing under the user's application data."""
import os
import zipfile

from orvane_e2e import Session, run_tests, texts_of, wait_until
from packages import artefacts

# A red threshold below any load and the log on: the first tick writes a log line.
LOGGING = {"RedPercent": "1", "WriteLog": "1", "Warn": "0", "WarnMsgBox": "0",
           "DefragOnHighMemory": "0"}


def data_folders(s):
    """The program's data folders under the user's roaming and local application data."""
    return [p for p in (os.path.join(s.user_dir, "AppData", area, "Velmoria")
                        for area in ("Roaming", "Local")) if os.path.exists(p)]


def with_values(text, values):
    lines = [l for l in text.split("\r\n") if l.split("=", 1)[0] not in values]
    at = lines.index("[General]") + 1
    return "\r\n".join(lines[:at] + [f"{k}={v}" for k, v in values.items()] + lines[at:])


def test_unpacked_zip_runs_portable(args):
    with Session(args, "package-portable") as s:
        with zipfile.ZipFile(artefacts(args, "current").zip) as z:
            z.extractall(s.exe_dir)
        settings = os.path.join(s.exe_dir, "Orvane.Settings")

        # First run: the welcome screen; ticking its box saves the settings beside the exe.
        s.start()
        s.wait_main_window()
        dialog = s.dialog()
        assert "始终保持 Orvane 可见!" in texts_of(dialog), texts_of(dialog)
        s.click(dialog["hwnd"], "不再显示此屏幕")
        s.click(dialog["hwnd"], "确定")
        wait_until("the settings beside the exe", lambda: "FullBarColor=" in open(
            settings, "rb").read().decode("gbk"))
        wait_until("the tray icon", s.tray_shows_icon)
        s.choose_from_tray_menu("e")
        wait_until("the program to end", lambda: not s.orvane_running())

        # Second run with the log on: the log line goes beside the exe too.
        text = open(settings, "rb").read().decode("gbk")
        with open(settings, "wb") as f:
            f.write(with_values(text, LOGGING).encode("gbk"))
        s.start()
        s.wait_main_window()
        log = os.path.join(s.exe_dir, "Orvane.log")
        wait_until("the log line beside the exe", lambda: os.path.exists(log) and
                   os.path.getsize(log) > 0)
        assert data_folders(s) == [], data_folders(s)
        left = sorted(os.listdir(s.exe_dir))
        assert left == sorted(
            ["Orvane.exe", "Orvane.Settings", "Orvane.History.csv", "Orvane.log", "说明.txt",
             "LICENSE", "THIRD-PARTY-NOTICES.txt"]), left


if __name__ == "__main__":
    run_tests([test_unpacked_zip_runs_portable])
