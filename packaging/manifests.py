"""Package-manager manifests of a release, made from its artefacts: a winget manifest set for the
MSI and a Scoop manifest for the portable zip.

The publisher, product name, product code and version come from the built MSI itself, the check
sums from the files; the addresses below are the only place that says where a release is
published.
"""
import hashlib
import json
import os
import re
import subprocess

HOMEPAGE = "https://www.velmoria.com/orvane"
# Every release file is published under its own name in a folder named after the version.
DOWNLOAD_URL = "https://www.velmoria.com/orvane/download/{version}/{file}"
# The version file the program's own update check reads.
VERSION_FILE_URL = "https://www.velmoria.com/ver/curr_ver.txt"
LICENSE = "MIT"

# The newest manifest version the community repository's validation accepts.
WINGET_MANIFEST_VERSION = "1.12.0"
WINGET_SCHEMA = "https://aka.ms/winget-manifest.{type}.{version}.schema.json"
WINGET_DEFAULT_LOCALE = "en-US"
WINGET_LOCALES = {
    "en-US": {
        "ShortDescription": "Memory monitor for the notification area: shows the memory load "
                            "in its tray icon.",
        "Description": "Orvane runs hidden in the background and draws the current memory load "
                       "into its tray icon. Its menu lists the processes that use the most "
                       "memory and can free memory by emptying their working sets. The user "
                       "interface is Simplified Chinese.",
        "Tags": ["memory", "monitor", "tray", "system-tray"],
    },
    "zh-CN": {
        "ShortDescription": "托盘内存监视器: 在通知区域的图标中显示当前的内存负载.",
        "Description": "Orvane 在后台运行, 在托盘图标中显示当前的内存负载. 它的菜单列出占用内存"
                       "最多的进程, 并可以整理这些进程的工作集以释放内存.",
        "Tags": ["内存", "监视器", "托盘"],
    },
}

SCOOP_APP = "orvane"
SCOOP_DESCRIPTION = ("Memory monitor for the notification area: shows the memory load in its "
                     "tray icon (Simplified Chinese interface).")
# Orvane saves its settings to a new file that then replaces the old one, so the hard link
# Scoop makes for a persisted file stops being the live file at the first save. Before Scoop
# unlinks the old version (on update and uninstall), the live settings and log go back into
# the persist folder. The log is copied in and out rather than persisted: it exists only after
# the first high-load line, and Scoop makes a persisted name that exists nowhere a folder.
SCOOP_PRE_INSTALL = [
    'if (Test-Path -LiteralPath "$persist_dir\\Orvane.log") {',
    '    Copy-Item -LiteralPath "$persist_dir\\Orvane.log" -Destination "$dir\\Orvane.log"',
    "}",
]
SCOOP_PRE_UNINSTALL = [
    'New-Item -ItemType Directory -Force -Path "$persist_dir" | Out-Null',
    "foreach ($name in 'Orvane.Settings', 'Orvane.log') {",
    '    if (Test-Path -LiteralPath "$dir\\$name" -PathType Leaf) {',
    '        Copy-Item -LiteralPath "$dir\\$name" -Destination "$persist_dir\\$name.new" -Force',
    '        Move-Item -LiteralPath "$persist_dir\\$name.new" -Destination "$persist_dir\\$name" -Force',
    "    }",
    "}",
]


def sha256(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def msi_properties(msi):
    text = subprocess.run(["msiinfo", "export", msi, "Property"], check=True, capture_output=True,
                          text=True).stdout
    rows = [line.split("\t") for line in text.splitlines()[3:] if line]
    return {row[0]: row[1] for row in rows}


def download_url(version, path):
    return DOWNLOAD_URL.format(version=version, file=os.path.basename(path))


# YAML: a string goes out plain only where no YAML reader could take it for anything else.
_PLAIN = re.compile(r"[A-Za-z][A-Za-z0-9._-]*|[0-9]+(\.[0-9]+){2,}|https://[A-Za-z0-9._~/%-]+")
_YAML_WORDS = {"true", "false", "yes", "no", "on", "off", "y", "n", "null"}


def yaml_scalar(text):
    if _PLAIN.fullmatch(text) and text.lower() not in _YAML_WORDS:
        return text
    return "'" + text.replace("'", "''") + "'"


def yaml_document(kind, fields):
    """A manifest as YAML: `fields` are (key, value) pairs whose value is a string, a list of
    strings, or a list of flat dicts."""
    lines = [f"# yaml-language-server: $schema="
             f"{WINGET_SCHEMA.format(type=kind, version=WINGET_MANIFEST_VERSION)}", ""]
    for key, value in fields + [("ManifestType", kind),
                                ("ManifestVersion", WINGET_MANIFEST_VERSION)]:
        if isinstance(value, str):
            lines.append(f"{key}: {yaml_scalar(value)}")
            continue
        lines.append(f"{key}:")
        for item in value:
            if isinstance(item, str):
                lines.append(f"- {yaml_scalar(item)}")
                continue
            for i, (name, text) in enumerate(item.items()):
                lines.append(f"{'- ' if i == 0 else '  '}{name}: {yaml_scalar(text)}")
    return "\n".join(lines) + "\n"


def winget_manifests(version, msi):
    """{file name: text} of the manifest set, and the folder the community repository keeps
    it in."""
    props = msi_properties(msi)
    identifier = f"{props['Manufacturer']}.{props['ProductName']}"
    head = [("PackageIdentifier", identifier), ("PackageVersion", version)]
    files = {
        f"{identifier}.yaml": yaml_document("version", head + [
            ("DefaultLocale", WINGET_DEFAULT_LOCALE)]),
        f"{identifier}.installer.yaml": yaml_document("installer", head + [
            ("InstallerLocale", "zh-CN"),
            ("UpgradeBehavior", "install"),
            ("Installers", [{
                "Architecture": "x64",
                "InstallerType": "msi",
                "Scope": "user",
                "InstallerUrl": download_url(version, msi),
                "InstallerSha256": sha256(msi).upper(),
                "ProductCode": props["ProductCode"],
            }]),
        ]),
    }
    for locale, texts in WINGET_LOCALES.items():
        default = locale == WINGET_DEFAULT_LOCALE
        # Only the default locale may name the package's moniker.
        moniker = [("Moniker", props["ProductName"].lower())] if default else []
        files[f"{identifier}.locale.{locale}.yaml"] = yaml_document(
            "defaultLocale" if default else "locale", head + [
                ("PackageLocale", locale),
                ("Publisher", props["Manufacturer"]),
                ("PublisherUrl", HOMEPAGE),
                ("PackageName", props["ProductName"]),
                ("PackageUrl", HOMEPAGE),
                ("License", LICENSE),
                ("ShortDescription", texts["ShortDescription"]),
                ("Description", texts["Description"]),
            ] + moniker + [("Tags", texts["Tags"])])
    folder = os.path.join("manifests", identifier[0].lower(), *identifier.split("."), version)
    return folder, files


def scoop_manifest(version, zip_path):
    zip_url = download_url(version, zip_path)
    return {
        "version": version,
        "description": SCOOP_DESCRIPTION,
        "homepage": HOMEPAGE,
        "license": LICENSE,
        "architecture": {"64bit": {"url": zip_url, "hash": sha256(zip_path)}},
        "bin": "Orvane.exe",
        "shortcuts": [["Orvane.exe", "Orvane"]],
        # The empty Orvane.Settings in the zip makes the program portable and makes Scoop
        # persist a file (a persisted name that exists nowhere becomes a folder). On an update
        # the stored settings are linked in and the new empty file is set aside.
        "persist": ["Orvane.Settings", "Themes"],
        "pre_install": SCOOP_PRE_INSTALL,
        "pre_uninstall": SCOOP_PRE_UNINSTALL,
        "checkver": {
            "url": VERSION_FILE_URL,
            "regex": r"(?ms)^\[CurrentVersions\][^\[]*?^Orvane=([\d.]+)",
        },
        "autoupdate": {
            "architecture": {"64bit": {"url": DOWNLOAD_URL.format(
                version="$version", file=os.path.basename(zip_path).replace(version, "$version"))}}
        },
    }


def write_manifests(out, version, zip_path, msi):
    """Writes out/winget/manifests/... and out/scoop/orvane.json; returns their paths."""
    folder, files = winget_manifests(version, msi)
    written = []
    winget = os.path.join(out, "winget", folder)
    os.makedirs(winget, exist_ok=True)
    for name, text in files.items():
        written.append(os.path.join(winget, name))
        with open(written[-1], "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    os.makedirs(os.path.join(out, "scoop"), exist_ok=True)
    written.append(os.path.join(out, "scoop", f"{SCOOP_APP}.json"))
    with open(written[-1], "w", encoding="utf-8", newline="\n") as f:
        f.write(json.dumps(scoop_manifest(version, zip_path), indent=4, ensure_ascii=False) + "\n")
    return written
