"""Shared steps of the bad-input tables: one program run per case in one prefix, each run
started, watched for the dialog it should (or should not) show, saved at session end and ended
from its menu command."""
import json
import os
import time

from orvane_e2e import texts_of, wait_until

WM_QUERYENDSESSION = 0x11
WM_COMMAND = 0x111
CMD_CLOSE = 3006
OK_BUTTONS = ("确定", "OK")
# The first-run screen: a settings file that cannot be read leaves it switched on.
WELCOME = ("始终保持 Orvane 可见!",)


def visible_dialogs(s):
    return int(s.probe("count", "--class", "#32770", "--visible")[1])


def stays(what, predicate, seconds=2.0):
    """Checks that `predicate` holds for a while (a dialog that must not appear)."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        assert predicate(), what
        time.sleep(0.2)


def answer_dialog(s, *expected):
    """Waits for a dialog, checks that each expected text is part of one of its texts, presses
    its OK button and returns its texts."""
    dialog = s.dialog()
    texts = [dialog["title"], *texts_of(dialog)]
    for text in expected:
        assert any(text in t for t in texts), f"{text!r} not in {texts}"
    button = next(c["text"] for c in dialog["controls"] if c["text"] in OK_BUTTONS)
    s.click(dialog["hwnd"], button)
    wait_until("the dialog to close", lambda: visible_dialog(s) != dialog["hwnd"])
    return texts


def visible_dialog(s):
    """The handle of the visible dialog, or None."""
    rc, out = s.probe("dialog", "--timeout", "0")
    return json.loads(out)["hwnd"] if rc == 0 else None


def start(s, *dialogs, exe=None):
    """Starts the program and waits until it runs with its tray icon; each of `dialogs` lists
    the texts of a dialog it must show on the way, in that order (each answered with OK);
    without any, no dialog may appear."""
    if exe:
        s.start(exe)
    else:
        s.start()
    s.wait_main_window()
    for texts in dialogs:
        answer_dialog(s, *texts)
    wait_until("the tray icon", lambda: visible_dialogs(s) == 0 and s.tray_shows_icon())
    if not dialogs:
        stays("no dialog appears", lambda: visible_dialogs(s) == 0)
    assert s.orvane_running(), "the program ended"


def open_and_close_menu(s):
    """The tray menu opens (its process lines and colours come from the settings) and closes."""
    s.choose_from_tray_menu("Escape")
    wait_until("the menu to close", lambda: not s.visible_program_windows())
    assert s.orvane_running(), "the program ended with its menu"


def end_session(s, dialog=None):
    """Session end: the settings are saved; `dialog` lists the texts of the error it must show."""
    if dialog:
        s.post("TFrmOrvaneMain", WM_QUERYENDSESSION)
        answer_dialog(s, *dialog)
    else:
        assert s.send("TFrmOrvaneMain", WM_QUERYENDSESSION, timeout=60) == 1
    assert s.orvane_running(), "the program ended at the session-end save"


def exit_program(s):
    s.post("TFrmOrvaneMain", WM_COMMAND, CMD_CLOSE)
    s.wait_ended()


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def ini_text(text):
    """Settings text as a hand-edited file holds it: CR LF lines in the Chinese code page."""
    return text.replace("\n", "\r\n").encode("gbk")


def run_table(s, cases):
    """Runs each case; collects failures so that one broken row does not hide the others."""
    failures = []
    for case in cases:
        began = time.monotonic()
        try:
            case(s)
            print(f"  row {case.__name__}: ok ({time.monotonic() - began:.1f} s)", flush=True)
        except Exception as e:  # noqa: BLE001 - every row is reported
            failures.append(f"{case.__name__}: {e}")
            print(f"  row {case.__name__}: FAILED {e}", flush=True)
        finally:
            s.release_holds()
            if s.orvane_running():
                try:
                    exit_program(s)
                except AssertionError:
                    s.kill_orvane()
                    s.wait_ended()
    assert not failures, "\n".join(failures)
