#!/usr/bin/env python3
"""Checks a conversion against the PADS netlist it came from, read here on its
own: every part of the part list stands in the Part IDs Table, no net names a
pin twice, and the completion message counts the parts, nets and pins that
the netlist holds.

    netlist_checks.py SOURCE TARGET STDOUT

SOURCE is a netlist as lepton-netlist writes it: a part list after "*PART*"
up to an empty line, then each "*SIGNAL*" with its references on the lines
up to the next line that begins with "*". A pin is a part ID (letter case
ignored) and a pin; the pins of a net count once each.
"""

import re
import sys


def lines_of(path):
    return open(path, "rb").read().replace(b"\r\n", b"\n").replace(b"\r", b"\n").decode("latin-1").split("\n")


def read_source(path):
    parts, nets, section = [], [], None
    for line in lines_of(path):
        if line.upper().startswith("*END*"):
            break
        if line.startswith("*"):
            section = "parts" if line.upper().startswith("*PART*") else None
            if line.upper().startswith("*SIGNAL*"):
                section = "net"
                nets.append([])
        elif section == "parts":
            if line.strip():
                parts.append(line.split()[0])
            else:
                section = None
        elif section == "net":
            nets[-1].extend(line.split())
    known = {part.lower() for part in parts}
    pins = []
    for tokens in nets:
        split = (token.rpartition(".") for token in tokens if "." in token)
        pins.append({(part.lower(), pin) for part, _, pin in split if part.lower() in known})
    return parts, pins


def read_target(path):
    parts, rows, table = [], [], None
    for line in lines_of(path):
        if line.startswith('"') and line.endswith('Table"'):
            table = line
        elif table == '"Part IDs Table"' and line.startswith('"'):
            parts.append(line[1:line.index('"', 1)])
        elif table == '"Net Connections Table"' and line:
            net, part, pin, _ = line.split(" ")
            rows.append((int(net), int(part), pin))
    return parts, rows


def main(source_path, target_path, stdout_path):
    parts, nets = read_source(source_path)
    target_parts, rows = read_target(target_path)
    problems = []
    if target_parts != parts:
        problems.append(f"part table {target_parts} is not the part list {parts}")
    repeated = len(rows) - len(set(rows))
    if repeated:
        problems.append(f"{repeated} rows name a pin that their net has already")
    connections = sum(len(pins) for pins in nets)
    output = open(stdout_path).read()
    counts = f"{len(parts)} Parts, {len(nets)} Nets, and {connections} Connections."
    if counts not in output:
        problems.append(f"the completion does not say {counts!r}: {output!r}")
    if f"verified: {len(nets)} nets, {connections} connections" not in output:
        problems.append(f"--verify did not confirm {len(nets)} nets and {connections} connections: {output!r}")
    for problem in problems:
        print(f"{source_path}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
