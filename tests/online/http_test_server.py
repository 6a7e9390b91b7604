#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the online tests.

Prints its port on the first line, then one JSON line for every request it receives, before it
answers. Paths choose the answer: /status/N answers N, /redirect answers 302, /hang reads the
request and never answers, /download answers 100000 bytes; anything else answers 200. It ends
by itself after a while, so a test that dies cannot leave it behind for long.

A JSON line on standard input sets the answer of one path, and is acknowledged with the line
{"served": PATH} on standard output:
    {"path": "/x", "body": BASE64, "status": 200, "user": U, "password": P,
     "chunk": N, "pause": SECONDS, "length": true}
With user and password, a request without those basic credentials is answered 401. With chunk,
the body is sent N bytes at a time with a pause after each; without length, the answer has no
Content-Length and the connection ends with the body.
"""
import base64
import http.server
import json
import os
import sys
import threading
import time

LIFETIME_SECONDS = 120

served = {}
lock = threading.Lock()


def write_line(record):
    with lock:
        sys.stdout.write(json.dumps(record) + "\n")
        sys.stdout.flush()


def read_settings():
    for line in sys.stdin:
        setting = json.loads(line)
        setting["body"] = base64.b64decode(setting.get("body", ""))
        with lock:
            served[setting["path"]] = setting
        write_line({"served": setting["path"]})


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
        write_line(record)
        path = self.path
        with lock:
            setting = served.get(path)
        if setting:
            self.answer_setting(setting)
        elif path.startswith("/hang"):
            time.sleep(LIFETIME_SECONDS)
        elif path.startswith("/redirect"):
            self.answer(302, b"moved", [("Location", "/target")])
        elif path.startswith("/status/"):
            self.answer(int(path.split("/")[2]), b"refusal body")
        elif path.startswith("/download"):
            self.answer(200, b"x" * 100000)
        else:
            self.answer(200, b"OK")

    def answer_setting(self, setting):
        if "user" in setting:
            expected = "%s:%s" % (setting["user"], setting["password"])
            sent = self.headers.get("Authorization") or ""
            if sent != "Basic " + base64.b64encode(expected.encode()).decode():
                self.answer(401, b"unauthorised", [("WWW-Authenticate", 'Basic realm="test"')])
                return
        body = setting["body"]
        status = setting.get("status", 200)
        if status != 200:
            self.answer(status, body)
            return
        self.send_response(200)
        if setting.get("length", True):
            self.send_header("Content-Length", str(len(body)))
        else:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        chunk = setting.get("chunk") or len(body) or 1
        try:
            for start in range(0, len(body), chunk):
                self.wfile.write(body[start:start + chunk])
                self.wfile.flush()
                time.sleep(setting.get("pause", 0))
        except (BrokenPipeError, ConnectionResetError):
            # The client stopped the transfer.
            self.close_connection = True

    do_GET = serve
    do_POST = serve


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Timer(LIFETIME_SECONDS, lambda: os._exit(0)).start()
    write_line(server.server_address[1])
    threading.Thread(target=read_settings, daemon=True).start()
    server.serve_forever()


main()
