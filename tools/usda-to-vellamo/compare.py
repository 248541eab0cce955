#!/usr/bin/env python3
"""Checks that two versions of Vellamo's default database hold the same foods with the same values.

Compares every column up to the reference weight (id, folders, name, the twelve values); serving
sizes may differ. Prints how many foods changed their default serving.
Usage: compare.py OLD_CSV NEW_CSV
"""
import csv
import sys

VALUE_COLUMNS = 17


def read(path):
    with open(path, encoding="utf-8", newline="") as f:
        return {row[0]: row for row in csv.reader(f)}


def main(old_path, new_path):
    old, new = read(old_path), read(new_path)
    missing = sorted(old.keys() - new.keys())
    added = sorted(new.keys() - old.keys())
    changed = [k for k in old.keys() & new.keys() if old[k][:VALUE_COLUMNS] != new[k][:VALUE_COLUMNS]]
    servings = sum(1 for k in old.keys() & new.keys() if old[k][VALUE_COLUMNS:VALUE_COLUMNS + 2] !=
                   new[k][VALUE_COLUMNS:VALUE_COLUMNS + 2])
    print("%d foods; %d missing, %d added, %d with other values; %d with another default serving"
          % (len(new) - 1, len(missing), len(added), len(changed), servings))
    for k in missing[:10] + added[:10] + changed[:10]:
        print("  ", k)
    return 1 if missing or added or changed else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
