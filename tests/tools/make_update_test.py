#!/usr/bin/env python3
"""scripts/make-update writes what the program reads: an update folder made from a small program
folder is read back by info_file_check.exe (the controller's own parser, under Wine), and bad
input is refused without writing anything. Run from CTest as `make_update`.

  make_update_test.py --tool scripts/make-update --checker info_file_check.exe --run wine-run
"""

import argparse
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ARGS = None
VERSION = "1.1.2.2"
URL = "https://updates.example.org/"
MESSAGE = "新版本 1.1.2.2：\n更快的启动"


def make_bin(root):
    files = {
        "OstrelMini.exe": b"MZ program",
        "libcef.dll": b"MZ engine",
        "locales/en-US.pak": b"pak",
        "locales/zh-CN.pak": b"pak",
        "swiftshader/libEGL.dll": b"MZ",
        "a b+c.dat": b"odd name",
        # Left by running the program: never shipped.
        "debug.log": b"log",
        "cache/index": b"cache",
        "libcef.dll.uTMP": b"half a download",
    }
    for name, data in files.items():
        path = root / "bin" / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    return root / "bin"


def make_update(out, *extra, bin_dir):
    return subprocess.run([sys.executable, ARGS.tool, str(out), "--bin", str(bin_dir), *extra],
                          capture_output=True, text=True, timeout=60)


def windows_path(path):
    return "Z:" + str(path.resolve()).replace("/", "\\")


class MakeUpdateTest(unittest.TestCase):
    def setUp(self):
        self.root = pathlib.Path(tempfile.mkdtemp(prefix="make-update-", dir=ARGS.work))
        self.bin = make_bin(self.root)
        self.out = self.root / "out"
        self.addCleanup(shutil.rmtree, self.root, ignore_errors=True)

    def read_back(self, codepage):
        report = self.root / "report.txt"
        info = self.out / "metadata/pavix/windows/pavix_x64_pc.inf"
        subprocess.run([ARGS.run, ARGS.checker, windows_path(info), str(codepage),
                        windows_path(report)], check=True, timeout=120)
        return report.read_text(encoding="utf-8").splitlines()

    def test_the_program_reads_every_file_and_the_message(self):
        result = make_update(self.out, "--version", VERSION, "--url", URL, "--date", "10/21/2026",
                             "--message", MESSAGE, bin_dir=self.bin)
        self.assertEqual(result.returncode, 0, result.stderr)
        base = URL + "pavix/x64/" + VERSION + "/"
        self.assertEqual(self.read_back(936), [
            "version=" + VERSION,
            "date=10/21/2026",
            "method=0",
            "entry=" + base + "OstrelMini.exe=OstrelMini.exe",
            "entry=" + base + "a%20b%2Bc.dat=a b+c.dat",
            "entry=" + base + "libcef.dll=libcef.dll",
            "entry=" + base + "locales/en-US.pak=locales\\en-US.pak",
            "entry=" + base + "locales/zh-CN.pak=locales\\zh-CN.pak",
            "entry=" + base + "swiftshader/libEGL.dll=swiftshader\\libEGL.dll",
            "message=" + MESSAGE.replace("\n", "\\r\\n"),
        ])
        shipped = sorted(str(p.relative_to(self.out / "pavix/x64" / VERSION))
                         for p in (self.out / "pavix/x64" / VERSION).rglob("*") if p.is_file())
        self.assertEqual(shipped, ["OstrelMini.exe", "a b+c.dat", "libcef.dll", "locales/en-US.pak",
                                   "locales/zh-CN.pak", "swiftshader/libEGL.dll"])

    def test_targets_can_be_given_or_left_out(self):
        result = make_update(self.out, "--version", VERSION, "--url", URL, "--target",
                             "libcef.dll=", "--target", "a b+c.dat=%appdata%\\ostrel\\c.dat",
                             bin_dir=self.bin)
        self.assertEqual(result.returncode, 0, result.stderr)
        base = URL + "pavix/x64/" + VERSION + "/"
        entries = [line for line in self.read_back(1252) if line.startswith("entry=")]
        self.assertIn("entry=" + base + "libcef.dll", entries)
        self.assertIn("entry=" + base + "a%20b%2Bc.dat=%appdata%\\ostrel\\c.dat", entries)

    def test_a_file_can_be_listed_at_an_address_of_its_own(self):
        elsewhere = "http://mirror.example.org/big/libcef.dll"
        result = make_update(self.out, "--version", VERSION, "--url", URL, "--file-url",
                             "libcef.dll=" + elsewhere, bin_dir=self.bin)
        self.assertEqual(result.returncode, 0, result.stderr)
        entries = [line for line in self.read_back(1252) if line.startswith("entry=")]
        self.assertIn("entry=" + elsewhere + "=libcef.dll", entries)
        self.assertTrue((self.out / "pavix" / "x64" / VERSION / "libcef.dll").is_file())

    def test_bad_input_is_refused_and_nothing_is_written(self):
        cases = {
            "version": ["--version", "1.1.x", "--url", URL],
            "five parts": ["--version", "1.1.2.2.1", "--url", URL],
            "date": ["--version", VERSION, "--url", URL, "--date", "2026-10-21"],
            "address": ["--version", VERSION, "--url", "https://host/get?a=1/"],
            "brace": ["--version", VERSION, "--url", URL, "--message", "a } b"],
            "key": ["--version", VERSION, "--url", URL, "--message", "see #URL7=http://x"],
            "code page": ["--version", VERSION, "--url", URL, "--message", "ü ✓", "--codepage", "cp936"],
            "target file": ["--version", VERSION, "--url", URL, "--target", "nothing.dll=x.dll"],
            "target text": ["--version", VERSION, "--url", URL, "--target", "libcef.dll=a=b"],
            "file address": ["--version", VERSION, "--url", URL, "--file-url", "libcef.dll=ftp://x"],
            "address file": ["--version", VERSION, "--url", URL, "--file-url", "no.dll=http://x/y"],
        }
        for name, arguments in cases.items():
            with self.subTest(name):
                result = make_update(self.out, *arguments, bin_dir=self.bin)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("make-update: ", result.stderr)
                self.assertFalse(self.out.exists())
        (self.bin / "OstrelMini.exe").unlink()
        result = make_update(self.out, "--version", VERSION, "--url", URL, bin_dir=self.bin)
        self.assertIn("OstrelMini.exe", result.stderr)
        self.assertFalse(self.out.exists())


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--checker", required=True)
    parser.add_argument("--run", required=True)
    parser.add_argument("--work", required=True)
    ARGS, rest = parser.parse_known_args()
    pathlib.Path(ARGS.work).mkdir(parents=True, exist_ok=True)
    unittest.main(argv=[sys.argv[0], *rest])
