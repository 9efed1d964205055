#!/usr/bin/env python3
"""Packs a built Orvane.exe into the release artefacts: the portable zip, the per-user MSI,
SHA256SUMS for both, and the winget and Scoop manifests that install them.

    make_dist.py --exe Orvane.exe --version 1.2.3.4 --out dist
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

from manifests import sha256, write_manifests

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)

# Windows 7's Notepad shows a text file right only with CRLF line ends, and takes a Chinese text
# for UTF-8 only with a byte-order mark.
TEXTS = [
    ("LICENSE", os.path.join(SOURCE, "LICENSE"), False),
    ("THIRD-PARTY-NOTICES.txt", os.path.join(SOURCE, "THIRD-PARTY-NOTICES.txt"), False),
    ("说明.txt", os.path.join(HERE, "说明.txt"), True),
]
MSI_FILES = ["Orvane.exe", "LICENSE", "THIRD-PARTY-NOTICES.txt"]
# An empty settings file beside the exe makes the program keep all its data in that folder.
ZIP_FILES = ["Orvane.exe", "Orvane.Settings", "说明.txt", "LICENSE", "THIRD-PARTY-NOTICES.txt"]

# The Run value is written only when asked for on the command line (AUTOSTART=1) or, without
# that property, when the version being replaced had it. wixl has neither component conditions
# nor non-ASCII texts in tables, so these are set in the finished database, after its code
# page has been made Simplified Chinese.
MSI_UPDATES = [
    ("Component", "Condition",
     '(AUTOSTART AND AUTOSTART <> "0") OR (NOT AUTOSTART AND AUTOSTARTFOUND)',
     "Component", "RunAtSignIn"),
    ("Shortcut", "Description", "托盘内存监视器", "Shortcut", "OrvaneShortcut"),
    ("LaunchCondition", "Description", "已安装更新版本的 Orvane.", "Condition",
     "NOT WIX_DOWNGRADE_DETECTED"),
]


def parse_args():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--exe", required=True)
    p.add_argument("--version", required=True, help="four numbers, as in the version resource")
    p.add_argument("--out", required=True)
    return p.parse_args()


def source_date():
    """The time stamp of every file in the zip: SOURCE_DATE_EPOCH, else the commit's time."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        git = subprocess.run(["git", "-C", SOURCE, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True)
        epoch = git.stdout.strip() if git.returncode == 0 else ""
    stamp = time.gmtime(int(epoch)) if epoch else time.gmtime(315532800)
    return max(stamp[:6], (1980, 1, 1, 0, 0, 0))


def stage(exe, folder):
    shutil.copyfile(exe, os.path.join(folder, "Orvane.exe"))
    open(os.path.join(folder, "Orvane.Settings"), "wb").close()
    for name, path, bom in TEXTS:
        with open(path, encoding="utf-8") as f:
            text = f.read().replace("\r\n", "\n").replace("\n", "\r\n")
        with open(os.path.join(folder, name), "wb") as f:
            f.write(("\ufeff" if bom else "").encode("utf-8") + text.encode("utf-8"))


def make_zip(folder, path):
    date = source_date()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name in ZIP_FILES:
            info = zipfile.ZipInfo(name, date)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: no Unix permission bits
            with open(os.path.join(folder, name), "rb") as f:
                z.writestr(info, f.read())


def make_msi(folder, version, path):
    # wixl takes the files' sources relative to the folder it runs in.
    subprocess.run(["wixl", "-a", "x64", "-D", f"Version={version}", "-o", os.path.abspath(path),
                    os.path.join(HERE, "Orvane.wxs")], check=True, cwd=folder)
    codepage = os.path.join(folder, "_ForceCodepage.idt")
    with open(codepage, "wb") as f:
        f.write(b"\r\n\r\n936\t_ForceCodepage\r\n")
    subprocess.run(["msibuild", path, "-i", codepage], check=True)
    for table, column, value, key, row in MSI_UPDATES:
        value = value.replace("'", "''")
        subprocess.run(["msibuild", path, "-q", f"UPDATE `{table}` SET `{column}` = '{value}' "
                        f"WHERE `{key}` = '{row}'"], check=True)


def main():
    args = parse_args()
    parts = args.version.split(".")
    if len(parts) != 4 or not all(p.isdigit() for p in parts):
        sys.exit(f"version {args.version!r} is not four numbers")
    os.makedirs(args.out, exist_ok=True)
    zip_name = f"Orvane-{args.version}-portable.zip"
    msi_name = f"Orvane-{args.version}.msi"
    with tempfile.TemporaryDirectory() as folder:
        stage(args.exe, folder)
        make_zip(folder, os.path.join(args.out, zip_name))
        make_msi(folder, args.version, os.path.join(args.out, msi_name))
    with open(os.path.join(args.out, "SHA256SUMS"), "w", newline="\n") as f:
        for name in (zip_name, msi_name):
            f.write(f"{sha256(os.path.join(args.out, name))}  {name}\n")
    write_manifests(args.out, args.version, os.path.join(args.out, zip_name),
                    os.path.join(args.out, msi_name))
    print(f"{args.out}: {zip_name}, {msi_name}, SHA256SUMS, winget/, scoop/")


if __name__ == "__main__":
    main()
