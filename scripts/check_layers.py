#!/usr/bin/env python3
"""Checks the shape of the source tree; exits 1 with one line per fault.

- Layers: a folder includes only itself and the folders of lower layers; physics/ includes
  nothing of the project outside itself; no include circle between folders.
- Only *_win32.cpp and *_win32.h files (and resources/) include Windows headers or another
  *_win32.h header.
- No function body is longer than 80 lines.
- Portable code outside app/ keeps no mutable static data: objects at namespace scope and
  static locals are const.

Usage: check_layers.py [SOURCE_DIR]
"""
import os
import re
import sys

# Lowest first. Each folder may use its own files and those of the layers below it.
LAYERS = [
    ["resources"],
    ["platform", "physics"],
    ["text"],
    ["plot", "report", "tools", "about", "table"],
    ["app", "cli"],
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
ISOLATED = {"physics"}  # pure maths: nothing of the project but itself
STATE_OWNERS = {"app", "cli"}  # may keep mutable state (cli: its own main's locals only)
WINDOWS_HEADERS = {"windows.h", "commdlg.h", "shellapi.h", "commctrl.h", "wingdi.h", "winuser.h",
                   "shlobj.h", "objbase.h", "wincodec.h", "io.h"}
MAX_BODY_LINES = 80
SOURCE_ENDINGS = (".cpp", ".h")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def is_win32(path):
    name = os.path.basename(path)
    return name.endswith("_win32.cpp") or name.endswith("_win32.h")


def strip_code(text):
    """The text without comments, string and character literals (kept as empty quotes), so that
    braces and keywords are counted only where they are code. Line breaks are kept."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        elif c in "\"'":
            raw = c == '"' and i > 0 and text[i - 1] == "R"
            if raw:
                m = re.match(r'R"([^(]*)\(', text[i - 1:])
                end = text.find(")" + m.group(1) + '"', i) if m else -1
                j = n if end < 0 else end + len(m.group(1)) + 2
            else:
                j = i + 1
                while j < n and text[j] != c:
                    j += 2 if text[j] == "\\" else 1
                j += 1
            out.append(c + "\n" * text.count("\n", i, j) + c)
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def check_body_and_state(path, folder, text, faults):
    # Preprocessor lines are no statements.
    code = re.sub(r"(?m)^[ \t]*#.*$", "", strip_code(text))
    stack = []  # kinds of the open braces: ns, type, func, block
    statement = ""
    line = 1
    func_start = 0
    portable = not is_win32(path) and folder not in STATE_OWNERS and folder != "resources"
    saved = []  # the statement around each open brace, continued after it closes
    for c in code:
        if c == "\n":
            line += 1
        if c == "{":
            head = statement.strip()
            if re.search(r'\bnamespace\b|^extern\s*""', head):
                kind = "ns"
            elif "func" in stack:
                kind = "block"
            elif re.search(r"\b(struct|class|union|enum)\b", head) and "(" not in head:
                kind = "type"
            elif ")" in head and "=" not in head.split("(")[0]:
                kind = "func"
                func_start = line
            else:
                kind = "block"
            stack.append(kind)
            saved.append(statement)
            statement = ""
        elif c == "}":
            kind = stack.pop() if stack else "block"
            outer = saved.pop() if saved else ""
            if kind == "func" and line - func_start - 1 > MAX_BODY_LINES:
                faults.append(f"{path}:{func_start}: function body of {line - func_start - 1} lines "
                              f"(at most {MAX_BODY_LINES})")
            # A type or an initialiser is part of the declaration around it.
            statement = "" if kind in ("func", "ns") else outer + "{}"
        elif c == ";":
            if portable:
                check_statement(path, line, statement.strip(), stack, faults)
            statement = ""
        else:
            statement += c


def check_statement(path, line, statement, stack, faults):
    text = " ".join(statement.split())
    at_namespace = all(kind == "ns" for kind in stack)
    in_function = "func" in stack
    if in_function:
        if re.match(r"static\b", text) and not re.match(r"static\s+(const|constexpr)\b", text) \
                and not re.search(r"\bconst\s+\w+\s*(\[|=|$)", text):
            faults.append(f"{path}:{line}: mutable static local: {text[:60]}")
        return
    if not at_namespace or not text:
        return
    if re.match(r"(using|typedef|template|extern|friend|static_assert|enum|struct|class|union|"
                r"#|namespace|return)\b", text):
        return
    if "constexpr" in text.split("=")[0]:
        return
    declarator = text.split("=")[0].strip()
    if "(" in declarator:  # a function declaration
        return
    if re.search(r"\bconst\s+[\w\[\]]+$", declarator) or (declarator.startswith("const ") and "*" not in declarator):
        return
    if re.match(r"^\}", text):
        return
    faults.append(f"{path}:{line}: mutable data at namespace scope: {text[:60]}")


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    faults = []
    edges = {}
    for folder in sorted(os.listdir(root)):
        top = os.path.join(root, folder)
        if not os.path.isdir(top) or folder.startswith(".") or folder in ("build", "tests", "bench", "scripts",
                                                                          "cmake", "docs", "installer"):
            continue
        sources = [os.path.join(d, f) for d, _, files in os.walk(top) for f in files if f.endswith(SOURCE_ENDINGS)]
        if not sources:
            continue
        if folder not in RANK:
            faults.append(f"{folder}/: a source folder that no layer names (add it to LAYERS in {__file__})")
            continue
        for source in sorted(sources):
            rel = os.path.relpath(source, root)
            with open(source, encoding="latin-1") as f:
                text = f.read()
            for number, line in enumerate(text.splitlines(), 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                kind, target = m.groups()
                if kind == "<":
                    if target.lower() in WINDOWS_HEADERS and not is_win32(source) and folder != "resources":
                        faults.append(f"{rel}:{number}: a portable file includes <{target}>")
                    continue
                other = target.split("/")[0]
                if "/" not in target or other not in RANK:
                    continue
                if target.endswith("_win32.h") and not is_win32(source):
                    faults.append(f"{rel}:{number}: a portable file includes {target}")
                if other == folder:
                    continue
                edges.setdefault(folder, set()).add(other)
                if folder in ISOLATED:
                    faults.append(f"{rel}:{number}: {folder}/ includes {target}; it includes only itself")
                elif RANK[other] >= RANK[folder]:
                    faults.append(f"{rel}:{number}: {folder}/ includes {target}, which is not in a lower layer")
            check_body_and_state(rel, folder, text, faults)
    faults.extend(find_circles(edges))
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} fault(s)")
    return 1 if faults else 0


def find_circles(edges):
    faults, seen = [], set()

    def visit(node, path):
        for nxt in sorted(edges.get(node, ())):
            if nxt in path:
                circle = path[path.index(nxt):] + [nxt]
                key = frozenset(circle)
                if key not in seen:
                    seen.add(key)
                    faults.append("include circle: " + " -> ".join(circle))
            else:
                visit(nxt, path + [nxt])

    for start in sorted(edges):
        visit(start, [start])
    return faults


if __name__ == "__main__":
    sys.exit(main())
