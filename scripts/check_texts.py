#!/usr/bin/env python3
"""Finds words a user could see that stand outside the word tables; exits 1 with one line each.

Every text the program shows (labels, menus, messages, the status line, the report's words) is a
Word of text/words.h, with its text in each language's table (text/words_*.cpp). This check reads
the program's sources and reports each string literal holding a letter (or a byte beyond ASCII)
outside those tables, unless it is listed below as not meant for a user's eyes: file and class
names, resource and registry names, formats of files, the names of functions looked up in DLLs.
The command line (cli/) speaks English only and is not checked, nor are tests and benchmarks.

Usage: check_texts.py [SOURCE_DIR]
"""
import os
import re
import sys

CHECKED_FOLDERS = ["about", "app", "platform", "plot", "report", "table", "text", "tools"]
TABLES = re.compile(r"^text/words(_[a-z]+)?\.(cpp|h)$")

# Files whose literals are all left alone, and why.
FILES_ALLOWED = {
    "platform/deferred_dlls_win32.cpp": "DLL and function names",
    "text/number_text.cpp": "number formats (e, NAN, INF)",
}

# Literals that are not words for a user, wherever they stand.
LITERALS_ALLOWED = {
    # Files and folders the program reads, writes or opens by name.
    "Tools.rel", ".exe", ".emf", "csv", "png", "*.*", "*.csv", "*.png", "*.emf",
    "Tools", "Ovanta",  # first letters of temporary files' names
    # Windows names: classes, resources, fonts, verbs, DLLs, environment.
    "DlgMain", "DlgTools", "DlgConditions", "FerSobre", "BUTTON", "Edit", "#32770", "Ic0", "IcY0",
    "Picture", "Picture120", "Picture144", "Picture168", "Picture192",
    "arial", "Comic sans ms", "Tahoma", "open", "PATH", "user32.dll", "GetDpiForWindow",
    "advapi32.dll", "RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey", "RegCreateKeyExA", "RegSetValueExA",
    "Software\\\\Ovanta", "Language",  # the registry key and value of the remembered language
    "Ovanta shot\\0Plot\\0",  # a metafile's description, read by programs
    # The maker's name and addresses: names, the same in every language.
    "Ovanta Workshop", "www.ovanta.example.org", "ovanta@example.org",
    # The first line of the path table's CSV file, which spreadsheets and scripts read.
    "t,x,y,Vx,Vy,speed\\r\\n",
}

LITERAL = re.compile(r'(R?)"')


def literals(text):
    """(line, literal) for each string literal outside comments, character literals,
    #include lines and static_assert messages."""
    found = []
    i, n, line = 0, len(text), 1
    while i < n:
        c = text[i]
        if c == "\n":
            line += 1
            i += 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            line += text.count("\n", i, j)
            i = j
        elif c == "#" and text[text.rfind("\n", 0, i) + 1:i].strip() == "":
            j = text.find("\n", i)  # a preprocessor line: #include "..." names a file
            i = n if j < 0 else j
        elif c == "'":
            j = i + 1
            while j < n and text[j] != "'":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
        elif c == '"':
            raw = i > 0 and text[i - 1] == "R"
            if raw:
                m = re.match(r'"([^(]*)\(', text[i:])
                end = text.find(")" + m.group(1) + '"', i) if m else -1
                j = n if end < 0 else end + len(m.group(1)) + 2
                body = text[i + 1:j - 1]
            else:
                j = i + 1
                while j < n and text[j] != '"':
                    j += 2 if text[j] == "\\" else 1
                body = text[i + 1:j]
                j += 1
            before = text[max(0, i - 40):i]
            if not re.search(r"static_assert\s*\([^;]*,\s*$", before):
                found.append((line, body))
            line += text.count("\n", i, j)
            i = j
        else:
            i += 1
    return found


def is_word(body):
    return re.search(r"[A-Za-z]", re.sub(r"\\x[0-9A-Fa-f]{2}|\\[rntv0\\\"']", "", body)) or \
        re.search(r"\\x[89A-Fa-f][0-9A-Fa-f]", body)


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    faults = []
    for folder in CHECKED_FOLDERS:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(directory, name)
                rel = os.path.relpath(path, root).replace(os.sep, "/")
                if TABLES.match(rel) or rel in FILES_ALLOWED:
                    continue
                with open(path, encoding="latin-1") as f:
                    text = f.read()
                for line, body in literals(text):
                    if is_word(body) and body not in LITERALS_ALLOWED:
                        faults.append(f'{rel}:{line}: "{body}" is a word outside text/words_*.cpp')
    for fault in faults:
        print(fault)
    print(f"texts: {len(faults)} word(s) outside the tables")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
