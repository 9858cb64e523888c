#!/usr/bin/env python3
"""Reads bench_effects --benchmark_format=json output on stdin and prints the
slowest styles with their ratio to the frame copy of the same size."""
import json
import sys

data = json.load(sys.stdin)
times = {b["name"]: (b["real_time"], b["time_unit"], b.get("label", ""))
         for b in data["benchmarks"] if b.get("run_type", "iteration") == "iteration" and "error_occurred" not in b}
unit = {"ns": 1e-3, "us": 1.0, "ms": 1e3}
count = int(sys.argv[1]) if len(sys.argv) > 1 else 10
for family, base in (("BM_Effect/", "BM_FrameCopy"), ("BM_EffectFullHD/", "BM_FrameCopyFullHD")):
    if base not in times:
        continue
    b = times[base][0] * unit[times[base][1]]
    rows = [(t * unit[u], n, label) for n, (t, u, label) in times.items() if n.startswith(family)]
    rows.sort(reverse=True)
    print(f"{base}: {b:.1f} us")
    for us, name, label in rows[:count]:
        print(f"  {name:<24} {us:9.1f} us  {us / b:6.2f} x  {label}")
