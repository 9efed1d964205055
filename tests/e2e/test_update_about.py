"""The about window of the real program and its update check, with no network: shown from the
tray menu near the tray, the label going from checking to the error caption, a new check at
each showing, hiding with its button and close box, and exit while a check still runs.

Without a network the check fails within milliseconds; where the test must see the checking
caption, the system's proxy setting points at a local proxy that holds the connection for two
seconds and then drops it, which the program sees as the same network failure."""
import glob
import json
import os
import socket
import subprocess
import threading

from orvane_e2e import WINE_START, Session, run_tests, texts_of, wait_until

IDC_ABOUT_VERSION = 102
IDC_ABOUT_DOWNLOAD = 104
WM_SYSCOMMAND = 0x112
SC_CLOSE = 0xF060
CHECKING = "正在检查更新..."
FAILED = "检查新版本时出错"
SETTINGS = "[General]\nShowWelcomeWindow=0\n"


def short_version(text):
    """The version's display form: 4.1.2.3 gives 4.12 SR3."""
    major, minor, release, build = (int(p) for p in text.split("."))
    out = f"{major}.{minor}" + (str(release) if release > 0 else "")
    return out + (f" SR{build}" if build > 0 else "")


class LabelWatch:
    """The probe polling the update label's text from before the window is shown; every
    distinct text it saw, in order, after a first None: the label exists only once the about
    window has been shown."""

    def __init__(self, s, hwnd, until, after, timeout=90):
        self.path = os.path.join(s.root, f"watch-{len(s.procs)}.txt")
        self.out = open(self.path, "wb")
        self.proc = subprocess.Popen(
            ["wine", s.args.probe, "watch-text", "--hwnd", str(hwnd), "--id",
             str(IDC_ABOUT_DOWNLOAD), "--until", until, "--after", after, "--timeout",
             str(timeout * 1000)],
            env=s.env(), stdin=subprocess.DEVNULL, stdout=self.out, stderr=subprocess.DEVNULL)
        s.procs.append(self.proc)
        self.timeout = timeout
        wait_until("the label watch to start", lambda: self.texts(), timeout=WINE_START)

    def texts(self):
        with open(self.path, "rb") as f:
            return [json.loads(line) for line in f.read().decode().splitlines() if line]

    def wait(self):
        rc = self.proc.wait(timeout=self.timeout + WINE_START)
        self.out.close()
        assert rc == 0, f"the label never read as expected: {self.texts()}"
        return self.texts()


def assert_check_ran(texts):
    """A check started (the checking caption) and then ended as failed."""
    assert CHECKING in texts and texts[-1] == FAILED, texts
    assert texts.index(CHECKING) < len(texts) - 1, texts
    return texts


def about_visible(s):
    return int(s.probe("count", "--class", "TFrmOrvaneMain", "--visible")[1]) == 1


def show_about(s, hwnd, until=FAILED, after=CHECKING):
    watch = LabelWatch(s, hwnd, until, after=after)
    s.choose_from_tray_menu("a")
    texts = watch.wait()
    wait_until("the about window", lambda: about_visible(s))
    return texts


def window_rect(s, hwnd):
    rc, out = s.probe("rect", "--hwnd", str(hwnd))
    assert rc == 0
    return tuple(int(v) for v in out.split())


def save_window_picture(s, hwnd, name):
    """A picture of the about window alone, for people."""
    s.xdotool("mousemove", "5", "5")
    left, top, right, bottom = window_rect(s, hwnd)
    s.save_picture(name, (left, top, right - left, bottom - top))


def start(s):
    s.install(settings=SETTINGS)
    s.start()
    hwnd = s.wait_main_window()
    wait_until("the tray icon", s.tray_shows_icon)
    return hwnd


def temp_files(s):
    return glob.glob(os.path.join(s.prefix, "drive_c", "users", "*", "AppData", "Local", "Temp",
                                  "TMP?????"))


def proxy_settings(tarpit):
    return {r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Internet Settings":
            {"ProxyEnable": 1, "ProxyServer": f"127.0.0.1:{tarpit.port}"}}


def test_about_window_checks_and_hides(args):
    tarpit = Tarpit(drop_after=2)
    try:
        about_window_checks_and_hides(args, tarpit)
    finally:
        tarpit.close()


def about_window_checks_and_hides(args, tarpit):
    with Session(args, "update-about", registry=proxy_settings(tarpit)) as s:
        hwnd = start(s)
        texts = assert_check_ran(show_about(s, hwnd))
        print("label texts:", texts)

        rc, version = s.probe("file-version", "--file", r"C:\Orvane\Orvane.exe")
        assert rc == 0
        rc, out = s.probe("dialog", "--class", "TFrmOrvaneMain", "--timeout", "20000")
        assert rc == 0
        about = json.loads(out)
        texts = texts_of(about)
        for expected in ("Orvane - 托盘内存监视器", "版本      " + short_version(version),
                         "© 2026 Velmoria. 保留所有权利.", "确定(&O)"):
            assert expected in texts, (expected, texts)
        # Near the tray: the bottom-right corner of the work area above Wine's bottom taskbar.
        left, top, right, bottom = window_rect(s, hwnd)
        assert abs(right - (1024 - 20)) <= 2 and 600 < bottom <= 768 - 20, (left, top, right,
                                                                             bottom)
        save_window_picture(s, hwnd, "about-window")

        # "确定(&O)" hides it; the program goes on.
        s.click(hwnd, "确定(&O)")
        wait_until("the about window to hide", lambda: not about_visible(s))
        assert s.orvane_running()

        # The failed check is tried again at the next showing.
        assert_check_ran(show_about(s, hwnd))

        # The close box hides it too.
        s.post("TFrmOrvaneMain", WM_SYSCOMMAND, SC_CLOSE)
        wait_until("the about window to hide", lambda: not about_visible(s))
        assert s.orvane_running()
        assert temp_files(s) == []

        s.choose_from_tray_menu("e")
        wait_until("the program to end", lambda: not s.orvane_running())


class Tarpit:
    """A proxy that accepts connections and never answers: a download through it blocks. With
    `drop_after`, each connection is dropped after that many seconds instead."""

    def __init__(self, drop_after=None):
        self.drop_after = drop_after
        self.sock = socket.socket()
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(8)
        self.port = self.sock.getsockname()[1]
        self.clients = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            try:
                client, _ = self.sock.accept()
            except OSError:
                return
            self.clients.append(client)
            if self.drop_after is not None:
                threading.Timer(self.drop_after, client.close).start()

    def close(self):
        self.sock.close()
        for c in self.clients:
            c.close()


def test_exit_while_checking_leaves_no_process(args):
    tarpit = Tarpit()
    try:
        with Session(args, "update-exit", registry=proxy_settings(tarpit)) as s:
            hwnd = start(s)
            texts = show_about(s, hwnd, until=CHECKING)
            assert texts[-1] == CHECKING, texts
            wait_until("the download to reach the proxy", lambda: tarpit.clients)
            assert window_rect(s, hwnd)  # still there, still checking
            s.choose_from_tray_menu("e")
            wait_until("the program to end", lambda: not s.orvane_running())
            assert temp_files(s) == []
    finally:
        tarpit.close()


def test_about_window_at_higher_dpi(args):
    for dpi in (120, 144):
        with Session(args, f"update-about-{dpi}", dpi=dpi) as s:
            hwnd = start(s)
            # No proxy here: the real no-network failure, too quick to see the checking caption.
            texts = show_about(s, hwnd, after="")
            assert texts[-1] == FAILED, texts
            left, top, right, bottom = window_rect(s, hwnd)
            assert 0 <= left and right <= 1024 and 0 <= top and bottom <= 768
            save_window_picture(s, hwnd, f"about-window-{dpi}")


if __name__ == "__main__":
    run_tests([test_about_window_checks_and_hides, test_exit_while_checking_leaves_no_process,
               test_about_window_at_higher_dpi])
