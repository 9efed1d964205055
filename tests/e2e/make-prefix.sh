#!/usr/bin/env bash
# Creates a Wine prefix that behaves like a Simplified-Chinese Windows 7 desktop for the
# tests: Wine's own fonts, CJK font linking, one virtual desktop, no crash dialog.
# Does nothing when the prefix is already complete. Usage: make-prefix.sh PREFIX
set -euo pipefail
# Wine takes only an absolute prefix path.
prefix="$(realpath -m "$1")"
marker="$prefix/.orvane-prefix-ready"
[ -f "$marker" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$marker" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="${ORVANE_WINE_LOCALE:-zh_CN.UTF-8}"
# wineboot must not try to reach an X server it does not have.
unset DISPLAY
rm -rf "$prefix"
timeout 120 wineboot -i >/dev/null 2>&1
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true

reg="$(mktemp --suffix=.reg)"
python3 - "$reg" <<'PY'
import sys
def multi_sz(text):
    data = (text + "\0\0").encode("utf-16-le")
    return "hex(7):" + ",".join(f"{b:02x}" for b in data)
link = multi_sz("NotoSansCJK-Regular.ttc,Noto Sans CJK SC")
lines = ["Windows Registry Editor Version 5.00", "",
         r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]"]
for face in ["Tahoma", "Tahoma Bold", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif",
             "Segoe UI", "Arial", "SimSun", "Microsoft YaHei"]:
    lines.append(f'"{face}"={link}')
lines += ["", r"[HKEY_CURRENT_USER\Software\Wine\Explorer]", '"Desktop"="Default"',
          "", r"[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]", '"Default"="1024x768"',
          "", r"[HKEY_CURRENT_USER\Software\Wine\WineDbg]", '"ShowCrashDialog"=dword:00000000',
          "", r"[HKEY_CURRENT_USER\Control Panel\Desktop]", '"LogPixels"=dword:00000060', ""]
with open(sys.argv[1], "wb") as f:
    f.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
PY
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$marker"
