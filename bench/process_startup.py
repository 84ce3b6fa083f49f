#!/usr/bin/env python3
"""Whole-process start-up: from exec to a mapped window, and the peak memory, of the program
and of an empty window of the same toolkit, alternating, each start under an X server of its
own (Xvfb). The window is seen by polling `xdotool search --onlyvisible --name` every 10 ms;
the peak (VmHWM) is read 2 s after mapping. A third program, the empty window showing one line
of text, tells what of the difference the toolkit's first text costs.

    bench/process_startup.py TAVIR EMPTY_WINDOW [TEXT_WINDOW] [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def start_x():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read)
    return server, ":" + number.decode().strip()


def one_start(program, title):
    server, display = start_x()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    try:
        began = time.perf_counter()
        child = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while True:
            seen = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
            if seen:
                mapped = time.perf_counter() - began
                break
            if child.poll() is not None or time.perf_counter() - began > 30:
                raise RuntimeError(f"{program}: no window")
            time.sleep(0.01)
        time.sleep(2)
        with open(f"/proc/{child.pid}/status") as status:
            peak = next(int(line.split()[1]) for line in status if line.startswith("VmHWM:")) / 1024
        child.terminate()
        child.wait(10)
        return mapped, peak
    finally:
        server.terminate()
        server.wait(10)


def main():
    tavir, empty = sys.argv[1], sys.argv[2]
    rest = sys.argv[3:]
    text = rest.pop(0) if rest and not rest[0].isdigit() else None
    runs = int(rest[0]) if rest else 7
    programs = {"empty": (empty, "^empty-qt-window$"), "tavir": (tavir, "^Tavir")}
    if text:
        programs["text"] = (text, "^text-qt-window$")
    for program, title in programs.values():
        one_start(program, title)  # the disk cache warmed for all
    figures = {name: [] for name in programs}
    for _ in range(runs):
        for name, (program, title) in programs.items():
            figures[name].append(one_start(program, title))
    medians = {}
    for name, values in figures.items():
        times = [t for t, _ in values]
        peaks = [p for _, p in values]
        medians[name] = (statistics.median(times), statistics.median(peaks))
        print(f"{name}: start {medians[name][0] * 1000:.1f} ms (min {min(times) * 1000:.1f}, max {max(times) * 1000:.1f}), "
              f"peak memory {medians[name][1]:.1f} MiB over {runs} starts")
    for name in programs:
        if name != "tavir":
            print(f"ratio to {name}: time {medians['tavir'][0] / medians[name][0]:.2f}, "
                  f"memory {medians['tavir'][1] / medians[name][1]:.2f}")


if __name__ == "__main__":
    main()
