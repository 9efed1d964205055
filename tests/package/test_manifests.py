"""The winget and Scoop manifests of a release: every field each format requires, in the form its
documentation gives (winget manifest schema 1.12.0, Scoop's app manifest reference), and every
value that must agree with the artefacts they install: version, address, check sum, the MSI's
product code, publisher and name, and its per-user scope."""
import glob
import hashlib
import importlib.util
import json
import os
import re
import subprocess
import zipfile

from manifest_yaml import parse
from orvane_e2e import run_tests
from packages import artefacts, msi_table

MANIFEST_VERSION = "1.12.0"
MANIFEST_VERSION_FORM = re.compile(r"(0|[1-9][0-9]{0,4})(\.(0|[1-9][0-9]{0,4})){2}")
IDENTIFIER = re.compile(r'[^.\s\\/:*?"<>|\x01-\x1f]{1,32}(\.[^.\s\\/:*?"<>|\x01-\x1f]{1,32}){1,7}')
VERSION_FORM = re.compile(r'[^\\/:*?"<>|\x01-\x1f]{1,128}')
LOCALE_FORM = re.compile(r"([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*")
URL_FORM = re.compile(r"[Hh][Tt][Tt][Pp][Ss]?://.+")
SHA256_FORM = re.compile(r"[A-Fa-f0-9]{64}")

# The fields of each manifest type: the required ones, and all that the schema knows.
REQUIRED = {
    "version": {"PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType",
                "ManifestVersion"},
    "installer": {"PackageIdentifier", "PackageVersion", "Installers", "ManifestType",
                  "ManifestVersion"},
    "defaultLocale": {"PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher",
                      "PackageName", "License", "ShortDescription", "ManifestType",
                      "ManifestVersion"},
    "locale": {"PackageIdentifier", "PackageVersion", "PackageLocale", "ManifestType",
               "ManifestVersion"},
}
_INSTALLER_SHARED = {
    "InstallerLocale", "Platform", "MinimumOSVersion", "InstallerType", "NestedInstallerType",
    "NestedInstallerFiles", "Scope", "InstallModes", "InstallerSwitches", "InstallerSuccessCodes",
    "ExpectedReturnCodes", "UpgradeBehavior", "Commands", "Protocols", "FileExtensions",
    "Dependencies", "PackageFamilyName", "ProductCode", "Capabilities", "RestrictedCapabilities",
    "Markets", "InstallerAbortsTerminal", "ReleaseDate", "InstallLocationRequired",
    "RequireExplicitUpgrade", "DisplayInstallWarnings", "UnsupportedOSArchitectures",
    "UnsupportedArguments", "AppsAndFeaturesEntries", "ElevationRequirement",
    "InstallationMetadata", "DownloadCommandProhibited", "RepairBehavior",
    "ArchiveBinariesDependOnPath", "Authentication"}
_LOCALE_FIELDS = {
    "PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PublisherUrl",
    "PublisherSupportUrl", "PrivacyUrl", "Author", "PackageName", "PackageUrl", "License",
    "LicenseUrl", "Copyright", "CopyrightUrl", "ShortDescription", "Description", "Tags",
    "Agreements", "ReleaseNotes", "ReleaseNotesUrl", "PurchaseUrl", "InstallationNotes",
    "Documentations", "Icons", "ManifestType", "ManifestVersion"}
KNOWN = {
    "version": REQUIRED["version"],
    "installer": _INSTALLER_SHARED | {"PackageIdentifier", "PackageVersion", "Channel",
                                      "Installers", "ManifestType", "ManifestVersion"},
    "defaultLocale": _LOCALE_FIELDS | {"Moniker"},
    "locale": _LOCALE_FIELDS,
}
INSTALLER_ENTRY_KNOWN = _INSTALLER_SHARED | {"Architecture", "InstallerUrl", "InstallerSha256",
                                             "SignatureSha256"}
INSTALLER_ENTRY_REQUIRED = {"Architecture", "InstallerUrl", "InstallerSha256"}
ARCHITECTURES = {"x86", "x64", "arm", "arm64", "neutral"}
INSTALLER_TYPES = {"msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix", "burn", "pwa",
                   "portable", "font"}
# (minimum, maximum) length of the locale texts; Tags: at most 16 unique tags of 1-40 chars.
LENGTHS = {"Publisher": (2, 256), "PackageName": (2, 256), "License": (3, 512),
           "ShortDescription": (3, 256), "Description": (3, 10000), "Moniker": (1, 40)}
URL_FIELDS = {"PublisherUrl", "PublisherSupportUrl", "PrivacyUrl", "PackageUrl", "LicenseUrl",
              "CopyrightUrl", "ReleaseNotesUrl", "PurchaseUrl", "InstallerUrl"}

# Scoop: the documented manifest properties, and what a new manifest must have.
SCOOP_KNOWN = {
    "$schema", "##", "version", "description", "homepage", "license", "notes", "depends",
    "suggest", "url", "hash", "extract_dir", "extract_to", "architecture", "bin", "shortcuts",
    "persist", "pre_install", "post_install", "pre_uninstall", "post_uninstall", "installer",
    "uninstaller", "checkver", "autoupdate", "env_add_path", "env_set", "innosetup", "cookie",
    "psmodule"}
SCOOP_REQUIRED = {"version", "description", "homepage", "license"}
SCOOP_ARCHITECTURES = {"32bit", "64bit", "arm64"}
# A version file as the update server serves it, with a beta entry ahead of the current one.
VERSION_FILE = ("[BetaVersions]\r\nOrvane=9.9 beta\r\n[CurrentVersions]\r\nOther=3.0.0.0\r\n"
                "Orvane={version}\r\n[DownloadURL]\r\nOrvane=https://example.test/x.zip\r\n")


def release_addresses(args):
    """The packaging's own statement of where releases are published."""
    spec = importlib.util.spec_from_file_location(
        "manifests", os.path.join(args.source, "packaging", "manifests.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def msi_property(msi, name):
    return {r["Property"]: r["Value"] for r in msi_table(msi, "Property")}.get(name)


def winget_set(folder):
    """{manifest type: (file name, document)} of the one version folder under `folder`."""
    (version_dir,) = {os.path.dirname(p) for p in glob.glob(
        os.path.join(folder, "winget", "manifests", "*", "**", "*.yaml"), recursive=True)}
    found = {}
    for path in sorted(glob.glob(os.path.join(version_dir, "*.yaml"))):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        doc = parse(text)
        kind = doc["ManifestType"]
        header = text.split("\n", 1)[0]
        assert header == ("# yaml-language-server: $schema=https://aka.ms/winget-manifest."
                          f"{kind}.{doc['ManifestVersion']}.schema.json"), (path, header)
        found.setdefault(kind, []).append((os.path.relpath(path, folder), doc))
    return found


def check_lengths(doc, where):
    for field, (low, high) in LENGTHS.items():
        if field in doc:
            assert low <= len(doc[field]) <= high, (where, field, doc[field])
    for field in URL_FIELDS & doc.keys():
        assert URL_FORM.fullmatch(doc[field]) and len(doc[field]) <= 2048, (where, field)
    tags = doc.get("Tags", [])
    assert len(tags) <= 16 and len(set(tags)) == len(tags), (where, tags)
    assert all(isinstance(t, str) and 1 <= len(t) <= 40 for t in tags), (where, tags)


def test_winget_manifest_set_follows_the_schema(args):
    for kind in ("current", "newer"):
        a = artefacts(args, kind)
        manifests = winget_set(os.path.dirname(a.msi))
        assert sorted(manifests) == ["defaultLocale", "installer", "locale", "version"], manifests
        assert [len(v) for k, v in sorted(manifests.items()) if k != "locale"] == [1, 1, 1]
        documents = [(name, doc) for files in manifests.values() for name, doc in files]
        identifier = documents[0][1]["PackageIdentifier"]
        for name, doc in documents:
            kind_of = doc["ManifestType"]
            assert REQUIRED[kind_of] <= doc.keys(), (name, REQUIRED[kind_of] - doc.keys())
            assert doc.keys() <= KNOWN[kind_of], (name, doc.keys() - KNOWN[kind_of])
            assert doc["ManifestVersion"] == MANIFEST_VERSION, name
            assert MANIFEST_VERSION_FORM.fullmatch(doc["ManifestVersion"])
            assert doc["PackageIdentifier"] == identifier, name
            assert IDENTIFIER.fullmatch(identifier) and len(identifier) <= 128
            assert doc["PackageVersion"] == a.version and VERSION_FORM.fullmatch(a.version), name
            check_lengths(doc, name)
        # The community repository's layout: manifests/<first letter>/<id parts>/<version>/.
        folder = "/".join(["winget", "manifests", identifier[0].lower(),
                           *identifier.split("."), a.version])
        names = {name for name, _ in documents}
        locales = {doc["PackageLocale"]: doc for k in ("defaultLocale", "locale")
                   for _, doc in manifests[k]}
        assert names == {f"{folder}/{identifier}.yaml", f"{folder}/{identifier}.installer.yaml",
                         *(f"{folder}/{identifier}.locale.{loc}.yaml" for loc in locales)}, names
        assert all(LOCALE_FORM.fullmatch(loc) and len(loc) <= 20 for loc in locales)

        (_, version), = manifests["version"]
        (_, default), = manifests["defaultLocale"]
        assert version["DefaultLocale"] == default["PackageLocale"]
        assert sorted(locales) == ["en-US", "zh-CN"], locales
        # Each locale's texts are in its language.
        for loc, doc in locales.items():
            chinese = bool(re.search(r"[\u4e00-\u9fff]", doc["ShortDescription"]))
            assert chinese == loc.startswith("zh"), (loc, doc["ShortDescription"])


def test_winget_installer_is_the_msi(args):
    release = release_addresses(args)
    for kind in ("current", "newer"):
        a = artefacts(args, kind)
        manifests = winget_set(os.path.dirname(a.msi))
        (_, installer), = manifests["installer"]
        entries = installer["Installers"]
        assert len(entries) == 1, entries
        entry = entries[0]
        assert INSTALLER_ENTRY_REQUIRED <= entry.keys(), entry
        assert entry.keys() <= INSTALLER_ENTRY_KNOWN, entry.keys() - INSTALLER_ENTRY_KNOWN
        settings = {**{k: v for k, v in installer.items() if k in _INSTALLER_SHARED}, **entry}
        assert settings["Architecture"] in ARCHITECTURES and settings["Architecture"] == "x64"
        assert settings.get("InstallerType") in INSTALLER_TYPES and settings["InstallerType"] == "msi"
        assert settings["InstallerUrl"] == release.DOWNLOAD_URL.format(
            version=a.version, file=os.path.basename(a.msi))
        assert SHA256_FORM.fullmatch(settings["InstallerSha256"])
        assert settings["InstallerSha256"].lower() == sha256(a.msi)
        assert settings["ProductCode"] == msi_property(a.msi, "ProductCode"), settings
        assert re.fullmatch(r"\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}",
                            settings["ProductCode"]), settings["ProductCode"]
        if "InstallerLocale" in settings:
            assert LOCALE_FORM.fullmatch(settings["InstallerLocale"])
        # Scope user: the MSI asks for no elevation (word count bit 3) and sets no ALLUSERS.
        assert settings["Scope"] == "user", settings
        suminfo = subprocess.run(["msiinfo", "suminfo", a.msi], check=True, capture_output=True,
                                 text=True).stdout
        words = int(next(l for l in suminfo.splitlines() if l.startswith("Source:")).split()[1])
        assert words & 8 and msi_property(a.msi, "ALLUSERS") is None, suminfo

        for _, doc in manifests["defaultLocale"] + manifests["locale"]:
            assert doc["Publisher"] == msi_property(a.msi, "Manufacturer"), doc
            assert doc["PackageName"] == msi_property(a.msi, "ProductName"), doc
            assert doc["License"] == "MIT", doc
    with open(os.path.join(args.source, "LICENSE"), encoding="utf-8") as f:
        assert f.readline().strip() == "MIT License"


def test_scoop_manifest_installs_the_portable_zip(args):
    release = release_addresses(args)
    for kind in ("current", "newer"):
        a = artefacts(args, kind)
        with open(os.path.join(os.path.dirname(a.zip), "scoop", "orvane.json"),
                  encoding="utf-8") as f:
            m = json.load(f)
        assert SCOOP_REQUIRED <= m.keys(), SCOOP_REQUIRED - m.keys()
        assert m.keys() <= SCOOP_KNOWN, m.keys() - SCOOP_KNOWN
        assert m["version"] == a.version
        assert all(isinstance(m[k], str) and m[k] for k in ("description", "homepage"))
        assert URL_FORM.fullmatch(m["homepage"])
        assert m["license"] == "MIT"

        # The download goes in the root or under each architecture; the zip is for 64-bit
        # Windows only, so it is offered there alone.
        assert "url" not in m and "hash" not in m, m
        downloads = m["architecture"]
        assert downloads.keys() <= SCOOP_ARCHITECTURES and list(downloads) == ["64bit"], downloads
        url = release.DOWNLOAD_URL.format(version=a.version, file=os.path.basename(a.zip))
        for download in downloads.values():
            assert download["url"] == url, download
            value = download["hash"]
            assert value.removeprefix("sha256:") == sha256(a.zip), value

        with zipfile.ZipFile(a.zip) as z:
            files = {i.filename for i in z.infolist() if not i.is_dir()}
        for target in [m["bin"]] if isinstance(m["bin"], str) else m["bin"]:
            assert target in files, target
        for shortcut in m.get("shortcuts", []):
            assert shortcut[0] in files and shortcut[1], shortcut

        # Updates keep the settings: Scoop moves the zip's empty Orvane.Settings into its
        # persist folder on the first install and links the kept one in on every later one. A
        # persisted name that neither holds becomes a folder, so every persisted name the zip
        # lacks must be one the program uses as a folder.
        persist = [m["persist"]] if isinstance(m["persist"], str) else m["persist"]
        assert "Orvane.Settings" in persist and "Orvane.Settings" in files, persist
        assert [p for p in persist if p not in files] == ["Themes"], persist
        # The program replaces the settings file when it saves, which cuts Scoop's hard link:
        # the live file has to go back into the persist folder before Scoop unlinks it.
        hook = "\n".join(m["pre_uninstall"])
        assert "'Orvane.Settings'" in hook and "$persist_dir" in hook and "$dir" in hook, hook

        # The update check finds this version in the version file and the address follows.
        assert m["checkver"]["url"] == release.VERSION_FILE_URL
        found = re.search(m["checkver"]["regex"], VERSION_FILE.format(version=a.version))
        assert found and found.group(1) == a.version, m["checkver"]
        for arch, auto in m["autoupdate"]["architecture"].items():
            assert auto["url"].replace("$version", a.version) == downloads[arch]["url"], auto


if __name__ == "__main__":
    run_tests([
        test_winget_manifest_set_follows_the_schema,
        test_winget_installer_is_the_msi,
        test_scoop_manifest_installs_the_portable_zip,
    ])
