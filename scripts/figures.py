#!/usr/bin/env python3
"""Writes into README.md the figures that runs leave in the build folders: the packages' sizes
(package-sizes.txt, written by `cmake --build --preset win64|win32 --target package`), the exes'
sizes, and the start-up times of `make bench` (build/bench.txt). A figure whose run has not left
its output is left as it is, and said so.  Usage: figures.py [README.md]"""
import os
import re
import sys

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
readme_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "README.md")
build = os.path.join(top, "build")


def number(value):
    return f"{value:,}"


def package_sizes(arch):
    """The sizes package-sizes.txt gives, by the name's last part (win64.zip, x64.msi...)."""
    sizes = {}
    try:
        with open(os.path.join(build, arch, "package-sizes.txt")) as lines:
            for line in lines:
                name, size = line.split()
                sizes[name.rsplit("-", 1)[1]] = int(size)
    except FileNotFoundError:
        pass
    return sizes


def file_size(*path):
    try:
        return os.path.getsize(os.path.join(build, *path))
    except FileNotFoundError:
        return None


def startup():
    """The two paired start-up medians of the bench: (Ovanta, yardstick, ratio) each."""
    try:
        with open(os.path.join(build, "bench.txt")) as text:
            found = re.findall(r"^median:\s*([\d.]+) ms\s+([\d.]+) ms\s+ratio ([\d.]+)", text.read(), re.M)
    except FileNotFoundError:
        return None
    return found if len(found) == 2 else None


sizes = {**package_sizes("win64"), **package_sizes("win32")}
exe64, exe32 = file_size("win64", "Ovanta.exe"), file_size("win32", "Ovanta.exe")
empty = file_size("win64", "empty_dialog.exe")
runs = startup()

# Each figure: what it is, the pattern of its text in the README, and its new text (None when
# its run left nothing).
figures = [
    ("zip sizes", r"[\d,]+ bytes \(win64\), [\d,]+ \(win32\) \|",
     f"{number(sizes['win64.zip'])} bytes (win64), {number(sizes['win32.zip'])} (win32) |"
     if {"win64.zip", "win32.zip"} <= sizes.keys() else None),
    ("MSI sizes", r"[\d,]+ bytes \(x64\), [\d,]+ \(x86\)",
     f"{number(sizes['x64.msi'])} bytes (x64), {number(sizes['x86.msi'])} (x86)"
     if {"x64.msi", "x86.msi"} <= sizes.keys() else None),
    ("exe sizes", r"[\d,]+ bytes \(win64\), [\d,]+ \(win32\);",
     f"{number(exe64)} bytes (win64), {number(exe32)} (win32);" if exe64 and exe32 else None),
    ("empty dialog size", r"[\d,]+ bytes for the empty dialog program",
     f"{number(empty)} bytes for the empty dialog program" if empty else None),
    ("start-up", r"\d+ ms against the empty program, \d+ ms against the template \| \d+ ms for an empty "
     r"dialog program built the same way \(ratio [\d.]+\); \d+ ms for Ovanta's own dialog template "
     r"shown by a procedure that does nothing \(ratio [\d.]+",
     f"{float(runs[0][0]):.0f} ms against the empty program, {float(runs[1][0]):.0f} ms against the "
     f"template | {float(runs[0][1]):.0f} ms for an empty dialog program built the same way (ratio "
     f"{float(runs[0][2]):.2f}); {float(runs[1][1]):.0f} ms for Ovanta's own dialog template shown by "
     f"a procedure that does nothing (ratio {float(runs[1][2]):.2f}" if runs else None),
]

with open(readme_path, encoding="utf-8") as f:
    text = f.read()
status = 0
for what, pattern, new in figures:
    if len(re.findall(pattern, text)) != 1:
        print(f"figures.py: the README does not hold the {what} once, as /{pattern}/", file=sys.stderr)
        status = 1
    elif new is None:
        print(f"{what}: no run's output, left as it is")
    else:
        text = re.sub(pattern, lambda _: new, text)
        print(f"{what}: {new}")
with open(readme_path, "w", encoding="utf-8") as f:
    f.write(text)
sys.exit(status)
