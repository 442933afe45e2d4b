#!/usr/bin/env python3
"""cmake/wine-run against a stand-in for Wine on PATH: which starts are made again, which are
not, and what status the caller sees. No Wine involved."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

WINE_RUN = Path(__file__).resolve().parents[2] / "cmake" / "wine-run"

# Each call appends its first argument to calls.txt, then acts as that argument says.
FAKE_WINE = r"""#!/usr/bin/env bash
echo "$1" >>"$FAKE_DIR/calls.txt"
case "$1" in
  fails-once)
    [[ -e "$FAKE_DIR/failed" ]] || { touch "$FAKE_DIR/failed"; exit 53; }
    echo ran; exit 0 ;;
  fails-at-once) exit 7 ;;
  fails-late) sleep 0.4; exit 3 ;;
  ends-with-253) sleep 0.4; exit 253 ;;
  echoes-input) cat ;;
  runs)
    sleep 5 &
    trap 'kill $!; echo terminated >>"$FAKE_DIR/calls.txt"; exit 143' TERM
    touch "$FAKE_DIR/ready"
    wait ;;
esac
"""


class WineRun(unittest.TestCase):
    def setUp(self):
        self.dir = Path(tempfile.mkdtemp(prefix="wine-run-test-"))
        fake = self.dir / "wine"
        fake.write_text(FAKE_WINE)
        fake.chmod(0o755)
        self.log = self.dir / "retries.log"
        self.env = dict(os.environ, PATH=f"{self.dir}:{os.environ['PATH']}",
                        FAKE_DIR=str(self.dir), OSTREL_WINE_START_LOG=str(self.log),
                        OSTREL_WINEPREFIX=str(self.dir / "prefix"))

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def run_wine(self, what):
        return subprocess.run([str(WINE_RUN), what], env=self.env, capture_output=True, text=True,
                              timeout=30)

    def calls(self):
        return (self.dir / "calls.txt").read_text().split()

    def test_a_start_wine_failed_is_made_once_more_and_reported(self):
        result = self.run_wine("fails-once")
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stdout, "ran\n")
        self.assertEqual(self.calls(), ["fails-once", "fails-once"])
        self.assertIn("Wine ended fails-once with status 53", result.stderr)
        self.assertIn("Wine ended fails-once with status 53", self.log.read_text())

    def test_a_program_that_fails_again_fails_with_its_own_status(self):
        result = self.run_wine("fails-at-once")
        self.assertEqual(result.returncode, 7)
        self.assertEqual(self.calls(), ["fails-at-once", "fails-at-once"])

    def test_a_program_that_ran_is_never_started_again(self):
        for what, status in (("fails-late", 3), ("ends-with-253", 253)):
            with self.subTest(what):
                result = self.run_wine(what)
                self.assertEqual(result.returncode, status)
                self.assertEqual(self.calls().count(what), 1)
        self.assertFalse(self.log.exists())

    def test_the_program_reads_the_callers_input(self):
        result = subprocess.run([str(WINE_RUN), "echoes-input"], env=self.env, input="typed\n",
                                capture_output=True, text=True, timeout=30)
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stdout, "typed\n")

    def test_a_program_asked_to_end_is_ended_and_not_started_again(self):
        process = subprocess.Popen([str(WINE_RUN), "runs"], env=self.env)
        deadline = time.monotonic() + 10
        # Soon after the start: a quick end must not look like a start Wine failed.
        while not (self.dir / "ready").exists() and time.monotonic() < deadline:
            time.sleep(0.01)
        process.send_signal(signal.SIGTERM)
        self.assertEqual(process.wait(timeout=10), 143)
        self.assertEqual(self.calls(), ["runs", "terminated"])


if __name__ == "__main__":
    sys.exit(0 if unittest.main(exit=False).result.wasSuccessful() else 1)
