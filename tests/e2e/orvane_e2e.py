"""Harness for the end-to-end tests: the real Orvane.exe in a fresh Wine prefix on its own
virtual X display, observed from outside (windows, files, screenshots).

Every wait has a deadline; every process started here is ended in `close()`.
"""
import argparse
import fcntl
import getpass
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

TRAY_ICON_96 = (1006, 750)  # top-left of the first tray icon on a 1024x768 desktop at 96 DPI
# What a Wine program may take to start, on top of what it waits for itself, on a loaded
# machine running several sessions at once.
WINE_START = 60


def parse_args():
    p = argparse.ArgumentParser()
    p.add_argument("--exe", required=True)
    p.add_argument("--probe", required=True)
    p.add_argument("--work", required=True)
    p.add_argument("--source", required=True)
    p.add_argument("--keep", action="store_true", help="keep the prefix for inspection")
    p.add_argument("--packages", help="folder of the release artefacts under test")
    return p.parse_args()


def wait_until(what, predicate, timeout=60.0, interval=0.2):
    """Polls `predicate` until it returns a true value; fails the test at the deadline. The
    default deadline is for a loaded 2-core machine running several Wine sessions at once: it
    costs nothing when the awaited thing comes."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= end:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def texts_of(dialog):
    """The window texts of a dialog's controls, as the probe read them."""
    return [c["text"] for c in dialog["controls"]]


def reg_file(entries):
    """A .reg file body (UTF-16LE with BOM) from {key: {name: value}}; int values are DWORDs,
    None deletes the value."""
    lines = ["Windows Registry Editor Version 5.00", ""]
    for key, values in entries.items():
        lines.append(f"[{key}]")
        for name, value in values.items():
            if value is None:
                lines.append(f'"{name}"=-')
            elif isinstance(value, int):
                lines.append(f'"{name}"=dword:{value:08x}')
            else:
                escaped = value.replace("\\", "\\\\").replace('"', '\\"')
                lines.append(f'"{name}"="{escaped}"')
        lines.append("")
    return b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le")


class Session:
    """One Wine prefix + one Xvfb display for one test."""

    def __init__(self, args, name, dpi=96, registry=None, locale="zh_CN.UTF-8"):
        self.args = args
        self.name = name
        self.dpi = dpi
        self.registry = registry or {}
        self.locale = locale
        self.root = os.path.join(os.path.abspath(args.work), name)
        self.prefix = os.path.join(self.root, "prefix")
        self.xvfb = None
        self.display = None
        self.procs = []
        self.holders = []
        self.mounts = []

    # --- set-up and tear-down -------------------------------------------------------------
    def __enter__(self):
        try:
            self._make_prefix()
            self._start_server()
            # The registry is set with no display and the server restarted before any program
            # runs: regedit leaves a display-less desktop process behind, and the desktop reads
            # LogPixels and the theme only when it starts.
            regs = {r"HKEY_CURRENT_USER\Control Panel\Desktop": {"LogPixels": self.dpi}}
            for key, values in self.registry.items():
                regs.setdefault(key, {}).update(values)
            self.import_registry(regs)
            subprocess.run(["wineserver", "-k"], env=self.env(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)
            self._start_server()
            self._start_display()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _make_prefix(self):
        template = os.path.join(self.args.work, "template")
        subprocess.run([os.path.join(self.args.source, "tests/e2e/make-prefix.sh"), template],
                       check=True, stdout=subprocess.DEVNULL, env=self._base_env())
        shutil.rmtree(self.root, ignore_errors=True)
        os.makedirs(self.root)
        subprocess.run(["cp", "-a", template, self.prefix], check=True)

    def _start_server(self):
        # One persistent server with no pipes of ours: a server started by a wine call whose
        # output we capture would keep that pipe open and stall the call.
        subprocess.run(["wineserver", "-p"], env=self.env(), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30)

    def _start_display(self):
        # The first free display number from 110 up; the lock file is taken by Xvfb itself.
        lock = open(os.path.join(tempfile.gettempdir(), "orvane-e2e-display.lock"), "w")
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            for n in range(110, 200):
                if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                    continue
                self.xvfb = subprocess.Popen(
                    ["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                self.display = f":{n}"
                wait_until("Xvfb", lambda: os.path.exists(f"/tmp/.X11-unix/X{n}"),
                           interval=0.05)
                return
        finally:
            fcntl.flock(lock, fcntl.LOCK_UN)
            lock.close()
        raise AssertionError("no free X display")

    def close(self):
        if os.path.isdir(self.prefix):
            subprocess.run(["wineserver", "-k"], env=self.env(), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
        self.release_holds()
        for p in self.procs:
            if p.poll() is None:
                p.kill()
            p.wait(timeout=10)
        for mount in self.mounts:
            subprocess.run(["umount", "-l", mount], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.send_signal(signal.SIGTERM)
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        if not self.args.keep:
            shutil.rmtree(self.root, ignore_errors=True)

    # --- environment ----------------------------------------------------------------------
    def _base_env(self):
        env = dict(os.environ)
        env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL=self.locale)
        env.pop("DISPLAY", None)
        return env

    def env(self):
        env = self._base_env()
        env["WINEPREFIX"] = self.prefix
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def import_registry(self, entries):
        path = os.path.join(self.root, "import.reg")
        with open(path, "wb") as f:
            f.write(reg_file(entries))
        self.wine("regedit", "/S", self.winpath(path), timeout=2 * WINE_START)

    def run_captured(self, cmd, timeout):
        """Runs a command with its output in files, not pipes: Wine may start long-lived
        helpers (the desktop process) that inherit the handles, and a pipe would stay open."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            p = subprocess.Popen(cmd, env=self.env(), stdin=subprocess.DEVNULL, stdout=out,
                                 stderr=err)
            try:
                rc = p.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
                raise
            out.seek(0)
            err.seek(0)
            return rc, out.read(), err.read()

    def wine(self, *cmd, timeout=30, check=True):
        rc, out, err = self.run_captured(["wine", *cmd], timeout)
        if check and rc != 0:
            raise AssertionError(f"wine {cmd} failed ({rc}): {err.decode(errors='replace')}")
        return rc, out

    def winpath(self, unix_path):
        return "Z:" + os.path.abspath(unix_path).replace("/", "\\")

    # --- the program ----------------------------------------------------------------------
    @property
    def exe_dir(self):
        return os.path.join(self.prefix, "drive_c", "Orvane")

    @property
    def user_dir(self):
        """The user's profile folder in the prefix."""
        return os.path.join(self.prefix, "drive_c", "users", getpass.getuser())

    @property
    def appdata_dir(self):
        return os.path.join(self.user_dir, "AppData", "Roaming", "Velmoria", "Orvane")

    def install(self, settings=None, portable=False):
        """Copies Orvane.exe into C:\\Orvane; `settings` (text) becomes the settings file, in
        the data folder or, with `portable`, beside the exe. Returns the settings path."""
        os.makedirs(self.exe_dir, exist_ok=True)
        shutil.copy(self.args.exe, os.path.join(self.exe_dir, "Orvane.exe"))
        folder = self.exe_dir if portable else self.appdata_dir
        path = os.path.join(folder, "Orvane.Settings")
        if settings is not None:
            os.makedirs(folder, exist_ok=True)
            with open(path, "wb") as f:
                f.write(settings.replace("\n", "\r\n").encode("gbk"))
        return path

    def start(self, exe=r"C:\Orvane\Orvane.exe"):
        """Starts the program (C:\\Orvane\\Orvane.exe unless told otherwise); returns the Popen
        of the wine launcher."""
        p = subprocess.Popen(["wine", exe], env=self.env(),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def probe(self, *args, timeout=WINE_START + 30):
        """The probe's exit code (0 yes, 1 no) and output. A probe that did not run to its
        answer (another exit code, or no number where it always prints one) fails the test
        with what Wine said, so that such a failure says what happened."""
        rc, out, err = self.run_captured(["wine", self.args.probe, *args], timeout)
        if rc not in (0, 1) and not out and not err:
            # Wine ended it before its first line, without a word: it never ran. Once more.
            print(f"  the probe {args[0]} ended with exit code {rc} before it ran; "
                  f"starting it again", flush=True)
            rc, out, err = self.run_captured(["wine", self.args.probe, *args], timeout)
        text = out.decode("utf-8", errors="replace").strip()
        numeric = args[0] in ("count", "wait-window", "send", "pid")
        if rc not in (0, 1) or (rc == 0 and numeric and not text.lstrip("-").isdigit()):
            raise AssertionError(
                f"the probe {args[0]} did not run: exit code {rc}, output {text!r}, "
                f"Wine said {err.decode('utf-8', errors='replace')[-2000:]!r}")
        return rc, text

    def hold(self, path, ms=600000):
        """Holds a file open without sharing from another Windows process (as a virus scanner
        may) for `ms` milliseconds; returns the Popen (kill it to let go) once the file is held."""
        out = open(os.path.join(self.root, f"hold-{len(self.procs)}.txt"), "w+b")
        p = subprocess.Popen(["wine", self.args.probe, "hold", "--file", self.winpath(path),
                              "--ms", str(ms)], env=self.env(), stdout=out,
                             stderr=subprocess.DEVNULL)
        self.holders.append(p)
        wait_until(f"{path} to be held", lambda: (out.seek(0), out.read())[1].startswith(b"held")
                   or p.poll() is not None)
        assert p.poll() is None, f"could not hold {path}"
        return p

    def release_holds(self):
        for p in self.holders:
            if p.poll() is None:
                p.kill()
            p.wait(timeout=10)
        self.holders.clear()

    def small_drive(self, letter, size_kib):
        """A tmpfs of `size_kib` KiB mapped as drive `letter`: (its Unix folder, its root as
        Windows sees it). Needs the right to mount (root)."""
        folder = os.path.join(self.root, f"drive-{letter}")
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size_kib}k", "tmpfs", folder],
                       check=True, timeout=30)
        self.mounts.append(folder)
        link = os.path.join(self.prefix, "dosdevices", f"{letter.lower()}:")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(folder, link)
        return folder, f"{letter.upper()}:\\"

    @staticmethod
    def fill_disk(folder, leave_bytes=0):
        """Fills the file system of `folder` up to `leave_bytes` of free space."""
        filler = os.path.join(folder, "filler.bin")
        if os.path.exists(filler):
            os.remove(filler)
        st = os.statvfs(folder)
        free = st.f_bavail * st.f_frsize
        with open(filler, "wb") as f:
            f.write(b"\0" * max(free - leave_bytes, 0))

    def resident_kib(self, exe):
        """The largest resident memory in KiB among the processes of this prefix whose command
        line names `exe` (0 when none runs). Other prefixes (parallel tests, other builds) may
        run the same program at the same time: only this session's processes count."""
        sizes = [0]
        for pid, cmdline in self._prefix_processes():
            if exe in cmdline and "orvane_probe" not in cmdline:
                try:
                    with open(f"/proc/{pid}/status") as f:
                        sizes += [int(l.split()[1]) for l in f if l.startswith("VmRSS:")]
                except (OSError, ValueError):
                    continue
        return max(sizes)

    def orvane_rss_kib(self):
        """The resident memory of the running Orvane.exe in KiB (0 when it is not running)."""
        return self.resident_kib("Orvane.exe")

    def wait_main_window(self, timeout=90):
        """The main window's handle. The first program of a session also waits for Wine to
        start the desktop and its services, which a loaded machine may take long for."""
        rc, out = self.probe("wait-window", "--class", "TFrmOrvaneMain", "--timeout",
                             str(timeout * 1000), timeout=timeout + WINE_START)
        assert rc == 0, (f"the main window of class TFrmOrvaneMain did not appear within "
                         f"{timeout} s; Orvane.exe {self._launch_state()}")
        return int(out)

    def _launch_state(self):
        """Whether the program runs, or how its last start ended, for a failure message."""
        if self.orvane_running():
            return "is running"
        ended = [p.returncode for p in self.procs if p.poll() is not None]
        return f"is not running (exit codes of the Wine launchers: {ended})"

    def wait_ended(self):
        """Until the program has ended as the Wine server sees it too: the server destroys a
        dead process's windows and abandons its single-instance mutex a moment after the
        process is gone, and a copy started before that takes itself for a second copy."""
        wait_until("the program to end",
                   lambda: not self.orvane_running() and self.main_window_count() == 0)

    def main_window_count(self):
        rc, out = self.probe("count", "--class", "TFrmOrvaneMain")
        assert rc == 0
        return int(out)

    def dialog(self, timeout=60, title=None):
        args = ["dialog", "--timeout", str(timeout * 1000)]
        if title is not None:
            args += ["--title", title]
        rc, out = self.probe(*args, timeout=timeout + WINE_START)
        assert rc == 0, (f"no dialog appeared within {timeout} s (title {title!r}); "
                         f"Orvane.exe {self._launch_state()}")
        return json.loads(out)

    def click(self, hwnd, text):
        rc, _ = self.probe("click", "--hwnd", str(hwnd), "--text", text)
        assert rc == 0, f"no button {text!r} in window {hwnd}"

    def send(self, window_class, msg, wparam=0, lparam=0, timeout=30):
        """Sends `msg` (a number, or the name of a registered message) and returns the answer."""
        which = ["--msgname", msg] if isinstance(msg, str) else ["--msg", str(msg)]
        rc, out = self.probe("send", "--class", window_class, *which, "--wparam", str(wparam),
                             "--lparam", str(lparam), "--timeout", str(timeout * 1000),
                             timeout=timeout + WINE_START)
        assert rc == 0, f"message {msg} to {window_class} was not answered"
        return int(out)

    def post(self, window_class, msg, wparam=0, lparam=0):
        rc, _ = self.probe("post", "--class", window_class, "--msg", str(msg), "--wparam",
                           str(wparam), "--lparam", str(lparam))
        assert rc == 0, f"could not post {msg:#x} to {window_class}"

    def choose_from_tray_menu(self, key):
        """Right-clicks the tray icon and picks a menu item by its access key."""
        menu = self.open_tray_menu()
        self.xdotool("windowfocus", menu.splitlines()[0])
        self.xdotool("key", key)

    def open_tray_menu(self, timeout=60):
        """Right-clicks the tray icon until its menu shows; the X windows of the menu.

        The icon appears only once start-up has finished, and on a loaded machine a click can
        arrive before it: the click is repeated until a menu shows or the deadline passes."""
        wait_until("the tray icon", self.tray_shows_icon, timeout=timeout)
        deadline = time.monotonic() + timeout
        # Windows of the program already shown (the about window) are not the menu.
        shown = set(self.visible_program_windows())
        while True:
            self.xdotool("mousemove", str(TRAY_ICON_96[0] + 8), str(TRAY_ICON_96[1] + 8), "click",
                         "3")
            try:
                return wait_until("the tray menu", lambda: "\n".join(
                    w for w in self.visible_program_windows() if w not in shown), timeout=5)
            except AssertionError:
                if time.monotonic() > deadline:
                    raise

    def visible_program_windows(self):
        return self.xdotool("search", "--onlyvisible", "--classname", "Orvane.exe").split()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env(), capture_output=True,
                              timeout=20).stdout.decode().strip()

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       check=True, timeout=30, env=self.env())
        return path

    def x_window_box(self, wid):
        """(x, y, width, height) of an X window on the screen. xdotool's geometry of Wine's
        child windows is off by the parent's offset; xwininfo's absolute corner is not."""
        info = subprocess.run(["xwininfo", "-id", wid], env=self.env(), capture_output=True,
                              text=True, timeout=20).stdout
        geo = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            if value.strip().lstrip("-").isdigit():
                geo[key] = int(value)
        return (geo.get("Absolute upper-left X", -1), geo.get("Absolute upper-left Y", -1),
                geo.get("Width", 0), geo.get("Height", 0))

    def picture_path(self, name):
        """Where a picture for people goes: `pictures/` of the work folder, from where
        scripts/update-screenshots.sh copies them into docs/."""
        folder = os.path.join(self.args.work, "pictures")
        os.makedirs(folder, exist_ok=True)
        return os.path.join(folder, f"{name}.png")

    def visible_program_window(self):
        """(X window id, (x, y, width, height)) of the program's first visible window on the
        screen (a menu, a dialog), or None. Wine keeps some of its windows mapped off the
        1024 x 768 screen."""
        for wid in self.visible_program_windows():
            x, y, w, h = self.x_window_box(wid)
            if w > 100 and h > 100 and x >= 0 and y >= 0 and x + w <= 1024 and y + h <= 768:
                return wid, (x, y, w, h)
        return None

    def save_picture(self, name, box, png=None):
        """Keeps the area `box` (x, y, width, height) of the screenshot `png`, or of a new one,
        as the picture `name`."""
        png = png or self.screenshot(os.path.join(self.root, "picture.png"))
        x, y, w, h = box
        subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                        self.picture_path(name)], check=True, timeout=30)

    def pixels(self, png, x, y, w, h):
        """The RGB pixels of a screen area as a list of rows of (r, g, b)."""
        raw = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth",
                              "8", "rgb:-"], check=True, capture_output=True).stdout
        return [[tuple(raw[(r * w + c) * 3:(r * w + c) * 3 + 3]) for c in range(w)]
                for r in range(h)]

    def tray_icon(self, size=16, index=0):
        """The pixels of the tray icon area (first icon at the right end of the taskbar)."""
        png = self.screenshot(os.path.join(self.root, "screen.png"))
        scale = {16: 0, 20: 4, 24: 8}.get(size, 0)
        x, y = TRAY_ICON_96[0] - scale - index * (size + 4), TRAY_ICON_96[1] - scale
        return self.pixels(png, x, y, size, size)

    def tray_shows_icon(self):
        """Whether the first tray slot shows a picture. The bare taskbar is one colour; the drawn
        icon may add only one more (white digits and bar with the grey full bar on Wine's white
        taskbar). The icon's size follows the session's DPI."""
        size = {120: 20, 144: 24}.get(self.dpi, 16)
        return len({p for row in self.tray_icon(size) for p in row}) > 1

    def _prefix_processes(self):
        """(pid, command line) of the Windows processes running in this prefix (from /proc)."""
        for pid in os.listdir("/proc"):
            if not pid.isdigit():
                continue
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if f"WINEPREFIX={self.prefix}".encode() not in f.read().split(b"\0"):
                        continue
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    yield pid, f.read().replace(b"\0", b" ").decode(errors="replace")
            except OSError:
                continue

    def wine_processes(self):
        """Command lines of the Windows processes running in this prefix."""
        return [cmdline for _, cmdline in self._prefix_processes()]

    def kill_orvane(self):
        for pid, cmdline in self._prefix_processes():
            if "Orvane.exe" in cmdline and "orvane_probe" not in cmdline:
                os.kill(int(pid), signal.SIGKILL)

    def orvane_running(self):
        return any("Orvane.exe" in n and "orvane_probe" not in n for n in self.wine_processes())


def run_tests(tests):
    """Runs the test functions of a file one after another; exit code 1 when one fails."""
    args = parse_args()
    failed = 0
    for test in tests:
        start = time.monotonic()
        try:
            test(args)
            print(f"PASS {test.__name__} ({time.monotonic() - start:.1f} s)", flush=True)
        except Exception:  # noqa: BLE001 - report every failure and go on with the next test
            failed += 1
            print(f"FAIL {test.__name__}", flush=True)
            traceback.print_exc()
    sys.exit(1 if failed else 0)
