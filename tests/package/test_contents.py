"""What the release artefacts hold: exactly the expected files, the build's own Orvane.exe, one
version everywhere, the licence texts, a per-user MSI and check sums that match."""
import hashlib
import os
import subprocess
import tempfile
import zipfile

from orvane_e2e import run_tests
from packages import artefacts, file_version, msi_table

MSI_FILES = ["Orvane.exe", "LICENSE", "THIRD-PARTY-NOTICES.txt"]
ZIP_FILES = ["Orvane.exe", "Orvane.Settings", "说明.txt", "LICENSE", "THIRD-PARTY-NOTICES.txt"]


def check_texts(args, read):
    """The licences and the read-me as a Windows user opens them: CRLF lines, the full texts."""
    for name, source in [("LICENSE", "LICENSE"),
                         ("THIRD-PARTY-NOTICES.txt", "THIRD-PARTY-NOTICES.txt")]:
        text = read(name)
        assert b"\r\n" in text and b"\n" not in text.replace(b"\r\n", b""), name
        with open(os.path.join(args.source, source), "rb") as f:
            assert text == f.read().replace(b"\n", b"\r\n"), name
    notices = read("THIRD-PARTY-NOTICES.txt").decode("ascii")
    assert "Material Icons" in notices and "Version 2.0, January 2004" in notices
    assert "END OF TERMS AND CONDITIONS" in notices and "APPENDIX" in notices


def test_version_from_one_place(args):
    current = artefacts(args, "current")
    with open(args.exe, "rb") as f:
        assert file_version(f.read()) == current.version
    props = {r["Property"]: r["Value"] for r in msi_table(current.msi, "Property")}
    assert props["ProductVersion"] == current.version, props
    assert artefacts(args, "newer").version != current.version


def test_msi_holds_exactly_the_program_files(args):
    msi = artefacts(args, "current").msi
    listed = subprocess.run(["msiextract", "-l", msi], check=True, capture_output=True,
                            text=True).stdout.split("\n")
    assert sorted(filter(None, listed)) == sorted(f"Programs/Orvane/{n}" for n in MSI_FILES)
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["msiextract", "-C", folder, msi], check=True, capture_output=True)
        program = os.path.join(folder, "Programs", "Orvane")

        def read(name):
            with open(os.path.join(program, name), "rb") as f:
                return f.read()

        assert read("Orvane.exe") == open(args.exe, "rb").read()
        check_texts(args, read)
    # Per-user: no elevation asked for (word count bit 3) and no ALLUSERS.
    suminfo = subprocess.run(["msiinfo", "suminfo", msi], check=True, capture_output=True,
                             text=True).stdout
    words = int(next(l for l in suminfo.splitlines() if l.startswith("Source:")).split()[1])
    assert words & 8, suminfo
    assert "ALLUSERS" not in {r["Property"] for r in msi_table(msi, "Property")}


def test_zip_holds_a_portable_program(args):
    current = artefacts(args, "current")
    with zipfile.ZipFile(current.zip) as z:
        assert z.namelist() == ZIP_FILES
        assert z.read("Orvane.exe") == open(args.exe, "rb").read()
        assert z.read("Orvane.Settings") == b""
        check_texts(args, z.read)
        readme = z.read("说明.txt")
        assert readme.startswith(b"\xef\xbb\xbf"), "Notepad needs the BOM for UTF-8"
        text = readme.decode("utf-8-sig")
        assert "便携" in text and "Orvane.Settings" in text and "Velmoria\\Orvane" in text
        assert "\n" not in text.replace("\r\n", "")


def test_check_sums_match(args):
    for kind in ("current", "newer"):
        a = artefacts(args, kind)
        expected = []
        for path in (a.zip, a.msi):
            with open(path, "rb") as f:
                expected.append(f"{hashlib.sha256(f.read()).hexdigest()}  {os.path.basename(path)}")
        with open(a.sums, encoding="ascii") as f:
            assert f.read().splitlines() == expected


if __name__ == "__main__":
    run_tests([
        test_version_from_one_place,
        test_msi_holds_exactly_the_program_files,
        test_zip_holds_a_portable_program,
        test_check_sums_match,
    ])
