#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the online tests.

Prints its port on the first line, then one JSON line for every request it receives, before it
answers. Paths choose the answer: /status/N answers N, /redirect answers 302, /hang reads the
request and never answers, /download answers 100000 bytes; anything else answers 200. It ends
by itself after a while, so a test that dies cannot leave it behind for long.
"""
import http.server
import json
import os
import sys
import threading
import time

LIFETIME_SECONDS = 120


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body, headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def serve(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else b""
        record = {
            "requestLine": self.requestline,
            "headers": {name.lower(): value for name, value in self.headers.items()},
            "body": body.decode("latin-1"),
        }
        sys.stdout.write(json.dumps(record) + "\n")
        sys.stdout.flush()
        path = self.path
        if path.startswith("/hang"):
            time.sleep(LIFETIME_SECONDS)
        elif path.startswith("/redirect"):
            self.answer(302, b"moved", [("Location", "/target")])
        elif path.startswith("/status/"):
            self.answer(int(path.split("/")[2]), b"refusal body")
        elif path.startswith("/download"):
            self.answer(200, b"x" * 100000)
        else:
            self.answer(200, b"OK")

    do_GET = serve
    do_POST = serve


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Timer(LIFETIME_SECONDS, lambda: os._exit(0)).start()
    sys.stdout.write("%d\n" % server.server_address[1])
    sys.stdout.flush()
    server.serve_forever()


main()
