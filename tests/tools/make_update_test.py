#!/usr/bin/env python3
"""scripts/make-update writes what the program reads: an update folder made from a small program
folder is read back by info_file_check.exe (the controller's own parser, under Wine), and bad
input is refused without writing anything. Run from CTest as `make_update`.

  make_update_test.py --tool scripts/make-update --checker info_file_check.exe --run wine-run
"""

import argparse
import hashlib
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

    def read_back(self, codepage, *key, hashes=False):
        """What the program reads; without `hashes` the lines of the files' SHA-256 left out."""
        report = self.root / "report.txt"
        info = self.out / "metadata/pavix/windows/pavix_x64_pc.inf"
        subprocess.run([ARGS.run, ARGS.checker, windows_path(info), str(codepage),
                        windows_path(report), *key], check=True, timeout=120)
        lines = report.read_text(encoding="utf-8").splitlines()
        return lines if hashes else [line for line in lines if not line.startswith("sha256=")]

    def make_key(self, name):
        key = self.root / name
        subprocess.run(["openssl", "ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out",
                        str(key)], check=True, capture_output=True, timeout=60)
        public = subprocess.run([sys.executable, ARGS.tool, "--public-key", str(key)],
                                check=True, capture_output=True, text=True, timeout=60)
        return key, public.stdout.strip()

    def test_with_a_key_every_file_has_its_sha256_and_the_info_file_is_signed(self):
        key, public = self.make_key("publisher.pem")
        result = make_update(self.out, "--version", VERSION, "--url", URL, "--message", MESSAGE,
                             "--key", str(key), bin_dir=self.bin)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = self.read_back(936, public, hashes=True)
        self.assertEqual(lines[-1], "signature=verified")
        self.assertEqual(lines[3:5], [
            "entry=" + URL + "pavix/x64/" + VERSION + "/OstrelMini.exe=OstrelMini.exe",
            "sha256=" + hashlib.sha256(b"MZ program").hexdigest()])
        self.assertEqual(sum(line.startswith("sha256=") for line in lines), 6)
        # The key's public half alone gives the same hex (what a build trusts beside its own).
        half = self.root / "publisher-public.pem"
        subprocess.run(["openssl", "pkey", "-in", str(key), "-pubout", "-out", str(half)],
                       check=True, capture_output=True, timeout=60)
        again = subprocess.run([sys.executable, ARGS.tool, "--public-key", str(half)],
                               check=True, capture_output=True, text=True, timeout=60)
        self.assertEqual(again.stdout.strip(), public)
        # Another publisher's key does not verify it; a changed byte breaks it.
        self.assertEqual(self.read_back(936, self.make_key("other.pem")[1])[-1], "signature=refused")
        info = self.out / "metadata/pavix/windows/pavix_x64_pc.inf"
        data = info.read_bytes()
        info.write_bytes(data.replace(b"#method=0", b"#method=1"))
        self.assertEqual(self.read_back(936, public)[-1], "signature=refused")
        # Without a key the hashes are still written, and no signature.
        shutil.rmtree(self.out)
        result = make_update(self.out, "--version", VERSION, "--url", URL, bin_dir=self.bin)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.read_back(936, public)[-1], "signature=none")

    def test_a_key_that_is_not_p256_is_refused_and_nothing_is_written(self):
        key = self.root / "rsa.pem"
        subprocess.run(["openssl", "genrsa", "-out", str(key), "2048"], check=True,
                       capture_output=True, timeout=60)
        for bad in (key, self.root / "missing.pem"):
            result = make_update(self.out, "--version", VERSION, "--url", URL, "--key", str(bad),
                                 bin_dir=self.bin)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("make-update: ", result.stderr)
            self.assertFalse(self.out.exists())

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
            "hash key": ["--version", VERSION, "--url", URL, "--message", "see #sha2567=ab"],
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
