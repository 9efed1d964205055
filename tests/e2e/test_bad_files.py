"""Files in the way of the real program: the settings file held by another program at start-up
and at the save, a full disk at the save and a log path that cannot be written (the table in
docs/robustness.md)."""
import os
import shutil

from bad_input import (WELCOME, end_session, exit_program, ini_text, read_bytes, run_table,
                       start, write_bytes)
from orvane_e2e import Session, run_tests

QUIET = "[General]\nShowWelcomeWindow=0\n"
# The user's file: values of their own, a hand-set log path and the colour picker's section.
USER_FILE = ini_text(QUIET + "RefreshRate=500\nLogFile=D:\\mem.log\n[Colors]\nRedColor=0000FF\n"
                     "[自定义颜色]\nColorA=FFC0C0\n")
UNREADABLE = ("无法读取设置文件", "Velmoria\\Orvane\\Orvane.Settings\"")
# The high-memory step fires at the first tick and only writes the log line.
LOGGING = QUIET + "Warn=0\nDefragOnHighMemory=0\nWriteLog=1\nRedPercent=1\nLogFile={}\n"


def settings_cases(s, settings):
    def locked_at_start(s):
        write_bytes(settings, USER_FILE)
        holder = s.hold(settings)
        start(s, UNREADABLE, WELCOME)
        holder.kill()
        holder.wait()
        end_session(s)
        assert read_bytes(settings) == USER_FILE

    def locked_for_a_moment_at_start(s):
        write_bytes(settings, USER_FILE)
        s.hold(settings, ms=1500)
        start(s)
        end_session(s)
        saved = read_bytes(settings).decode("gbk").splitlines()
        assert "RefreshRate=500" in saved and "LogFile=D:\\mem.log" in saved, saved

    def locked_at_save(s):
        write_bytes(settings, USER_FILE)
        start(s)
        holder = s.hold(settings)
        end_session(s, dialog=("Unable to write to C:\\users\\", "Orvane.Settings."))
        holder.kill()
        holder.wait()
        assert read_bytes(settings) == USER_FILE
        # Nothing but the user's file and the memory history: no copy left behind.
        left = sorted(os.listdir(os.path.dirname(settings)))
        assert left == ["Orvane.History.csv", "Orvane.Settings"], left

    return [locked_at_start, locked_for_a_moment_at_start, locked_at_save]


def full_disk_cases(s, settings, drive, drive_root):
    exe = drive_root + "Orvane.exe"
    portable = os.path.join(drive, "Orvane.Settings")

    def full_disk_at_save(s):
        # About 3.5 KB: the copy beside it still fits in the last free page, the saved file not.
        padding = "".join(f"Note{i}={'n' * 60}\n" for i in range(50))
        user_file = ini_text(QUIET + "RefreshRate=500\n[自定义颜色]\n" + padding)
        shutil.copy(s.args.exe, os.path.join(drive, "Orvane.exe"))
        write_bytes(portable, user_file)
        start(s, exe=exe)
        s.fill_disk(drive, leave_bytes=4096)
        end_session(s, dialog=(f"Unable to write to {drive_root}Orvane.Settings.",))
        assert read_bytes(portable) == user_file
        assert "Orvane.Settings.saving" not in os.listdir(drive)
        exit_program(s)
        for name in ["filler.bin", "Orvane.Settings", "Orvane.exe"]:
            os.remove(os.path.join(drive, name))

    def log_on_a_full_disk(s):
        write_bytes(settings, ini_text(LOGGING.format(drive_root + "Orvane.log")))
        s.fill_disk(drive)
        start(s, ("Disk full.",))
        assert not os.path.exists(os.path.join(drive, "Orvane.log")) or os.path.getsize(
            os.path.join(drive, "Orvane.log")) == 0
        exit_program(s)
        os.remove(os.path.join(drive, "filler.bin"))

    return [full_disk_at_save, log_on_a_full_disk]


def log_cases(s, settings):
    c_drive = os.path.join(s.prefix, "drive_c")
    folder = os.path.join(c_drive, "logs-folder")
    locked = os.path.join(c_drive, "locked.log")

    def run(path, message):
        write_bytes(settings, ini_text(LOGGING.format(path)))
        start(s, (message,))

    def log_in_a_missing_folder(s):
        run("C:\\no\\such\\folder\\Orvane.log", "Invalid filename.")
        assert not os.path.exists(os.path.join(c_drive, "no")), "the folder was created"

    def log_path_is_a_folder(s):
        os.makedirs(folder, exist_ok=True)
        run("C:\\logs-folder", "File access denied.")
        assert not os.listdir(folder)

    def log_path_of_300_characters(s):
        run("C:\\" + "l" * 297, "Invalid filename.")

    def log_held_by_another_program(s):
        write_bytes(locked, b"earlier line\r\n")
        holder = s.hold(locked)
        run("C:\\locked.log", "I/O error 32.")
        holder.kill()
        holder.wait()
        assert read_bytes(locked) == b"earlier line\r\n"

    return [log_in_a_missing_folder, log_path_is_a_folder, log_path_of_300_characters,
            log_held_by_another_program]


def test_settings_file_held_by_another_program(args):
    with Session(args, "bad-files-held") as s:
        settings = s.install()
        run_table(s, settings_cases(s, settings))


def test_log_paths_that_cannot_be_written(args):
    with Session(args, "bad-files-log") as s:
        settings = s.install()
        run_table(s, log_cases(s, settings))


def test_full_disk(args):
    if os.geteuid() != 0:
        print("SKIP test_full_disk: mounting a small file system needs root")
        return
    with Session(args, "bad-files-full") as s:
        settings = s.install()
        # Room for the program and a little more, whatever size the program has grown to.
        exe_kib = -(-os.path.getsize(args.exe) // 1024)
        drive, drive_root = s.small_drive("T", exe_kib + 128)
        run_table(s, full_disk_cases(s, settings, drive, drive_root))


if __name__ == "__main__":
    run_tests([test_settings_file_held_by_another_program, test_log_paths_that_cannot_be_written,
               test_full_disk])
