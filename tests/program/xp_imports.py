#!/usr/bin/env python3
"""xp_imports.py LISTS PROGRAM...: fails where a Windows program would not load on Windows XP.

Windows refuses to start a program that imports a function its system libraries lack ("The
procedure entry point ... could not be located"), so every import, plain or delay-loaded, must be
one that XP's library exports (LISTS holds one list per library and target). The PE headers must
also admit XP: operating system and subsystem version 5.1 for 32-bit, 5.2 for 64-bit.
"""
import pathlib
import struct
import sys

IMPORT_DIRECTORY, DELAY_IMPORT_DIRECTORY = 1, 13


class Program:
    def __init__(self, path):
        self.data = pathlib.Path(path).read_bytes()
        if self.data[:2] != b"MZ":
            raise ValueError("not a Windows program")
        pe = self.u32(0x3C)
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        sections, optional_size = struct.unpack_from("<H12xH", self.data, pe + 6)
        self.optional = pe + 24
        magic = self.u16(self.optional)
        self.wide = magic == 0x20B
        if magic not in (0x10B, 0x20B):
            raise ValueError(f"unknown optional header {magic:#x}")
        self.image_base = self.u64(self.optional + 24) if self.wide else self.u32(self.optional + 28)
        self.directories = self.optional + (112 if self.wide else 96)
        table = self.optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", self.data, table + 40 * i) for i in range(sections)]

    def u16(self, at):
        return struct.unpack_from("<H", self.data, at)[0]

    def u32(self, at):
        return struct.unpack_from("<I", self.data, at)[0]

    def u64(self, at):
        return struct.unpack_from("<Q", self.data, at)[0]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def versions(self):
        """(operating system, subsystem) versions the headers ask for."""
        os_major, os_minor = struct.unpack_from("<HH", self.data, self.optional + 40)
        sub_major, sub_minor = struct.unpack_from("<HH", self.data, self.optional + 48)
        return (os_major, os_minor), (sub_major, sub_minor)

    def directory(self, index):
        return self.u32(self.directories + 8 * index)

    def names(self, thunks):
        """The functions an import name table lists: a name, or '#N' for one taken by ordinal."""
        width, ordinal_bit = (8, 1 << 63) if self.wide else (4, 1 << 31)
        at = self.offset(thunks)
        while True:
            entry = self.u64(at) if self.wide else self.u32(at)
            if entry == 0:
                return
            yield f"#{entry & 0xFFFF}" if entry & ordinal_bit else self.text((entry & 0x7FFFFFFF) + 2)
            at += width

    def imports(self):
        """(library, function) for every import, the delay-loaded ones included."""
        found = []
        if rva := self.directory(IMPORT_DIRECTORY):
            at = self.offset(rva)
            while any(struct.unpack_from("<5I", self.data, at)):
                lookup, _, _, name, address = struct.unpack_from("<5I", self.data, at)
                found += [(self.text(name), f) for f in self.names(lookup or address)]
                at += 20
        if rva := self.directory(DELAY_IMPORT_DIRECTORY):
            at = self.offset(rva)
            while any(struct.unpack_from("<8I", self.data, at)):
                attributes, name, _, _, lookup = struct.unpack_from("<5I", self.data, at)
                # Old-style tables hold addresses instead of offsets from the image.
                base = 0 if attributes & 1 else self.image_base
                found += [(self.text(name - base), f) for f in self.names(lookup - base)]
                at += 32
        return found


def check(lists, path):
    program = Program(path)
    target = "x64" if program.wide else "x86"
    problems = []
    oldest = (5, 2) if program.wide else (5, 1)
    for what, version in zip(("operating system", "subsystem"), program.versions()):
        if version > oldest:
            problems.append(f"its {what} version is {version[0]}.{version[1]}, newer than XP's "
                            f"{oldest[0]}.{oldest[1]}")
    exports = {}
    for library, function in program.imports():
        key = library.lower().removesuffix(".dll")
        if key not in exports:
            listed = lists / f"{key}.xp-{target}.txt"
            exports[key] = set(listed.read_text().split()) if listed.exists() else None
        if exports[key] is None:
            problems.append(f"{library}!{function}: no list of what XP's {library} exports")
        elif function not in exports[key]:
            problems.append(f"{library}!{function}: Windows XP's {library} has no such function")
    return problems


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: xp_imports.py LISTS PROGRAM...")
    lists = pathlib.Path(sys.argv[1])
    failed = False
    for path in sys.argv[2:]:
        try:
            problems = check(lists, path)
        except (OSError, ValueError, struct.error) as error:
            problems = [f"cannot be read: {error}"]
        for problem in problems:
            print(f"{path}: {problem}")
        failed = failed or bool(problems)
        if not problems:
            print(f"{path}: loads on Windows XP (every import is in XP's libraries)")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
