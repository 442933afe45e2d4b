#!/usr/bin/env python3
"""scripts/package makes a release: a zip of the program folder whose programs and libraries
carry no debug sections (each links to its symbols kept aside), a setup program, an update folder
whose info file the publisher's key signs, and Authenticode signatures on the programs. It builds a whole release, so CTest runs it (as `package`) only
when OSTREL_RUN_PACKAGE_TEST=1; otherwise it reports itself skipped (exit code 77).

  package_test.py --root CHECKOUT --work DIR
"""

import argparse
import base64
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

ARGS = None
URL = "https://updates.example.org/"
INFO = "metadata/pavix/windows/pavix_x64_pc.inf"


def sections(path):
    """The section names of a program or library; None for a file objdump cannot read (the
    stand-in engine's placeholder files)."""
    done = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", str(path)], capture_output=True,
                          text=True)
    if done.returncode != 0:
        return None
    return {parts[1] for parts in map(str.split, done.stdout.splitlines())
            if len(parts) > 1 and parts[0].isdigit()}


def der_signature(raw):
    def integer(value):
        value = value.lstrip(b"\0") or b"\0"
        if value[0] & 0x80:
            value = b"\0" + value
        return b"\x02" + bytes([len(value)]) + value
    body = integer(raw[:32]) + integer(raw[32:])
    return b"\x30" + bytes([len(body)]) + body


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = pathlib.Path(tempfile.mkdtemp(prefix="package-", dir=ARGS.work))
        cls.key = cls.work / "publisher.pem"
        subprocess.run(["openssl", "ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out",
                        str(cls.key)], check=True, capture_output=True)
        # The release also trusts a second key, given by its public half alone.
        second = cls.work / "second.pem"
        subprocess.run(["openssl", "ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out",
                        str(second)], check=True, capture_output=True)
        cls.second_public = cls.work / "second-public.pem"
        subprocess.run(["openssl", "pkey", "-in", str(second), "-pubout", "-out",
                        str(cls.second_public)], check=True, capture_output=True)
        cls.out = cls.work / "out"
        cls.release = ARGS.root / "build" / "release"
        cls.uninstaller = cls.work / "Uninstall.exe"
        environment = dict(os.environ, OSTREL_RELEASE_BUILD=str(cls.release),
                           OSTREL_KEEP_UNINSTALLER=str(cls.uninstaller))
        subprocess.run([str(ARGS.root / "scripts/package"), "--key", str(cls.key), "--url", URL,
                        "--also-trust", str(cls.second_public), "--test-cert", "--version",
                        "1.1.2.9", "--out", str(cls.out)], check=True, timeout=3000,
                       env=environment)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def test_the_zip_ships_programs_without_debug_sections_linked_to_their_symbols(self):
        unpacked = self.work / "unpacked"
        with zipfile.ZipFile(self.out / "OstrelMini-1.1.2.9.zip") as archive:
            archive.extractall(unpacked)
        folder = unpacked / "OstrelMini-1.1.2.9"
        programs = {p: sections(p) for p in folder.rglob("*") if p.suffix.lower() in (".exe", ".dll")}
        for built in ("OstrelMini.exe", "libcef.dll"):
            self.assertIsNotNone(programs.get(folder / built), built)
        for program, names in programs.items():
            with self.subTest(program.name):
                self.assertFalse({n for n in names or () if n.startswith(".debug_")}, names)
        exe = unpacked / "OstrelMini-1.1.2.9" / "OstrelMini.exe"
        self.assertIn(".gnu_debuglink", sections(exe))
        symbols = self.out / "symbols" / "OstrelMini.exe.debug"
        self.assertIn(".debug_info", sections(symbols))

    def test_the_program_trusts_the_publishers_key_and_the_one_it_was_told_to_trust_too(self):
        def hex_of(key):
            return subprocess.run([sys.executable, str(ARGS.root / "scripts/make-update"),
                                   "--public-key", str(key)], check=True, capture_output=True,
                                  text=True).stdout.strip()
        trusted = hex_of(self.key) + ";" + hex_of(self.second_public)
        shipped = (self.out / "update" / "pavix/x64/1.1.2.9/OstrelMini.exe").read_bytes()
        self.assertIn(trusted.encode("utf-16-le"), shipped)

    def test_the_programs_the_setup_and_its_uninstaller_are_signed(self):
        with zipfile.ZipFile(self.out / "OstrelMini-1.1.2.9.zip") as archive:
            archive.extract("OstrelMini-1.1.2.9/OstrelMini.exe", self.work / "signed")
        signed = [self.work / "signed/OstrelMini-1.1.2.9/OstrelMini.exe",
                  self.out / "update/pavix/x64/1.1.2.9/OstrelMini.exe",
                  self.out / "OstrelMini-1.1.2.9-setup.exe", self.uninstaller,
                  self.out / "OstrelMini-1.1.2.9.msi",
                  self.release / "updater/i686/Zudarada4.exe",
                  self.release / "updater/x64/Zudarada4.exe"]
        authority = ARGS.root / "build/test-ca/ca.pem"
        for program in signed:
            with self.subTest(program.name):
                verified = subprocess.run(["osslsigncode", "verify", "-CAfile", str(authority),
                                           str(program)], capture_output=True, text=True)
                self.assertEqual(verified.returncode, 0, verified.stdout + verified.stderr)

    def test_the_update_folder_is_signed_with_the_publishers_key(self):
        data = (self.out / "update" / INFO).read_bytes()
        body, _, line = data.rstrip(b"\r\n").rpartition(b"\r\n")
        self.assertTrue(line.startswith(b"#signature="), line)
        (self.work / "body").write_bytes(body + b"\r\n")
        (self.work / "sig.der").write_bytes(der_signature(base64.b64decode(line[11:])))
        subprocess.run(["openssl", "pkey", "-in", str(self.key), "-pubout", "-out",
                        str(self.work / "public.pem")], check=True, capture_output=True)
        verified = subprocess.run(["openssl", "dgst", "-sha256", "-verify", str(self.work / "public.pem"),
                                   "-signature", str(self.work / "sig.der"), str(self.work / "body")],
                                  capture_output=True, text=True)
        self.assertEqual(verified.returncode, 0, verified.stdout + verified.stderr)
        self.assertIn(b"#sha256=", body)
        shipped = self.out / "update" / "pavix/x64/1.1.2.9/OstrelMini.exe"
        self.assertFalse({n for n in sections(shipped) if n.startswith(".debug_")})


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", type=pathlib.Path, required=True)
    parser.add_argument("--work", type=pathlib.Path, required=True)
    ARGS, rest = parser.parse_known_args()
    if os.environ.get("OSTREL_RUN_PACKAGE_TEST") != "1":
        print("skipped: builds a whole release; OSTREL_RUN_PACKAGE_TEST=1 runs it")
        sys.exit(77)
    ARGS.work.mkdir(parents=True, exist_ok=True)
    unittest.main(argv=[sys.argv[0], *rest])
