"""The MSI in use in a fresh Wine prefix: a per-user install with shortcut and optional Run
value, the installed program in the tray, an upgrade in place, and an uninstall that leaves the
user's data."""
import os

from orvane_e2e import Session, run_tests, wait_until
from packages import artefacts

RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEYS = [r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall",
                  r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall"]
PROGRAM_FILES = ["LICENSE", "Orvane.exe", "THIRD-PARTY-NOTICES.txt"]
INSTALLED_EXE = r"C:\users\{user}\AppData\Local\Programs\Orvane\Orvane.exe"


class Installed:
    """Paths and registry values of an installation in the session's prefix."""

    def __init__(self, s):
        self.s = s
        user = s.user_dir
        self.program_dir = os.path.join(user, "AppData", "Local", "Programs", "Orvane")
        self.shortcut = os.path.join(user, "AppData", "Roaming", "Microsoft", "Windows",
                                     "Start Menu", "Programs", "Orvane.lnk")
        self.exe = INSTALLED_EXE.format(user=os.path.basename(user))

    def msiexec(self, *args):
        rc, _ = self.s.wine("msiexec", *args, "/qn", timeout=180, check=False)
        assert rc == 0, f"msiexec {args} returned {rc}"

    def install(self, msi, *properties):
        self.msiexec("/i", self.s.winpath(msi), *properties)

    def uninstall(self, msi):
        self.msiexec("/x", self.s.winpath(msi))

    def run_value(self):
        """The Run value's data, or None."""
        rc, out = self.s.wine("reg", "query", RUN_KEY, "/v", "Orvane", check=False)
        if rc != 0:
            return None
        return out.decode(errors="replace").split("REG_SZ", 1)[1].strip()

    def entries(self):
        """(display name, display version) of every Orvane entry in the installed programs."""
        found = []
        for key in UNINSTALL_KEYS:
            rc, out = self.s.wine("reg", "query", key, "/s", check=False)
            for block in out.decode(errors="replace").split("\r\n\r\n") if rc == 0 else []:
                values = {}
                for line in block.splitlines():
                    parts = line.split(None, 2)
                    if len(parts) == 3 and parts[1].startswith("REG_"):
                        values[parts[0]] = parts[2]
                if values.get("DisplayName") == "Orvane":
                    found.append(("Orvane", values.get("DisplayVersion")))
        return found


def user_data(s):
    """Settings, a theme and a log in the user's data folder, as a user would have them."""
    files = {"Orvane.Settings": "[General]\r\nShowWelcomeWindow=0\r\nRefreshRate=1000\r\n",
             os.path.join("Themes", "Dunkel.Orvane Theme"): "[OrvaneTheme]\r\nName=Dunkel\r\n",
             "Orvane.log": "2026/12/9 22:30:40: 内存使用: 95%\r\n"}
    for name, text in files.items():
        path = os.path.join(s.appdata_dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(text.encode("gbk"))
    return {name: open(os.path.join(s.appdata_dir, name), "rb").read() for name in files}


def test_install_upgrade_uninstall(args):
    current, newer = artefacts(args, "current"), artefacts(args, "newer")
    with Session(args, "package-msi") as s:
        data = user_data(s)
        inst = Installed(s)
        inst.install(current.msi, "AUTOSTART=1")
        assert sorted(os.listdir(inst.program_dir)) == PROGRAM_FILES
        assert os.path.isfile(inst.shortcut)
        with open(inst.shortcut, "rb") as f:
            link = f.read()
        assert inst.exe.encode("utf-16-le") in link or inst.exe.encode() in link, link
        assert inst.run_value() == f'"{inst.exe}"'
        assert inst.entries() == [("Orvane", current.version)]

        # The installed program starts from its folder, with the user's settings, into the tray.
        s.start(inst.exe)
        s.wait_main_window()
        wait_until("the tray icon", s.tray_shows_icon)
        s.choose_from_tray_menu("e")
        wait_until("the program to end", lambda: not s.orvane_running())

        # A newer version replaces the older one in place and keeps the chosen Run value.
        inst.install(newer.msi)
        assert inst.entries() == [("Orvane", newer.version)]
        assert sorted(os.listdir(inst.program_dir)) == PROGRAM_FILES
        assert os.path.isfile(inst.shortcut)
        assert inst.run_value() == f'"{inst.exe}"'

        # The older version refuses to replace the newer one.
        rc, _ = s.wine("msiexec", "/i", s.winpath(current.msi), "/qn", timeout=180, check=False)
        assert rc != 0
        assert inst.entries() == [("Orvane", newer.version)]

        inst.uninstall(newer.msi)
        assert not os.path.exists(inst.program_dir)
        assert not os.path.exists(inst.shortcut)
        assert inst.run_value() is None
        assert inst.entries() == []
        for name, content in data.items():
            with open(os.path.join(s.appdata_dir, name), "rb") as f:
                assert f.read() == content, f"{name} changed"


def test_no_run_value_unless_asked(args):
    current = artefacts(args, "current")
    with Session(args, "package-msi-plain") as s:
        inst = Installed(s)
        inst.install(current.msi)
        assert os.path.isfile(os.path.join(inst.program_dir, "Orvane.exe"))
        assert inst.run_value() is None
        inst.uninstall(current.msi)
        assert not os.path.exists(inst.program_dir)


if __name__ == "__main__":
    run_tests([test_install_upgrade_uninstall, test_no_run_value_unless_asked])
