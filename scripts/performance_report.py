#!/usr/bin/env python3
"""Writes docs/performance.md from a Google Benchmark JSON file, the start-up
comparison (the lines scripts/startup.sh prints, one per platform) and the
targets written beside the benchmarks.

A target is a comment line in bench/ (any file):
    // target: <benchmark name prefix> [<counter>] <= <number> [ms|s|us|%|x]: <why>
It applies to every benchmark whose name starts with the prefix; without a
counter it compares the median real time in the given unit. "startup" is the
start-up comparison: its figure is the ratio game / empty window under Xvfb
(X11); the offscreen figure is listed beside it. Benchmarks without a target
are listed with "—".
"""
import json
import pathlib
import re
import sys

TARGET = re.compile(
    r"//\s*target:\s*(?P<name>\S+)(?:\s+(?P<counter>[a-z_]+))?\s*<=\s*(?P<value>[0-9.]+)\s*(?P<unit>ms|s|us|%|x)?\s*:\s*(?P<why>.*)"
)
TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


def read_targets(bench_dir):
    targets = []
    for path in sorted(pathlib.Path(bench_dir).rglob("*.cpp")):
        for line in path.read_text(encoding="utf-8").splitlines():
            m = TARGET.search(line)
            if m:
                targets.append(m.groupdict())
    # The longest prefix wins, so a case can override its family.
    return sorted(targets, key=lambda t: -len(t["name"]))


def find_target(targets, name):
    for t in targets:
        if name.startswith(t["name"]):
            return t
    return None


def medians(bench_json):
    data = json.loads(pathlib.Path(bench_json).read_text(encoding="utf-8"))
    rows = {}
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        name = b.get("run_name", b["name"])
        if b.get("run_type") == "iteration" and name in rows:
            continue  # the median aggregate, when there is one, comes after
        rows[name] = b
    return data.get("context", {}), rows


def number(value):
    return f"{value:.3g}" if value < 100 else f"{value:.0f}"


def judge(measured, target_value, unit):
    if measured <= target_value:
        return "met", f"{number(target_value - measured)} {unit} to spare".strip()
    over = f"{number(measured - target_value)} {unit} over".replace(" × over", "× over")
    return "not met", over if unit == "×" else f"{over} ({measured / target_value:.2f}× the target)"


def main():
    bench_json, startup_file, bench_dir, out = sys.argv[1:5]
    targets = read_targets(bench_dir)
    context, rows = medians(bench_json)
    lines = [
        "# Performance",
        "",
        "Written by `scripts/performance.sh` (Release build). Figures are medians of the",
        "repetitions; the machine has 2 cores shared with other builds, so absolute",
        "figures are noisy. Targets live beside the benchmarks in `bench/` (`// target:` lines).",
        "",
        f"Machine load when run: {', '.join(f'{x:.1f}' for x in context.get('load_avg', []))} (load average), "
        f"{context.get('num_cpus', '?')} CPUs, {context.get('date', '')}.",
        "",
        "Times are wall-clock medians, judged against the targets; the CPU time beside",
        "them shows how much of the wall time the loaded machine added.",
        "",
        "| Figure | Target | Measured (median) | Met | Gap |",
        "| --- | --- | --- | --- | --- |",
    ]
    met = total = 0
    starts = {}
    for line in pathlib.Path(startup_file).read_text(encoding="utf-8").splitlines():
        if line.startswith("platform="):
            start = dict(kv.split("=") for kv in line.split())
            starts[start["platform"]] = start
    t = find_target(targets, "startup")
    for platform, label, judged in (("xcb", "under Xvfb (X11)", True), ("offscreen", "offscreen", False)):
        start = starts[platform]
        ratio = float(start["ratio"])
        figure = f"Start-up to the first paint {label}, game / empty Qt window"
        measured = f"{ratio:.2f}× ({start['game_ms']} ms against {start['empty_ms']} ms, {start['runs']} runs each)"
        if t and judged:
            verdict, gap = judge(ratio, float(t["value"]), "×")
            total += 1
            met += verdict == "met"
            lines.append(f"| {figure} | ≤ {t['value']}× ({t['why']}) | {measured} | {verdict} | {gap} |")
        else:
            lines.append(f"| {figure} | — | {measured} | — | — |")
    for name, b in rows.items():
        if "error_message" in b:
            lines.append(f"| `{name}` | — | skipped: {b['error_message']} | — | — |")
            continue
        t = find_target(targets, name)
        if t and t["counter"]:
            value = float(b.get(t["counter"], float("nan")))
            shown = f"{t['counter']} {number(value)}{t['unit'] or ''}"
        else:
            unit = (t["unit"] if t and t["unit"] in TO_MS else None) or "ms"
            scale = TO_MS[b.get("time_unit", "ns")] / TO_MS[unit]
            value = b["real_time"] * scale
            shown = f"{number(value)} {unit} (CPU {number(b['cpu_time'] * scale)} {unit})"
        if not t:
            lines.append(f"| `{name}` | — | {shown} | — | — |")
            continue
        verdict, gap = judge(value, float(t["value"]), t["unit"] or "")
        total += 1
        met += verdict == "met"
        lines.append(f"| `{name}` | ≤ {t['value']} {t['unit'] or ''} ({t['why']}) | {shown} | {verdict} | {gap} |")
    lines += ["", f"{met} of {total} targets met.", ""]
    pathlib.Path(out).write_text("\n".join(lines), encoding="utf-8")
    print(f"{met} of {total} targets met; written to {out}")


if __name__ == "__main__":
    main()
