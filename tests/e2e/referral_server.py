"""A stand-in for the maker's refer-a-friend script: listens on the loopback
address, answers every GET with a short page and appends each request's path,
query and Host header to a log, one JSON object a line.

Usage: referral_server.py PORT_FILE LOG_FILE
"""
import http.server
import json
import sys


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        path, _, query = self.path.partition("?")
        with open(sys.argv[2], "a", encoding="utf-8") as log:
            log.write(json.dumps({"path": path, "query": query, "host": self.headers.get("Host")}) + "\n")
        body = b"<html><body>Thank you</body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
with open(sys.argv[1], "w") as f:
    f.write(str(server.server_address[1]))
server.serve_forever()
