#!/usr/bin/env python3
"""Serves the demo mirror: /topics/<n>/ is the topic page, /detail.htm?id=<n> detail page n.
Usage: serve.py [port] [delay-ms] [mirror-dir]"""
import http.server
import os
import re
import sys
import time

PORT = int(sys.argv[1]) if len(sys.argv) > 1 else 80
DELAY = (int(sys.argv[2]) if len(sys.argv) > 2 else 0) / 1000.0
MIRROR = sys.argv[3] if len(sys.argv) > 3 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "mirror")


class Mirror(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        time.sleep(DELAY)
        path = None
        if re.fullmatch(r"/topics/\d+/?(\?.*)?", self.path):
            path = os.path.join(MIRROR, "topic.html")
        else:
            m = re.fullmatch(r"/detail\.html?\?id=(\d+)", self.path)
            if m:
                path = os.path.join(MIRROR, "details", m.group(1) + ".html")
        if not path or not os.path.isfile(path):
            body = b"not found"
            self.send_response(404)
        else:
            with open(path, "rb") as f:
                body = f.read()
            self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, fmt, *args):
        sys.stderr.write("%s\n" % (fmt % args))


http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Mirror).serve_forever()
