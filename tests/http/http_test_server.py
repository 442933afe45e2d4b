#!/usr/bin/env python3
"""Loopback servers for the HTTP client's tests and benchmark (standard library only).

  http_test_server.py start --state DIR --certs DIR [--root DIR]
                                                      starts them in the background, returns
                                                      once DIR/ports lists their ports
  http_test_server.py stop --state DIR                ends them (by the id in DIR/pid)
  http_test_server.py serve --state DIR --certs DIR   runs them in the foreground

Servers (DIR/ports, one "name=port" a line): "http"; "https" with the certificate of the test
authority (server.pem); "rogue" with one of a second authority that nobody trusts
(rogue-server.pem); "proxy", a forward proxy; and "proxyauth", the same wanting
Proxy-Authorization for proxyuser:proxypass (407 otherwise). Every request head is kept;
GET /_log/TAG answers with the heads whose request line contains TAG, between blank lines.

Paths: /data/SIZE/TAG sends SIZE bytes of the pattern (byte i is PATTERN[i % 65521]) with
Content-Length, Last-Modified, ETag and Range (206, 416); /echo/TAG sends nothing back, and a
POST to any path sends its body back. /text/TAG/HEX sends the bytes written in hex (an info
file). /loop/TAG redirects to itself. Query switches of /data/ and /text/: status=N answers N;
auth=REALM wants Basic user:pass (401 with the realm); drop=N closes after N body bytes;
trickle=MS waits MS ms after each KiB; norange=1 ignores Range; extra=N sends N bytes more than
announced; bigheader=N adds a header line of N bytes; redirect=URL answers 302; chunked=1 sends
the body chunked, close=1 without a length, ending it by closing the connection (with drop=N
both are cut short: a chunked body in the middle of a chunk, without its last one).
/slow/SIZE/TAG is /data/ with trickle=20, for addresses that cannot hold a "=" (an info file's
entries); so are /cut/SIZE/N/TAG, /data/ with drop=N, /stall/SIZE/N/TAG, which sends N body
bytes and then nothing more, holding the connection until the client leaves, and
/chunked/SIZE/TAG, /close/SIZE/TAG, /chunked-cut/SIZE/N/TAG and /close-cut/SIZE/N/TAG.
/chunked-cut-file/N/PATH sends the file PATH under --root so, chunked and cut after N bytes. /bad/KIND/TAG answers as a broken
or hostile server would (BAD_ANSWERS: a garbage status line, invalid lengths, broken chunked
encoding, a quarter megabyte of headers, a body shorter or longer than announced), then closes
the connection; its body, where there is one, is /data/1000/. Other paths: 404.
"""

import argparse
import base64
import http.client
import os
import select
import signal
import ssl
import subprocess
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PATTERN_PERIOD = 65521
PATTERN = bytes(((i * 31) + (i >> 8)) & 0xFF for i in range(PATTERN_PERIOD))
LAST_MODIFIED = "Sun, 06 Nov 1994 08:49:37 GMT"
PROXY_CREDENTIALS = "Basic " + base64.b64encode(b"proxyuser:proxypass").decode()
USER_CREDENTIALS = "Basic " + base64.b64encode(b"user:pass").decode()

def bad_answers():
    """KIND -> the bytes /bad/KIND/ sends before it closes the connection."""
    body = content(0, 1000)
    head = b"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"

    def answer(headers, payload=body):
        return head + headers + b"\r\n" + payload

    def chunk(data):
        return b"%x\r\n" % len(data) + data + b"\r\n"

    return {
        "status": b"\x00\xffNOT HTTP AT ALL\r\nContent-Length: 1000\r\n\r\n" + body,
        "status-code": b"HTTP/1.1 2x0 OK\r\nContent-Length: 1000\r\n\r\n" + body,
        "nothing": b"",
        "length-text": answer(b"Content-Length: many\r\n"),
        "length-negative": answer(b"Content-Length: -1000\r\n"),
        "length-huge": answer(b"Content-Length: 18446744073709551616\r\n"),
        "length-max": answer(b"Content-Length: 18446744073709551615\r\n"),
        "chunked-size": answer(b"Transfer-Encoding: chunked\r\n",
                               chunk(body[:500]) + b"zz\r\n" + body[500:] + b"\r\n0\r\n\r\n"),
        "chunked-cut": answer(b"Transfer-Encoding: chunked\r\n", chunk(body)[:600]),
        "headers-huge": answer(b"".join(b"X-Filler-%d: %s\r\n" % (i, b"h" * 500)
                                        for i in range(500)) + b"Content-Length: 1000\r\n"),
        "short": answer(b"Content-Length: 2000\r\n"),
        "long": answer(b"Content-Length: 500\r\n"),
        "length-twice": answer(b"Content-Length: 500\r\nContent-Length: 1000\r\n"),
        "length-twice-longer-first": answer(b"Content-Length: 1000\r\nContent-Length: 500\r\n"),
    }


LOG = []
LOG_LOCK = threading.Lock()
ROOT = ""  # the folder /chunked-cut-file/ sends files from (--root)


def content(start, end):
    """Bytes start..end-1 of the pattern."""
    out = bytearray()
    while start < end:
        at = start % PATTERN_PERIOD
        take = min(PATTERN_PERIOD - at, end - start)
        out += PATTERN[at:at + take]
        start += take
    return bytes(out)


BAD_ANSWERS = bad_answers()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "OstrelTest/1.0"

    def log_message(self, format, *args):  # the request log is kept in memory instead
        pass

    def record(self, extra=""):
        head = self.requestline + "\r\n" + str(self.headers).replace("\n", "\r\n").rstrip()
        with LOG_LOCK:
            LOG.append(head + extra)

    def send_plain(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        self.record("\r\nBody-Length: %d" % len(body))
        self.send_plain(200, body, [("Content-Type", "application/octet-stream")])

    def do_GET(self):
        if self.path.startswith("/_log/"):
            tag = urllib.parse.unquote(self.path[len("/_log/"):])
            with LOG_LOCK:
                found = [h for h in LOG if tag in h.split("\r\n", 1)[0]]
            self.send_plain(200, "\r\n\r\n".join(found).encode("utf-8", "replace"),
                            [("Content-Type", "text/plain")])
            return
        self.record()
        url = urllib.parse.urlsplit(self.path)
        query = dict(urllib.parse.parse_qsl(url.query, keep_blank_values=True))
        parts = url.path.split("/")
        if len(parts) >= 3 and parts[1] == "loop":
            self.send_plain(302, headers=[("Location", self.path)])
        elif "redirect" in query:
            self.send_plain(302, headers=[("Location", query["redirect"])])
        elif "status" in query:
            self.send_plain(int(query["status"]), b"failed", [("Content-Type", "text/plain")])
        elif "auth" in query and self.headers.get("Authorization") != USER_CREDENTIALS:
            self.send_plain(401, b"who are you",
                            [("WWW-Authenticate", 'Basic realm="%s"' % query["auth"])])
        elif len(parts) >= 4 and parts[1] == "text":
            body = bytes.fromhex(parts[3])
            self.send_data(len(body), query, body, "text/plain")
        elif len(parts) >= 3 and parts[1] in ("data", "echo"):
            self.send_data(int(parts[2]) if parts[1] == "data" else 0, query)
        elif len(parts) >= 4 and parts[1] == "bad" and parts[2] in BAD_ANSWERS:
            self.close_connection = True
            self.wfile.write(BAD_ANSWERS[parts[2]])
            self.wfile.flush()
        elif len(parts) >= 3 and parts[1] == "slow":
            self.send_data(int(parts[2]), {"trickle": "20"})
        elif len(parts) >= 4 and parts[1] in ("cut", "stall"):
            self.send_data(int(parts[2]), {"drop" if parts[1] == "cut" else "stall": parts[3]})
        elif len(parts) >= 4 and parts[1] in ("chunked", "close"):
            self.send_data(int(parts[2]), {parts[1]: "1"})
        elif len(parts) >= 4 and parts[1] == "chunked-cut-file" and ROOT:
            path = os.path.realpath(os.path.join(ROOT, *parts[3:]))
            if not path.startswith(ROOT + os.sep) or not os.path.isfile(path):
                self.send_plain(404, b"not here", [("Content-Type", "text/plain")])
                return
            with open(path, "rb") as f:
                body = f.read()
            self.send_data(len(body), {"chunked": "1", "drop": parts[2]}, body)
        elif len(parts) >= 5 and parts[1] in ("chunked-cut", "close-cut"):
            self.send_data(int(parts[2]), {parts[1][:-len("-cut")]: "1", "drop": parts[3]})
        else:
            self.send_plain(404, b"not here", [("Content-Type", "text/plain")])

    def send_data(self, size, query, body=None, content_type="application/octet-stream"):
        """SIZE bytes of the pattern, or BODY, framed and faulted as QUERY says."""
        start, end, status = 0, size, 200
        wanted = self.headers.get("Range")
        if wanted and "norange" not in query and wanted.startswith("bytes="):
            first, _, last = wanted[len("bytes="):].partition("-")
            start = int(first or 0)
            end = min(size, int(last) + 1) if last else size
            if start >= size:
                self.send_plain(416, headers=[("Content-Range", "bytes */%d" % size)])
                return
            status = 206
        chunked, closed = "chunked" in query, "close" in query
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        elif not closed:
            self.send_header("Content-Length", str(end - start))
        self.send_header("Last-Modified", LAST_MODIFIED)
        self.send_header("ETag", '"%d"' % size)
        if status == 206:
            self.send_header("Content-Range", "bytes %d-%d/%d" % (start, end - 1, size))
        if "bigheader" in query:
            self.send_header("X-Big", "b" * int(query["bigheader"]))
        drop = int(query.get("drop", -1))
        if drop >= 0 or "extra" in query or closed:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        trickle = int(query.get("trickle", 0)) / 1000.0
        sent, step = start, 1024 if trickle else 1 << 20
        stall = int(query.get("stall", -1))
        stop = end if drop < 0 and stall < 0 else min(end, start + max(drop, stall))
        try:
            while sent < end:
                block = body[sent:min(end, sent + step)] if body is not None else \
                    content(sent, min(end, sent + step))
                # A chunk announces the whole block, even when the connection drops within it.
                if chunked:
                    self.wfile.write(b"%x\r\n" % len(block))
                block = block[:max(0, stop - sent)]
                self.wfile.write(block)
                sent += len(block)
                if sent >= stop and stop < end:
                    break
                if chunked:
                    self.wfile.write(b"\r\n")
                if trickle:
                    self.wfile.flush()
                    time.sleep(trickle)
            if chunked and sent == end:
                self.wfile.write(b"0\r\n\r\n")
            if "extra" in query:
                self.wfile.write(b"x" * int(query["extra"]))
            self.wfile.flush()
            if stall >= 0:
                self.hold_until_client_leaves()
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True  # the client stopped reading (an abort)

    def hold_until_client_leaves(self, longest=300):
        """Sends nothing more, keeping the connection open until the client closes it."""
        self.close_connection = True
        deadline = time.monotonic() + longest
        while time.monotonic() < deadline:
            readable, _, _ = select.select([self.connection], [], [], 0.5)
            if readable and not self.connection.recv(4096):
                return


class ProxyHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    wants_credentials = False

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        if self.wants_credentials and \
                self.headers.get("Proxy-Authorization") != PROXY_CREDENTIALS:
            body = b"proxy wants credentials"
            self.send_response(407)
            self.send_header("Proxy-Authenticate", 'Basic realm="proxy"')
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        target = urllib.parse.urlsplit(self.path)
        origin = http.client.HTTPConnection(target.hostname, target.port or 80, timeout=30)
        headers = {k: v for k, v in self.headers.items()
                   if k.lower() not in ("proxy-authorization", "proxy-connection", "connection")}
        headers["Via"] = "1.1 ostrel-test-proxy"
        origin.request("GET", target.path + ("?" + target.query if target.query else ""),
                       headers=headers)
        answer = origin.getresponse()
        body = answer.read()
        self.send_response(answer.status)
        for name, value in answer.getheaders():
            if name.lower() not in ("connection", "transfer-encoding", "content-length",
                                    "server", "date"):
                self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
        origin.close()


class AuthProxyHandler(ProxyHandler):
    wants_credentials = True


class Server(ThreadingHTTPServer):
    daemon_threads = True
    request_queue_size = 64


def tls_server(handler, certs, name):
    server = Server(("127.0.0.1", 0), handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(certs, name + ".pem"), os.path.join(certs, name + ".key"))
    server.socket = context.wrap_socket(server.socket, server_side=True)
    return server


def serve(state, certs):
    servers = {"http": Server(("127.0.0.1", 0), Handler),
               "https": tls_server(Handler, certs, "server"),
               "rogue": tls_server(Handler, certs, "rogue-server"),
               "proxy": Server(("127.0.0.1", 0), ProxyHandler),
               "proxyauth": Server(("127.0.0.1", 0), AuthProxyHandler)}
    for server in servers.values():
        threading.Thread(target=server.serve_forever, daemon=True).start()
    ports = "".join("%s=%d\n" % (name, s.server_address[1]) for name, s in servers.items())
    with open(os.path.join(state, "ports.tmp"), "w") as f:
        f.write(ports)
    os.replace(os.path.join(state, "ports.tmp"), os.path.join(state, "ports"))
    signal.sigwait({signal.SIGTERM, signal.SIGINT})
    os._exit(0)  # handler threads may be waiting on idle keep-alive connections


def start(state, certs, root):
    os.makedirs(state, exist_ok=True)
    stop(state)
    ports = os.path.join(state, "ports")
    if os.path.exists(ports):
        os.remove(ports)
    log_name = os.path.join(state, "server.log")
    with open(log_name, "w") as log:
        child = subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", "--state",
                                  state, "--certs", certs, "--root", root],
                                 stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                 start_new_session=True)
    with open(os.path.join(state, "pid"), "w") as f:
        f.write(str(child.pid))
    deadline = time.monotonic() + 20
    while not os.path.exists(ports):
        if child.poll() is not None or time.monotonic() > deadline:
            stop(state)
            sys.exit("the test servers did not start:\n" + open(log_name).read())
        time.sleep(0.05)
    print(open(ports).read(), end="")


def stop(state):
    pid_file = os.path.join(state, "pid")
    if not os.path.exists(pid_file):
        return
    pid = int(open(pid_file).read())
    os.remove(pid_file)
    try:
        os.kill(pid, signal.SIGTERM)
        for _ in range(100):
            time.sleep(0.05)
            os.kill(pid, 0)
    except ProcessLookupError:
        pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("command", choices=("start", "stop", "serve"))
    parser.add_argument("--state", required=True, help="folder of the ports, pid and log")
    parser.add_argument("--certs", default="", help="folder of the test certificates")
    parser.add_argument("--root", default="", help="folder of the files /chunked-cut-file/ sends")
    args = parser.parse_args()
    state = os.path.abspath(args.state)
    global ROOT
    ROOT = os.path.realpath(args.root) if args.root else ""
    if args.command != "stop" and not os.path.exists(os.path.join(args.certs, "server.pem")):
        sys.exit("no test certificates in '%s' (scripts/test makes them)" % args.certs)
    if args.command == "start":
        start(state, os.path.abspath(args.certs), ROOT)
    elif args.command == "stop":
        stop(state)
    else:
        signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM, signal.SIGINT})
        serve(state, args.certs)


if __name__ == "__main__":
    main()
