#!/usr/bin/env python3
"""Prints the file version and language of a Windows program's version resource, as Windows
Installer's File table wants them ("1.0.0.0 1033"), or nothing when the file carries none.
Usage: pe_version.py FILE"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
# VS_FIXEDFILEINFO starts with its signature, then the structure's version, then the file
# version as two DWORDs: major.minor, build.revision.
at = data.find(struct.pack("<I", 0xFEEF04BD)) if data[:2] == b"MZ" else -1
if at >= 0:
    high, low = struct.unpack_from("<II", data, at + 8)
    version = f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"
    # VarFileInfo's "Translation" value: a language and a code page, after the key's padding.
    key = "Translation".encode("utf-16-le") + b"\0\0"
    found = data.find(key, at)
    language = ""
    if found >= 0:
        value = (found + len(key) + 3) & ~3
        language = str(struct.unpack_from("<H", data, value)[0])
    print(version, language)
