#!/usr/bin/env python3
"""Writes the worked examples of a user guide (groff ms) from docs/examples.txt and the field
texts that ovanta_drive read from the real dialog (example1.txt, ...), and in WORK_DIR:
pictures.ms, with for each picture block the string status-NAME of what the status line under
the plot said (NAME.txt), and the same for each NAME.txt the block names after "also:";
example-report.ms, the case of the first example as Copy case put it
on the clipboard (case.txt), which is what Save case adds to a report.
A block's title, question and given data are in English; "title.ca:" and so on give them in
another language.
Usage: docs_examples.py EXAMPLES.txt WORK_DIR [en|ca|es] > examples.ms"""
import sys

# The guide's own words around the program's values, in each language.
WORDS = {
    "en": {
        "rows": ["Vo (m/s)", "angle (degrees)", "Vx (m/s)", "Vyo (m/s)", "Reach (m)", "Height (m)",
                 "T (s)"],
        "point": ["x (m)", "y (m)", "Vy (m/s)", "|V | (m/s)", "t (s)"],
        "heads": "Parameter\tValue\tPoint\tValue",
        "given": "Given: {}. The program answers:",
        "second": "The second passage: {}.",
        "status": "Under the plot: {}.",
    },
    "ca": {
        "rows": ["Vo (m/s)", "angle (graus)", "Vx (m/s)", "Vyo (m/s)", "Abast (m)", "Altura (m)",
                 "T (s)"],
        "point": ["x (m)", "y (m)", "Vy (m/s)", "|V | (m/s)", "t (s)"],
        "heads": "Par\u00e0metre\tValor\tPunt\tValor",
        "given": "Dades: {}. El programa respon:",
        "second": "El segon pas: {}.",
        "status": "Sota el gr\u00e0fic: {}.",
    },
    "es": {
        "rows": ["Vo (m/s)", "\u00e1ngulo (grados)", "Vx (m/s)", "Vyo (m/s)", "Alcance (m)",
                 "Altura (m)", "T (s)"],
        "point": ["x (m)", "y (m)", "Vy (m/s)", "|V | (m/s)", "t (s)"],
        "heads": "Par\u00e1metro\tValor\tPunto\tValor",
        "given": "Datos: {}. El programa responde:",
        "second": "El segundo paso: {}.",
        "status": "Bajo el gr\u00e1fico: {}.",
    },
}
PARAMETER_IDS = range(100, 107)
POINT_IDS = range(110, 115)


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
    """A text of the dialog as groff input: its two signs as groff's characters."""
    text = text.replace("\\", "\\[rs]").replace("\u00b0", "\\[de]").replace("\u00d7", "\\[mu]")
    return "\\&" + text


def report(path):
    """The lines of a case as the program wrote them (tabs kept: the guide sets tab stops, the
    first one past the longest name, at least 1.3 inches in)."""
    lines = open(path, encoding="cp1252", newline="").read().split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    longest = max((line.split("\t")[0] for line in lines if "\t" in line), key=len)
    stops = f".ta (\\w'{groff_text(longest)}000'u>?1.3i) +1i"
    return "\n".join([stops, ".nf"] + [groff_text(line) for line in lines] + [".fi"]) + "\n"


def main():
    examples, work = sys.argv[1], sys.argv[2]
    language = sys.argv[3] if len(sys.argv) > 3 else "en"
    words = WORDS[language]

    def say(block, key):
        return block.get(f"{key}.{language}", block[key])

    out = []
    examples_only = []
    with open(f"{work}/pictures.ms", "w", encoding="latin-1") as pictures:
        for block in blocks(examples):
            if "picture" in block:
                names = [block["picture"]] + [extra[:-4] for extra in block.get("also", "").split()
                                              if extra.endswith(".txt")]
                for name in names:
                    f = fields(f"{work}/{name}.txt")
                    pictures.write(f".ds status-{name} {groff_text(f['raw'][170])}\n")
            else:
                examples_only.append(block)
    for n, block in enumerate(examples_only, 1):
        f = fields(f"{work}/example{n}.txt")
        out += [".NH 2", say(block, "title"), ".LP", say(block, "question"), ".br",
                words["given"].format(say(block, "given")), ".TS", "center box;",
                "l r | l r.", words["heads"], "_"]
        point = list(zip(POINT_IDS, words["point"])) + [(None, "")] * 2
        for (pid, pname), (qid, qname) in zip(zip(PARAMETER_IDS, words["rows"]), point):
            out.append(f"{pname}\t{f[pid]}\t{qname}\t{f.get(qid, '') if qid else ''}")
        second = ", ".join(f[i] for i in (160, 161, 162) if f[i] not in ("x2:", "Vy2:", "t2:"))
        out.append(".TE")
        if second:
            out += [".LP", words["second"].format(second)]
        out += [".LP", words["status"].format(groff_text(f["raw"][170]))]
        out += [f".PDFPIC -C example{n}.pdf 4.8i", ""]
    with open(f"{work}/example-report.ms", "w", encoding="cp1252") as r:
        r.write(report(f"{work}/case.txt"))
    sys.stdout.buffer.write("\n".join(out).encode("latin-1") + b"\n")


if __name__ == "__main__":
    main()
