"""Orvane.exe against the bare tray program (bench/bare_tray.cpp) in one Wine desktop at 96 DPI:
the time from the start until the tray icon shows (alternating starts, medians), then both
running side by side: CPU time and private memory over an idle period. Prints one JSON line and
a summary. Orvane shows the load in percent, so that both redraw on the same changes.

usage: run_idle_bench.py --exe Orvane.exe --bare bare_tray.exe --start-probe tray_start_probe.exe
       --probe orvane_probe.exe --work DIR --source SRC [--seconds 180] [--rounds 5]
"""
import argparse
import glob
import json
import os
import shutil
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import orvane_e2e  # noqa: E402

SETTINGS = "[General]\nShowWelcomeWindow=0\nShowPercentage=1\nRefreshRate=2000\n"
WM_CLOSE = 0x10
WM_COMMAND = 0x111
CMD_CLOSE = 3006  # the tray menu's exit command
SETTLE_S = 10  # after the start, before the idle period is measured


class Program:
    def __init__(self, s, name, window_class, close_msg, close_wparam=0):
        self.s, self.name, self.window_class = s, name, window_class
        self.close_msg, self.close_wparam = close_msg, close_wparam
        self.path = os.path.join(s.exe_dir, name)

    def start(self, start_probe):
        """Starts the program; returns the milliseconds until its tray icon showed."""
        rc, out, err = self.s.run_captured(["wine", start_probe, f"C:\\Orvane\\{self.name}"],
                                           timeout=120)
        if rc != 0:
            raise AssertionError(f"{self.name}: {err.decode(errors='replace')}")
        wait_window(self.s, self.window_class)
        return float(out.decode().strip().splitlines()[-1])

    def close(self):
        self.s.post(self.window_class, self.close_msg, self.close_wparam)
        rc, _ = self.s.probe("wait-gone", "--class", self.window_class, "--timeout", "30000",
                             timeout=45)
        assert rc == 0, f"{self.name} did not end"
        orvane_e2e.wait_until(f"{self.name} to exit", lambda: self.pid() is None, timeout=30)

    def pid(self):
        """The Linux process of the program in this prefix."""
        for proc in glob.glob("/proc/[0-9]*"):
            try:
                with open(f"{proc}/environ", "rb") as f:
                    if f"WINEPREFIX={self.s.prefix}".encode() not in f.read().split(b"\0"):
                        continue
                with open(f"{proc}/cmdline", "rb") as f:
                    argv0 = f.read().split(b"\0")[0].decode(errors="replace")
            except OSError:
                continue
            if argv0.lower().endswith(self.name.lower()):
                return int(os.path.basename(proc))
        return None

    def cpu_ns(self):
        """CPU time of all its threads so far, in nanoseconds."""
        total = 0
        for stat in glob.glob(f"/proc/{self.pid()}/task/*/schedstat"):
            with open(stat) as f:
                total += int(f.read().split()[0])
        return total

    def memory_kib(self):
        """(private, private with clean file pages, resident) memory in KiB. Private is the
        anonymous memory, as Windows counts private bytes: heaps, stacks and written copies of
        mapped pages, but not the clean pages of mapped images and files."""
        fields = {}
        with open(f"/proc/{self.pid()}/smaps_rollup") as f:
            for line in f:
                parts = line.split()
                if len(parts) >= 2 and parts[0].endswith(":") and parts[1].isdigit():
                    fields[parts[0][:-1]] = int(parts[1])
        return (fields["Anonymous"], fields["Private_Clean"] + fields["Private_Dirty"],
                fields["Rss"])


def wait_window(s, window_class, timeout=60):
    rc, _ = s.probe("wait-window", "--class", window_class, "--timeout", str(timeout * 1000),
                    timeout=timeout + 15)
    assert rc == 0, f"no window of class {window_class}"


def main():
    p = argparse.ArgumentParser()
    for name in ("exe", "bare", "start-probe", "probe", "work", "source"):
        p.add_argument(f"--{name}", required=True)
    p.add_argument("--seconds", type=int, default=180)
    p.add_argument("--rounds", type=int, default=5)
    a = p.parse_args()
    harness_args = argparse.Namespace(exe=a.exe, probe=a.probe, work=a.work, source=a.source,
                                      keep=False)
    with orvane_e2e.Session(harness_args, "bench-idle") as s:
        s.install(settings=SETTINGS)
        shutil.copy(a.bare, os.path.join(s.exe_dir, "bare_tray.exe"))
        orvane = Program(s, "Orvane.exe", "TFrmOrvaneMain", WM_COMMAND, CMD_CLOSE)
        bare = Program(s, "bare_tray.exe", "BareTrayBench", WM_CLOSE)

        # Start-up: one start of each to warm the caches, then alternating measured starts.
        starts = {orvane.name: [], bare.name: []}
        for round_ in range(a.rounds + 1):
            for prog in (bare, orvane) if round_ % 2 else (orvane, bare):
                ms = prog.start(a.start_probe)
                if round_ > 0:
                    starts[prog.name].append(ms)
                prog.close()
                time.sleep(1)  # the taskbar repaints without the icon
        start_o = statistics.median(starts[orvane.name])
        start_b = statistics.median(starts[bare.name])

        # Idle: both side by side.
        bare.start(a.start_probe)
        orvane.start(a.start_probe)
        time.sleep(SETTLE_S)
        cpu0 = {prog.name: prog.cpu_ns() for prog in (orvane, bare)}
        t0 = time.monotonic()
        time.sleep(a.seconds)  # the measured idle period
        elapsed = time.monotonic() - t0
        cpu = {prog.name: (prog.cpu_ns() - cpu0[prog.name]) / 1e9 for prog in (orvane, bare)}
        mem = {prog.name: prog.memory_kib() for prog in (orvane, bare)}
        for prog in (orvane, bare):
            prog.close()

    figures = {
        "start_orvane_ms": start_o, "start_bare_ms": start_b, "start_ratio": start_o / start_b,
        "idle_seconds": round(elapsed), "cpu_orvane_s": cpu[orvane.name],
        "cpu_bare_s": cpu[bare.name], "cpu_ratio": cpu[orvane.name] / cpu[bare.name],
        "private_orvane_kib": mem[orvane.name][0], "private_bare_kib": mem[bare.name][0],
        "private_ratio": mem[orvane.name][0] / mem[bare.name][0],
        "unshared_orvane_kib": mem[orvane.name][1], "unshared_bare_kib": mem[bare.name][1],
        "unshared_ratio": mem[orvane.name][1] / mem[bare.name][1],
        "rss_orvane_kib": mem[orvane.name][2], "rss_bare_kib": mem[bare.name][2],
        "rss_ratio": mem[orvane.name][2] / mem[bare.name][2],
        "starts": starts,
    }
    print(json.dumps(figures))
    print(f"start until the tray icon shows: Orvane {start_o:.0f} ms, bare {start_b:.0f} ms "
          f"= {figures['start_ratio']:.2f} x (medians of {a.rounds})")
    print(f"idle CPU over {elapsed:.0f} s side by side: Orvane {cpu[orvane.name]:.3f} s, "
          f"bare {cpu[bare.name]:.3f} s = {figures['cpu_ratio']:.2f} x")
    print(f"private memory: Orvane {mem[orvane.name][0]} KiB, bare {mem[bare.name][0]} KiB "
          f"= {figures['private_ratio']:.2f} x (with clean file pages "
          f"{figures['unshared_ratio']:.2f} x, resident {figures['rss_ratio']:.2f} x)",
          flush=True)


if __name__ == "__main__":
    main()
