#!/usr/bin/env python3
"""Tests of demo/serve, run as the real process on free ports: python3 demo/test_serve.py"""

import html.parser
import http.client
import os
import signal
import socket
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
SERVE = os.path.join(HERE, "serve")


def start(*args):
    return subprocess.Popen([sys.executable, SERVE, *args], stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


def request(port, path, method="GET"):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    try:
        connection.request(method, path)
        response = connection.getresponse()
        return response.status, response.headers, response.read()
    finally:
        connection.close()


class LinkCollector(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.targets = []

    def handle_starttag(self, tag, attrs):
        self.targets += [value for name, value in attrs if name in ("href", "src") and value]


class RunningServerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.log = tempfile.NamedTemporaryFile(prefix="demo-serve-", suffix=".log", delete=False)
        cls.log.close()
        cls.process = start("--port", "0", "--log", cls.log.name)
        try:
            cls.site = int(cls.process.stdout.readline())
        except ValueError:
            cls.tearDownClass()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.process.terminate()
        cls.process.communicate(timeout=10)
        os.unlink(cls.log.name)

    def test_start_page_carries_the_demo_title(self):
        status, headers, body = request(self.site, "/")
        self.assertEqual(status, 200)
        self.assertEqual(headers["Content-Type"], "text/html; charset=utf-8")
        self.assertIn("<title>Ostrel 演示</title>", body.decode("utf-8"))
        self.assertIsNone(headers["Content-Disposition"])

    def test_every_link_and_resource_of_every_page_is_served_locally(self):
        pages = sorted(name for name in os.listdir(os.path.join(HERE, "site"))
                       if name.endswith(".html"))
        self.assertGreaterEqual(len(pages), 4)
        for page in pages:
            status, _, body = request(self.site, "/" + page)
            self.assertEqual(status, 200, page)
            collector = LinkCollector()
            collector.feed(body.decode("utf-8"))
            for target in collector.targets:
                with self.subTest(page=page, target=target):
                    url = urllib.parse.urljoin("http://127.0.0.1:%d/%s" % (self.site, page), target)
                    parts = urllib.parse.urlsplit(url)
                    if parts.netloc != "127.0.0.1:%d" % self.site:
                        # The one outside address is the deliberately unreachable one.
                        self.assertEqual(url, "http://unreachable.invalid/")
                        continue
                    self.assertEqual(request(self.site, parts.path)[0], 200)

    def test_files_are_sent_as_attachments(self):
        status, headers, body = request(self.site, "/files/ostrel-demo.txt")
        self.assertEqual(status, 200)
        self.assertEqual(headers["Content-Disposition"], 'attachment; filename="ostrel-demo.txt"')
        self.assertEqual(int(headers["Content-Length"]), len(body))

    def test_listings_and_paths_outside_the_site_are_refused(self):
        for path in ("/files/", "/../serve", "/%2e%2e/serve", "/files/../../serve",
                     "/metadata/pavix/windows/pavix_x64_pc.inf", "/missing.html"):
            with self.subTest(path=path):
                status, headers, _ = request(self.site, path)
                self.assertEqual(status, 404)
                self.assertIsNone(headers["Content-Disposition"])

    def test_requests_go_to_the_log_file(self):
        request(self.site, "/style.css")
        with open(self.log.name, encoding="utf-8") as log:
            lines = log.read().splitlines()
        self.assertTrue(any(line.startswith("site ") and "/style.css" in line for line in lines))


class LifecycleTest(unittest.TestCase):
    def test_stops_cleanly_on_sigterm_and_sigint(self):
        for number in (signal.SIGTERM, signal.SIGINT):
            with self.subTest(signal=number.name):
                process = start("--port", "0")
                port = int(process.stdout.readline())
                self.assertEqual(request(port, "/")[0], 200)
                process.send_signal(number)
                out, err = process.communicate(timeout=10)
                self.assertEqual((process.returncode, out, err), (0, "", ""))
                with self.assertRaises(OSError):
                    request(port, "/")

    def test_refuses_addresses_other_than_loopback(self):
        for host in ("0.0.0.0", "192.168.1.10", "::", "example.org"):
            with self.subTest(host=host):
                process = start("--host", host, "--port", "0")
                out, err = process.communicate(timeout=10)
                self.assertEqual(process.returncode, 2)
                self.assertEqual(out, "")
                self.assertIn("not a loopback address", err)

    def test_busy_port_is_reported_and_nothing_is_served(self):
        with socket.socket() as taken:
            taken.bind(("127.0.0.1", 0))
            taken.listen()
            process = start("--port", str(taken.getsockname()[1]))
            out, err = process.communicate(timeout=10)
        self.assertEqual(process.returncode, 1)
        self.assertEqual(out, "")
        self.assertIn("cannot listen", err)


if __name__ == "__main__":
    unittest.main()
