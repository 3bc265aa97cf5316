#!/usr/bin/env python3
"""Reads back the zip for Windows users: its entries and their names as a Japanese
Windows extractor sees them, the help file, and the version resource and manifest of the
packed Kalvo.exe.

Usage: check-zip.py KALVO.ZIP HELP.TXT
"""

import re
import struct
import sys
import zipfile

UTF8_NAME_FLAG = 0x800
RT_VERSION = 16
RT_MANIFEST = 24
RESOURCE_TABLE = 2
FIXED_INFO_SIGNATURE = 0xFEEF04BD
HELP_NAME = "Kalvo/使い方.txt"


def u16(data, at):
    return struct.unpack_from("<H", data, at)[0]


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


class Pe:
    """The parts of a PE32+ file this check reads: its symbols and its resources."""

    def __init__(self, data):
        self.data = data
        header = u32(data, 0x3C)
        assert data[header:header + 4] == b"PE\0\0", "Kalvo.exe is no PE file"
        self.symbols = u32(data, header + 12)
        optional = header + 24
        assert u16(data, optional) == 0x20B, "Kalvo.exe is not 64-bit"
        rsrc_rva = u32(data, optional + 112 + 8 * RESOURCE_TABLE)
        first_section = optional + u16(data, header + 20)
        self.sections = [struct.unpack_from("<8sIIII", data, first_section + 40 * i)
                         for i in range(u16(data, header + 6))]
        self.rsrc = self.offset(rsrc_rva)

    def offset(self, rva):
        for _, size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise AssertionError("address %#x lies in no section" % rva)

    def entries(self, directory):
        count = u16(self.data, directory + 12) + u16(self.data, directory + 14)
        for i in range(count):
            key, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
            yield key, self.rsrc + (target & 0x7FFFFFFF), bool(target & 0x80000000)

    def resource(self, kind):
        """The data of the first resource of a type, through its name and language levels."""
        for key, level, _ in self.entries(self.rsrc):
            if key == kind:
                for _ in range(2):
                    level = next(self.entries(level))[1]
                rva, size = struct.unpack_from("<II", self.data, level)
                return self.data[self.offset(rva):self.offset(rva) + size]
        raise AssertionError("Kalvo.exe has no resource of type %d" % kind)


def version_text(block, key):
    """A value of the version's string table: UTF-16 key, padding, UTF-16 value."""
    name = (key + "\0").encode("utf-16-le")
    at = block.index(name) + len(name)
    at += (4 - at % 4) % 4
    end = at
    while block[end:end + 2] != b"\0\0":
        end += 2
    return block[at:end].decode("utf-16-le")


def check_names(archive):
    for entry in archive.infolist():
        assert not entry.flag_bits & UTF8_NAME_FLAG, entry.filename + " has the UTF-8 flag"
    names = sorted(entry.filename for entry in archive.infolist())
    assert names == ["Kalvo/Kalvo.exe", HELP_NAME], names


def check_version(pe):
    block = pe.resource(RT_VERSION)
    fixed = block.index(struct.pack("<I", FIXED_INFO_SIGNATURE))
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", block, fixed + 8)
    assert (file_ms, file_ls, product_ms, product_ls) == (0x3, 0, 0x3, 0), "not 0.3.0.0"
    assert "041103A4".encode("utf-16-le") in block, "no Japanese block 041103A4"
    assert struct.pack("<HH", 0x411, 932) in block, "no translation 0411, 932"
    expected = {"ProductName": "Kalvo", "ProductVersion": "0.03 β",
                "OriginalFilename": "Kalvo.exe", "FileVersion": "0.3.0.0"}
    for key, value in expected.items():
        assert version_text(block, key) == value, key
    assert version_text(block, "FileDescription"), "no file description"


def check_manifest(pe):
    manifest = pe.resource(RT_MANIFEST).decode("utf-8")
    for pattern in [r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"',
                    r'level="asInvoker"', r"<dpiAware[^>]*>false<", r"<gdiScaling[^>]*>true<",
                    "35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                    "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"]:
        assert re.search(pattern, manifest), "the manifest lacks " + pattern


def main(zip_path, help_path):
    with zipfile.ZipFile(zip_path, metadata_encoding="cp932") as archive:
        check_names(archive)
        with open(help_path, "rb") as help_file:
            assert archive.read(HELP_NAME) == help_file.read(), "the help file differs"
        pe = Pe(archive.read("Kalvo/Kalvo.exe"))
    assert pe.symbols == 0, "Kalvo.exe is not stripped"
    check_version(pe)
    check_manifest(pe)
    print("%s: names, help file, version and manifest as expected" % zip_path)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
