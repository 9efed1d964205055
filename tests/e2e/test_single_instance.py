"""One copy of the program, however many starts come at once."""
import time

from orvane_e2e import Session, run_tests, wait_until


def orvane_copies(s):
    return sum(1 for n in s.wine_processes() if "Orvane.exe" in n and "orvane_probe" not in n)


def tray_icons(s):
    """How many of the first three tray slots show a picture."""
    return sum(1 for i in range(3) if len({p for row in s.tray_icon(index=i) for p in row}) > 1)


def assert_one_copy(s, starts):
    try:
        wait_until("every copy but one to end",
                   lambda: sum(1 for p in starts if p.poll() is not None) == len(starts) - 1,
                   timeout=120, interval=0.5)
    except AssertionError as e:
        raise AssertionError(f"{e}: {orvane_copies(s)} copies still run") from None
    assert [p.returncode for p in starts if p.poll() is not None] == [0] * (len(starts) - 1)
    s.wait_main_window()
    wait_until("the tray icon", lambda: s.tray_shows_icon())
    assert orvane_copies(s) == 1, s.wine_processes()
    assert s.main_window_count() == 1
    assert tray_icons(s) == 1


def test_ten_starts_at_once_leave_one_copy(args):
    with Session(args, "ten-starts") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\n")
        starts = [s.start() for _ in range(10)]
        assert_one_copy(s, starts)


def test_two_starts_a_second_apart_leave_one_copy(args):
    with Session(args, "two-starts") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\n")
        first = s.start()
        time.sleep(1.2)  # the gap between the two starts under test, not a wait for the program
        second = s.start()
        assert_one_copy(s, [first, second])


if __name__ == "__main__":
    run_tests([
        test_ten_starts_at_once_leave_one_copy,
        test_two_starts_a_second_apart_leave_one_copy,
    ])
