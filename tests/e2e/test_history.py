"""The memory history of the real program: the window opens from its menu command (one at a
time), a trim is marked in the history file, and the history survives a restart."""
import os

from orvane_e2e import Session, run_tests, wait_until

WM_COMMAND = 0x111
WM_QUERYENDSESSION = 0x11
CMD_TRIM = 3002
CMD_CLOSE = 3006
CMD_MEMORY_HISTORY = 3007
HEADER = ("time,load_min,load_mean,load_max,avail_min_mb,avail_mean_mb,avail_max_mb,"
          "commit_min_mb,commit_mean_mb,commit_max_mb,samples,trim_before_mb,trim_after_mb,"
          "high_memory")


def history_rows(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        lines = f.read().decode("utf-8").split("\r\n")
    assert lines[0] == HEADER, lines[0]
    return [line.split(",") for line in lines[1:] if line]


def history_windows(s):
    rc, out = s.probe("count", "--class", "OrvaneHistoryWindow")
    assert rc == 0
    return int(out)


def test_history_window_trim_marker_and_restart(args):
    with Session(args, "history") as s:
        s.install(settings="[General]\nShowWelcomeWindow=0\nRefreshRate=500\n")
        path = os.path.join(s.appdata_dir, "Orvane.History.csv")
        s.start()
        s.wait_main_window()

        s.post("TFrmOrvaneMain", WM_COMMAND, CMD_MEMORY_HISTORY)
        wait_until("the history window", lambda: history_windows(s) == 1)
        s.post("TFrmOrvaneMain", WM_COMMAND, CMD_MEMORY_HISTORY)
        s.post("TFrmOrvaneMain", WM_COMMAND, CMD_TRIM)
        # The session end writes the history; the trim is on the current minute's row.
        assert s.send("TFrmOrvaneMain", WM_QUERYENDSESSION, timeout=60) == 1
        assert history_windows(s) == 1
        first = history_rows(path)
        assert first, "no history rows written at session end"
        assert first[-1][11] != "" and first[-1][12] != "", first[-1]
        assert int(first[-1][10]) >= 1

        s.post("TFrmOrvaneMain", WM_COMMAND, CMD_CLOSE)
        s.wait_ended()
        s.start()
        s.wait_main_window()
        s.post("TFrmOrvaneMain", WM_COMMAND, CMD_CLOSE)
        s.wait_ended()
        second = history_rows(path)
        # The first run's minutes are still there (a restart in the same minute adds its ticks).
        assert [r[0] for r in first] == [r[0] for r in second][:len(first)], (first, second)
        assert int(second[len(first) - 1][10]) >= int(first[-1][10])


if __name__ == "__main__":
    run_tests([test_history_window_trim_marker_and_restart])
