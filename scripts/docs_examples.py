#!/usr/bin/env python3
"""Writes the worked examples of the user guide (groff ms) from docs/examples.txt and the field
texts that ovanta_drive read from the real dialog (example1.txt, ...), and pictures.ms in
WORK_DIR: for each picture block the string status-NAME with what the status line under the
plot said (NAME.txt), and the same for each NAME.txt a block names after "also:".
Usage: docs_examples.py EXAMPLES.txt WORK_DIR > examples.ms
       docs_examples.py --status WORK_DIR NAME... > pictures.ms   (the strings alone)"""
import sys

ROWS = [(100, "Vo (m/s)"), (101, "angle (degrees)"), (102, "Vx (m/s)"), (103, "Vyo (m/s)"),
        (104, "Reach (m)"), (105, "Height (m)"), (106, "T (s)")]
POINT = [(110, "x (m)"), (111, "y (m)"), (112, "Vy (m/s)"), (113, "|V | (m/s)"), (114, "t (s)")]


def blocks(path):
    block = {}
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith("#"):
            continue
        if not line.strip():
            if block:
                yield block
            block = {}
            continue
        key, _, value = line.partition(": ")
        block[key] = value
    if block:
        yield block


def fields(path):
    texts, raw = {}, {}
    for line in open(path, encoding="cp1252"):
        ident, _, text = line.rstrip("\n").partition("\t")
        texts[int(ident)] = text.strip()
        raw[int(ident)] = text
    texts["raw"] = raw
    return texts


def groff_text(text):
    """A text of the dialog (Windows-1252) as groff input: its two signs as groff's characters."""
    text = text.replace("\\", "\\[rs]").replace("\u00b0", "\\[de]").replace("\u00d7", "\\[mu]")
    return "\\&" + text


NAMES = ["initial speed", "angle", "Vx", "Voy", "Reach", "Height", "Time"]
LABELS = ["x ", "y", "Vy", "|V |", "t"]


def report(f, given, point_input):
    """The block that Save case writes for this dialog (tabs kept: the guide sets tab stops)."""
    lines = [".ta 1.3i 2.3i", ".nf", "", "Ovanta movement", ""]
    for k, name in enumerate(NAMES):
        lines.append(f"{name}\t{f['raw'][100 + k]}\t{'*' if k + 1 in given else ''}")
    lines += ["", "Point:"]
    for k, label in enumerate(LABELS):
        lines.append(f"{label}\t{f['raw'][110 + k]}\t{'*' if 110 + k == point_input else ''}")
    lines += [f['raw'][160], f['raw'][161], f['raw'][162], "", "* : data", ".fi"]
    return "\n".join(lines) + "\n"


def status(work, name):
    """The string status-NAME: what the status line said in the run's NAME.txt."""
    return f".ds status-{name} {groff_text(fields(f'{work}/{name}.txt')['raw'][170])}\n"


def main():
    if sys.argv[1] == "--status":
        sys.stdout.buffer.write("".join(status(sys.argv[2], name) for name in sys.argv[3:]).encode("latin-1"))
        return
    examples, work = sys.argv[1], sys.argv[2]
    out = []
    examples_only = []
    with open(f"{work}/pictures.ms", "w", encoding="latin-1") as pictures:
        for block in blocks(examples):
            if "picture" in block:
                pictures.write(status(work, block["picture"]))
                for extra in block.get("also", "").split():
                    if extra.endswith(".txt"):
                        pictures.write(status(work, extra[:-4]))
            else:
                examples_only.append(block)
    for n, block in enumerate(examples_only, 1):
        f = fields(f"{work}/example{n}.txt")
        out += [".NH 2", block["title"], ".LP", block["question"], ".br",
                "Given: " + block["given"] + ". The program answers:", ".TS", "center box;",
                "l r | l r.", "Parameter\tValue\tPoint\tValue", "_"]
        for (pid, pname), (qid, qname) in zip(ROWS, POINT + [(None, "")] * 2):
            out.append(f"{pname}\t{f[pid]}\t{qname}\t{f.get(qid, '') if qid else ''}")
        second = ", ".join(f[i] for i in (160, 161, 162) if f[i] not in ("x2:", "Vy2:", "t2:"))
        out.append(".TE")
        if second:
            out += [".LP", "The second passage: " + second + "."]
        out += [".LP", "Under the plot: " + groff_text(f["raw"][170]) + "."]
        out += [f".PDFPIC -C example{n}.pdf 4.8i", ""]
        if n == 1:
            steps = block["steps"].split()
            given = [int(c) for c in steps[0].split(":")[1]]
            point = [s for s in steps if s.startswith("point:")][0]
            with open(f"{work}/example-report.ms", "w", encoding="cp1252") as r:
                r.write(report(f, given, 109 + int(point[6])))
    print("\n".join(out))


if __name__ == "__main__":
    main()
