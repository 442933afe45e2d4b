#!/usr/bin/env python3
"""Checks a build of the updater program, Zudarada4.exe, without running it.

The 32-bit build cannot run on the build machines, so what Windows will make of it is read from
the file: the machine and PE format asked for (--machine i686 or x64), a windowed program, an
embedded manifest that asks for no more than the caller's rights (the application asks for
administrator rights where they are needed), a version resource, and imports of system
libraries only (a MinGW runtime DLL would be missing beside it in the temporary folder).
Run from CTest as UpdaterProgram.i686 and UpdaterProgram.x64.
"""

import argparse
import struct
import sys
import xml.etree.ElementTree as ElementTree

MACHINES = {"i686": (0x14C, 0x10B), "x64": (0x8664, 0x20B)}  # machine, optional-header magic
SUBSYSTEM_WINDOWS_GUI = 2
RT_VERSION, RT_MANIFEST = 16, 24
# Present on every Windows the program supports; nothing from the compiler's runtime.
SYSTEM_LIBRARIES = {"kernel32.dll", "user32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll"}


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an executable (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.directory = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(3)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        names, rva = [], self.directory[1][0]
        while rva:
            entry = struct.unpack_from("<IIIII", self.data, self.offset(rva))
            if not any(entry):
                break
            names.append(self.c_string(entry[3]))
            rva += 20
        return names

    def resources(self, type_id):
        """The data of every resource of the numbered type (all names and languages)."""
        base = self.offset(self.directory[2][0]) if self.directory[2][0] else None
        if base is None:
            return []

        def entries(table):
            named, numbered = struct.unpack_from("<HH", self.data, base + table + 12)
            for i in range(named + numbered):
                yield struct.unpack_from("<II", self.data, base + table + 16 + 8 * i)

        def leaves(table):
            for _, target in entries(table):
                if target & 0x80000000:
                    yield from leaves(target & 0x7FFFFFFF)
                else:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    yield self.data[self.offset(rva):self.offset(rva) + size]

        return [leaf for name, target in entries(0) if name == type_id and target & 0x80000000
                for leaf in leaves(target & 0x7FFFFFFF)]


def execution_level(manifest):
    for element in ElementTree.fromstring(manifest.decode("utf-8").lstrip("\ufeff")).iter():
        if element.tag.endswith("}requestedExecutionLevel"):
            return element.get("level")
    return None


def problems(image, machine):
    found = []
    want_machine, want_magic = MACHINES[machine]
    if (image.machine, image.magic) != (want_machine, want_magic):
        found.append(f"machine {image.machine:#x} format {image.magic:#x}, want "
                     f"{want_machine:#x} {want_magic:#x} ({machine})")
    if image.subsystem != SUBSYSTEM_WINDOWS_GUI:
        found.append(f"subsystem {image.subsystem}, want a windowed program")
    manifests = image.resources(RT_MANIFEST)
    levels = [execution_level(manifest) for manifest in manifests]
    if levels != ["asInvoker"]:
        found.append(f"manifest execution levels {levels}, want one asInvoker")
    if not image.resources(RT_VERSION):
        found.append("no version resource")
    for library in image.imports():
        if library.lower() not in SYSTEM_LIBRARIES:
            found.append(f"imports {library}, not one of the system libraries {sorted(SYSTEM_LIBRARIES)}")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--machine", choices=sorted(MACHINES), required=True)
    parser.add_argument("program")
    args = parser.parse_args()
    with open(args.program, "rb") as file:
        image = Image(file.read())
    found = problems(image, args.machine)
    for problem in found:
        print(f"{args.program}: {problem}")
    if not found:
        print(f"{args.program}: {args.machine}, asInvoker, imports {image.imports()}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
