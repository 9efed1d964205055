"""Runs display_tray_bench.exe in a fresh Wine prefix on its own X display (96 and 120 DPI)
and prints its figures: one redraw tick against one bare NIM_MODIFY, and the GDI, USER and
kernel handle counts before and after 10,000 redraws.

usage: run_display_tray_bench.py --bench EXE --work DIR --source SRC
"""
import argparse
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import orvane_e2e  # noqa: E402


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--bench", required=True)
    p.add_argument("--work", required=True)
    p.add_argument("--source", required=True)
    a = p.parse_args()
    harness_args = argparse.Namespace(exe=a.bench, probe=a.bench, work=a.work, source=a.source,
                                      keep=False)
    for dpi in (96, 120):
        with orvane_e2e.Session(harness_args, f"bench-display-{dpi}", dpi=dpi) as s:
            _, out = s.wine(a.bench, timeout=600)
            figures = json.loads(out.decode().strip().splitlines()[-1])
            print(json.dumps(figures))
            print(f"{dpi} DPI: redraw tick {figures['redraw_tick_us']:.0f} us = "
                  f"{figures['ratio']:.2f} x bare NIM_MODIFY ({figures['nim_modify_us']:.0f} us); "
                  f"GDI {figures['gdi_before']} -> {figures['gdi_after']}, "
                  f"USER {figures['user_before']} -> {figures['user_after']}, "
                  f"kernel {figures['kernel_before']} -> {figures['kernel_after']} "
                  f"after {figures['redraws']} redraws ({figures['counted_by']})", flush=True)


if __name__ == "__main__":
    main()
