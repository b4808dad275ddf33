#!/usr/bin/env python3
"""Writes varied batch rows (CSV) for timing and comparing orbenza-cli --batch.

Usage: batch-rows.py COUNT [SEED] > rows.csv

Births over the whole date range, every zone, both hemispheres, seconds now
and then, and a few rows the batch refuses (a 30th of February, a time of
24:xx, a bad name), the same rows for the same count and seed.
"""
import random
import sys


def main():
    count = int(sys.argv[1])
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 20261209)
    out = ["name,date,time,zone,lon,lat,dst"]
    for _ in range(count):
        name = "Person" if rng.random() > 0.01 else "Person 2"
        day = rng.randint(1, 31)
        hour = rng.randint(0, 23) if rng.random() > 0.01 else 24
        time = f"{hour:02d}:{rng.randint(0, 59):02d}"
        if rng.random() < 0.3:
            time += f":{rng.randint(0, 59):02d}"
        out.append(
            f"{name},{rng.randint(1901, 2050):04d}-{rng.randint(1, 12):02d}-{day:02d},"
            f"{time},{rng.randint(0, 70)},"
            f"{rng.randint(0, 179)}:{rng.randint(0, 59):02d}{rng.choice('EW')},"
            f"{rng.randint(0, 89)}:{rng.randint(0, 59):02d}{rng.choice('NS')},"
            f"{'1' if rng.random() < 0.25 else ''}")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
