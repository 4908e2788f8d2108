#!/usr/bin/env python3
"""The local distribution of the demo: serves the product package, a
thank-you page and the installation statistics service on 127.0.0.1, and
prints every statistics request it receives (headers and body) and appends
it to a log file."""
import argparse
import http.server
import os
import sys

RESPONSE = (b'<?xml version="1.0" encoding="utf-8"?><soap:Envelope '
            b'xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/"><soap:Body>'
            b'<SendStatisticUserByProductIdWidResponse xmlns="%s" /></soap:Body></soap:Envelope>')


def make_handler(options):
    class Handler(http.server.BaseHTTPRequestHandler):
        def _send(self, status, body, content_type):
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def do_GET(self):
            path = self.path.split("?")[0]
            if path == options.package_path:
                with open(options.package, "rb") as package:
                    self._send(200, package.read(), "application/octet-stream")
            elif path == "/thankyou.aspx":
                self._send(200, b"<html><body><h1>Thank you for installing VELTO PC Cleaner!</h1></body></html>",
                           "text/html")
            else:
                self._send(404, b"<html><body>Not found</body></html>", "text/html")

        def do_POST(self):
            body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
            record = "%s %s %s\n%s\n%s\n\n" % (self.command, self.path, self.request_version,
                                                 str(self.headers).strip(), body.decode("ascii", "replace"))
            sys.stdout.write("demo-server: statistics request received:\n" + record)
            sys.stdout.flush()
            with open(options.log, "a", encoding="utf-8") as log:
                log.write(record)
            self._send(200, RESPONSE % options.namespace.encode(), "text/xml; charset=utf-8")

        def log_message(self, format, *args):
            sys.stderr.write("demo-server: %s\n" % (format % args))

    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--package", required=True)
    parser.add_argument("--package-path", default="/VELTO_PC_Cleaner_Setup_v1.1.17.msi")
    parser.add_argument("--namespace", default="http://stats.velto-pc.example/")
    parser.add_argument("--log", required=True)
    options = parser.parse_args()
    if not os.path.exists(options.package):
        sys.exit("demo-server: no package at %s" % options.package)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", options.port), make_handler(options))
    server.serve_forever()


if __name__ == "__main__":
    main()
