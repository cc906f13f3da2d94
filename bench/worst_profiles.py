#!/usr/bin/env python3
"""Writes processor profiles at the limits of the profile reader (16 MiB,
1024 logical processors, 4096 CPUID entries for one processor), each
shaped to cost the reader the most of one kind of work, into a folder."""
import json
import os
import sys

LIMIT = 16 * 1024 * 1024 - 4096
MAX_CPUID = 4096
MAX_PROCESSORS = 1024


def fill_comment(prefix, suffix, item):
    room = LIMIT - len(prefix) - len(suffix)
    count = room // (len(item) + 1)
    return prefix + ",".join([item] * count) + suffix


def cpuid(count, first=0):
    return [{"leaf": first + i, "eax": i} for i in range(count)]


def main(folder):
    os.makedirs(folder, exist_ok=True)
    shapes = {}
    # One package of 1024 processors, each with its own override on top of
    # a full package list.
    package = {"logicalProcessors": MAX_PROCESSORS, "cpuid": cpuid(MAX_CPUID - 1),
               "msr": {str(i): i for i in range(MAX_CPUID)},
               "measurements": [{"cpuMHz": 1000.0 + i} for i in range(MAX_CPUID)],
               "processors": {str(p): {"cpuid": cpuid(1, 0x80000000), "msr": {"1": 1}}
                              for p in range(1, MAX_PROCESSORS + 1)}}
    shapes["overrides"] = json.dumps({"packages": [package]}, separators=(",", ":"))
    # 1024 packages of one processor, each with a full CPUID list.
    packages = []
    size = 0
    for _ in range(MAX_PROCESSORS):
        entry = {"logicalProcessors": 1, "cpuid": cpuid(MAX_CPUID)}
        size += len(json.dumps(entry, separators=(",", ":")))
        if size > LIMIT:
            break
        packages.append(entry)
    shapes["packages"] = json.dumps({"packages": packages}, separators=(",", ":"))
    # The smallest values the grammar has, in a comment and in an array
    # that is refused only after it was read.
    base = '{"packages":[{"logicalProcessors":1}],'
    shapes["comment"] = fill_comment(base + '"comment":[', "]}", "0")
    shapes["empty-objects"] = fill_comment(base + '"pci":[', "]}", "{}")
    shapes["pci-registers"] = json.dumps({"packages": [{"logicalProcessors": 1}], "pci": [
        {"bus": b, "device": d, "registers": {str(4 * r): r for r in range(1024)}}
        for b in range(40) for d in range(32)]}, separators=(",", ":"))[:LIMIT]
    for name, text in shapes.items():
        with open(os.path.join(folder, name + ".json"), "w") as out:
            out.write(text)


if __name__ == "__main__":
    main(sys.argv[1])
