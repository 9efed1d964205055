"""The command line of the real program: each switch against a running copy and against none,
with the exit codes scripts test."""
import subprocess

from orvane_e2e import WINE_START, Session, run_tests, wait_until
from test_options_dialog import options_dialog
from test_single_instance import orvane_copies

SETTINGS = "[General]\nShowWelcomeWindow=0\n"
EXE = r"C:\Orvane\Orvane.exe"


def run_switch(s, *args, timeout=WINE_START + 30):
    """Runs the program with `args` to its end; its exit code."""
    rc, _, _ = s.run_captured(["wine", EXE, *args], timeout)
    return rc


def start_switch(s, *args):
    p = subprocess.Popen(["wine", EXE, *args], env=s.env(), stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
    s.procs.append(p)
    return p


def answer_help_box(s, process):
    """Reads the box that lists the switches, presses its OK button; the box's texts."""
    box = s.dialog()
    texts = "\n".join(c["text"] for c in box["controls"]) + "\n" + box["title"]
    s.click(box["hwnd"], "确定")
    wait_until("the program to end", lambda: process.poll() is not None)
    return texts


def test_switches_with_no_copy_running(args):
    with Session(args, "cmdline-none") as s:
        s.install(settings=SETTINGS)
        # Nothing to end: exit 1, and nothing was started.
        assert run_switch(s, "/exit") == 1
        # Trims once itself and ends.
        assert run_switch(s, "-TRIM") == 0
        assert not s.orvane_running()
        for switch, code in (("/?", 0), ("/bogus", 2)):
            p = start_switch(s, switch)
            texts = answer_help_box(s, p)
            for name in ("/trim", "/exit", "/options", "/?"):
                assert name in texts, (switch, texts)
            assert p.returncode == code, (switch, p.returncode)
            assert s.main_window_count() == 0
        # Two switches are unknown too.
        p = start_switch(s, "/trim", "/exit")
        answer_help_box(s, p)
        assert p.returncode == 2
        assert not s.orvane_running()
        # Starts the program, which opens its options.
        p = start_switch(s, "/Options")
        options_dialog(s)
        s.wait_main_window()
        assert p.poll() is None and orvane_copies(s) == 1


def test_switches_against_a_running_copy(args):
    with Session(args, "cmdline-running") as s:
        s.install(settings=SETTINGS)
        first = s.start()
        s.wait_main_window()
        wait_until("the tray icon", s.tray_shows_icon)
        assert run_switch(s, "/trim") == 0
        assert first.poll() is None
        # An unknown switch starts nothing and leaves the running copy alone.
        p = start_switch(s, "-what")
        answer_help_box(s, p)
        assert p.returncode == 2
        assert first.poll() is None and orvane_copies(s) == 1
        # The running copy opens its options; no second copy.
        assert run_switch(s, "-options") == 0
        options_dialog(s)
        assert orvane_copies(s) == 1
        # Ends the running copy, even with its options dialog open, and waits for it.
        assert run_switch(s, "/EXIT") == 0
        assert first.poll() is not None or not s.orvane_running(), s.wine_processes()
        wait_until("the copy to end", lambda: first.poll() is not None, timeout=10)
        assert first.returncode == 0
        assert run_switch(s, "/exit") == 1


if __name__ == "__main__":
    run_tests([test_switches_with_no_copy_running, test_switches_against_a_running_copy])
