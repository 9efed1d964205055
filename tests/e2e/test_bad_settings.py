"""Bad settings files on the real program: every case runs, shows what it should and leaves a
settings file that still holds the user's values (the table in docs/robustness.md)."""
import os
import random
import shutil

from bad_input import (WELCOME, end_session, ini_text, open_and_close_menu, read_bytes, run_table, start,
                       write_bytes)
from orvane_e2e import Session, run_tests

QUIET = "[General]\nShowWelcomeWindow=0\n"
INTEGER_KEYS = {
    "General": ["HighlightProcessAbove", "RefreshRate", "RefreshHotkey", "TopProcessCount",
                "DefragEvery", "DoubleClickAction", "ProcessValueType", "RedPercent",
                "YellowPercent"],
    "Font": ["CharSet", "Size", "Style", "Color"],
    "Colors": ["MenuColorMode"],
}
DEFAULTS = {"HighlightProcessAbove": "1000", "RefreshRate": "2000", "RefreshHotkey": "0",
            "TopProcessCount": "10", "DefragEvery": "120", "DoubleClickAction": "0",
            "ProcessValueType": "0", "RedPercent": "90", "YellowPercent": "65", "CharSet": "1",
            "Size": "6", "Style": "0", "Color": "-1", "MenuColorMode": "-1"}
UNREADABLE = ("无法读取设置文件", "Velmoria\\Orvane\\Orvane.Settings\"")


def lines(data, encoding="gbk"):
    return data.decode(encoding).splitlines()


def complete(text_lines):
    """A saved file ends its own keys with the colour section's last key."""
    return "FullBarColor=Automatic" in text_lines and "[Colors]" in text_lines


def cases(settings):
    def random_bytes(s):
        data = random.Random(11).randbytes(4096)
        write_bytes(settings, ini_text(QUIET) + data)
        start(s)
        end_session(s)
        saved = read_bytes(settings)
        assert complete(lines(saved, "latin-1")), saved[-300:]
        assert "ShowWelcomeWindow=0" in lines(saved, "latin-1")

    def unicode_file(encoding, bom):
        def case(s):
            text = QUIET.replace("\n", "\r\n") + "RefreshRate=500\r\n[Font]\r\nName=微软雅黑\r\n"
            write_bytes(settings, bom + text.encode(encoding))
            start(s)
            end_session(s)
            saved = read_bytes(settings)
            assert saved.startswith(bom), saved[:20]
            saved_lines = lines(saved[len(bom):], encoding)
            assert "RefreshRate=500" in saved_lines and "Name=微软雅黑" in saved_lines, saved_lines
            assert complete(saved_lines), saved_lines
        return case

    utf16_with_bom = unicode_file("utf-16-le", b"\xff\xfe")
    utf8_with_bom = unicode_file("utf-8", b"\xef\xbb\xbf")
    utf16_with_bom.__name__, utf8_with_bom.__name__ = "utf16_with_bom", "utf8_with_bom"

    def empty(s):
        write_bytes(settings, b"")
        start(s, WELCOME)
        end_session(s)
        assert complete(lines(read_bytes(settings)))

    def five_megabytes(s):
        junk = "".join(f"Line{i}={'x' * 90}\n" for i in range(52000))
        write_bytes(settings, ini_text(QUIET + "RefreshRate=500\n[Junk]\n" + junk))
        start(s)
        end_session(s)
        saved = read_bytes(settings)
        assert len(saved) > 5_000_000, len(saved)
        saved_lines = lines(saved)
        assert "RefreshRate=500" in saved_lines and complete(saved_lines)
        assert saved_lines[-1] == f"Line51999={'x' * 90}" or f"Line51999={'x' * 90}" in saved_lines

    def numbers(name, value, expected):
        def case(s):
            text = "[General]\nShowWelcomeWindow=0\nInternalFont=0\n"
            for section, keys in INTEGER_KEYS.items():
                if section != "General":
                    text += f"[{section}]\n"
                text += "".join(f"{key}={value}\n" for key in keys)
            write_bytes(settings, ini_text(text))
            start(s)
            open_and_close_menu(s)
            end_session(s)
            saved_lines = lines(read_bytes(settings))
            for keys in INTEGER_KEYS.values():
                for key in keys:
                    want = expected(key)
                    assert f"{key}={want}" in saved_lines, (key, want, saved_lines)
        case.__name__ = name
        return case

    in_range = lambda value: lambda key: DEFAULTS[key] if key == "Size" else value  # noqa: E731

    def colours(s):
        write_bytes(settings, ini_text(
            QUIET + "[Colors]\nGreenColor=zzz\nYellowColor=#12\nRedColor=threedface\n"
            "FullBarColor=\nOpaqueBkColor=automatic\nProcMenuHightlightColor=#GGHHII\n"
            "[Font]\nColor=blue\n"))
        start(s)
        open_and_close_menu(s)
        end_session(s)
        saved_lines = lines(read_bytes(settings))
        for key in ["GreenColor", "YellowColor", "RedColor", "FullBarColor", "OpaqueBkColor",
                    "ProcMenuHightlightColor"]:
            assert f"{key}=Automatic" in saved_lines, (key, saved_lines)
        assert "Color=-1" in saved_lines

    baseline = {}

    def font_name_300(s):
        name = "微" * 150 + "A" * 150
        write_bytes(settings, ini_text(QUIET + f"InternalFont=0\n[Font]\nName={name}\n"))
        start(s)
        baseline["rss"] = s.orvane_rss_kib()
        print(f"    resident memory with a 6-point font: {baseline['rss']} KiB")
        end_session(s)
        assert f"Name={name}" in lines(read_bytes(settings))

    def font_size_5000(s):
        write_bytes(settings, ini_text(QUIET + "InternalFont=0\n[Font]\nSize=5000\n"))
        start(s)
        rss = s.orvane_rss_kib()
        print(f"    resident memory with Size=5000: {rss} KiB")
        assert rss < baseline.get("rss", rss) + 30 * 1024, (rss, baseline)
        end_session(s)
        assert "Size=6" in lines(read_bytes(settings))

    def settings_path_is_a_folder(s):
        os.remove(settings)
        os.makedirs(settings)
        try:
            start(s, UNREADABLE, WELCOME)
            end_session(s)
            assert os.path.isdir(settings) and not os.listdir(settings)
        finally:
            shutil.rmtree(settings)

    def deleted_while_running(s):
        write_bytes(settings, ini_text(QUIET + "RefreshRate=500\nLogFile=D:\\mem.log\n"))
        start(s)
        os.remove(settings)
        end_session(s)
        saved_lines = lines(read_bytes(settings))
        assert "RefreshRate=500" in saved_lines and complete(saved_lines), saved_lines
        assert not any(line.startswith("LogFile=") for line in saved_lines)

    return [random_bytes, utf16_with_bom, utf8_with_bom, empty, five_megabytes,
            numbers("numbers_zero", "0", in_range("0")),
            numbers("numbers_negative", "-5", in_range("-5")),
            numbers("numbers_huge", "2147483647", in_range("2147483647")),
            numbers("numbers_beyond_32_bits", "99999999999", lambda key: DEFAULTS[key]),
            numbers("numbers_not_numbers", "abc", lambda key: DEFAULTS[key]),
            colours, font_name_300, font_size_5000, settings_path_is_a_folder,
            deleted_while_running]


def test_bad_settings_files(args):
    with Session(args, "bad-settings") as s:
        run_table(s, cases(s.install()))


if __name__ == "__main__":
    run_tests([test_bad_settings_files])
