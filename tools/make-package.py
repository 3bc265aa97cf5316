#!/usr/bin/env python3
"""Writes the zip for Windows users: one folder Kalvo/ with a stripped Kalvo.exe and the
help file.

Usage: make-package.py --strip STRIP KALVO.EXE HELP.TXT OUT.ZIP

Kalvo runs only on Japanese Windows, whose built-in extractor reads entry names without
the UTF-8 flag in the system code page, 932. So the names are stored as Shift-JIS bytes
without that flag: 使い方.txt then unpacks under its own name there, and in any
extractor that is told the code page.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

FOLDER = "Kalvo/"
EXE_NAME = "Kalvo.exe"
HELP_NAME = "使い方.txt"
UTF8_NAME_FLAG = 0x800
MSDOS_SYSTEM = 0
ARCHIVE_ATTRIBUTE = 0x20


class ShiftJisEntry(zipfile.ZipInfo):
    """An entry whose name is written as Shift-JIS bytes, without the UTF-8 flag."""

    def _encodeFilenameFlags(self):
        return self.filename.encode("cp932"), self.flag_bits & ~UTF8_NAME_FLAG


def entry_for(source, name):
    entry = ShiftJisEntry.from_file(source, FOLDER + name)
    entry.create_system = MSDOS_SYSTEM
    entry.external_attr = ARCHIVE_ATTRIBUTE
    entry.compress_type = zipfile.ZIP_DEFLATED
    return entry


def add(archive, source, name):
    with open(source, "rb") as data:
        archive.writestr(entry_for(source, name), data.read())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--strip", required=True)
    parser.add_argument("exe")
    parser.add_argument("help")
    parser.add_argument("zip")
    args = parser.parse_args()

    os.makedirs(os.path.dirname(os.path.abspath(args.zip)), exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        exe = os.path.join(work, EXE_NAME)
        shutil.copy2(args.exe, exe)
        subprocess.run([args.strip, "--strip-all", exe], check=True)
        partial = args.zip + ".part"
        with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as archive:
            add(archive, exe, EXE_NAME)
            add(archive, args.help, HELP_NAME)
        os.replace(partial, args.zip)
    return 0


if __name__ == "__main__":
    sys.exit(main())
