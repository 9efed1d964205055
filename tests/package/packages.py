"""The release artefacts a package test works on, as packed by the `package.pack_*` fixtures."""
import glob
import os
import re
import struct
import subprocess
from collections import namedtuple

Artefacts = namedtuple("Artefacts", "version zip msi sums")


def artefacts(args, kind):
    """The artefacts in `kind` ("current" or "newer") of the packages folder."""
    folder = os.path.join(args.packages, kind)
    (msi,) = glob.glob(os.path.join(folder, "Orvane-*.msi"))
    version = re.fullmatch(r"Orvane-(.+)\.msi", os.path.basename(msi)).group(1)
    return Artefacts(version, os.path.join(folder, f"Orvane-{version}-portable.zip"), msi,
                     os.path.join(folder, "SHA256SUMS"))


def file_version(exe_bytes):
    """The file version of an executable's version resource, as "a.b.c.d"."""
    at = exe_bytes.index(struct.pack("<I", 0xFEEF04BD))
    ms, ls = struct.unpack_from("<II", exe_bytes, at + 8)
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def msi_table(msi, table):
    """The rows of an MSI table as dicts by column name."""
    text = subprocess.run(["msiinfo", "export", msi, table], check=True, capture_output=True,
                          text=True).stdout
    lines = text.splitlines()
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:] if line]
