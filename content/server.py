#!/usr/bin/env python3
"""Demo content server for Kelvora.

Serves the start page "/TVAPIS.htm" and its pictures from www/, the ten
channel playlists "/tv_streams/<id>.asx" (ASX, as video/x-ms-asf), and for
each channel an endless live MPEG-TS test stream that ffmpeg makes on the fly:
a coloured test picture with the channel's name and a tone of its own.

    python3 content/server.py [--host 127.0.0.1] [--port 8712]

Test aids: "/tv_streams/live/<id>.ts?seconds=N" ends the stream after N
seconds (a dropped live stream); "/tv_streams/test/garbage.asx" is a playlist
that is no playlist.
"""
import argparse
import http.server
import os
import shutil
import socketserver
import subprocess
import sys
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
WWW = os.path.join(HERE, "www")

# id: (caption, background colour RRGGBB, tone in Hz)
CHANNELS = {
    "b1699": ("Live Sports TV", "1E8C3A", 440),
    "b3890": ("Bloomberg", "1F3FA0", 494),
    "b1636": ("DW TV Europe", "A0281E", 523),
    "b5979": ("Cartooons", "D08A10", 587),
    "b6048": ("TV Guranga", "7A2A9A", 659),
    "b4480": ("Wildlife Channel", "4E6E1C", 698),
    "b3344": ("Labelle TV", "B03070", 784),
    "b2360": ("24 TV Live", "1C7A8A", 880),
    "b3298": ("Sky News", "2050C8", 988),
    "b5280": ("ReelGood TV", "8A5A2A", 1047),
}

FONTS = [
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
]

TYPES = {
    ".htm": "text/html; charset=utf-8",
    ".html": "text/html; charset=utf-8",
    ".css": "text/css",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".asx": "video/x-ms-asf",
    ".ts": "video/mp2t",
}


def ffmpeg_command(channel_id, seconds=None):
    caption, colour, tone = CHANNELS[channel_id]
    video = f"color=c=0x{colour}:s=320x180:r=25"
    font = next((f for f in FONTS if os.path.exists(f)), None)
    filters = []
    if font:
        text = caption.replace(":", r"\:").replace("'", "")
        filters.append(
            f"drawtext=fontfile={font}:text='{text}':fontcolor=white:fontsize=22:"
            "x=(w-tw)/2:y=h-44:box=1:boxcolor=black@0.6:boxborderw=6")
    cmd = ["ffmpeg", "-hide_banner", "-loglevel", "error", "-nostdin", "-re",
           "-f", "lavfi", "-i", video,
           "-f", "lavfi", "-i", f"sine=frequency={tone}:sample_rate=44100"]
    if filters:
        cmd += ["-vf", ",".join(filters)]
    if seconds is not None:
        cmd += ["-t", str(seconds)]
    cmd += ["-c:v", "mpeg2video", "-b:v", "600k", "-g", "12", "-bf", "0",
            "-c:a", "mp2", "-b:a", "96k", "-f", "mpegts", "-muxdelay", "0", "pipe:1"]
    return cmd


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "KelvoraDemo/1.0"
    protocol_version = "HTTP/1.0"

    def log_message(self, fmt, *args):
        if self.server.verbose:
            super().log_message(fmt, *args)

    def do_GET(self):
        self.handle_request(send_body=True)

    def do_HEAD(self):
        self.handle_request(send_body=False)

    def handle_request(self, send_body):
        url = urllib.parse.urlsplit(self.path)
        path = urllib.parse.unquote(url.path)
        query = urllib.parse.parse_qs(url.query)
        parts = [p for p in path.split("/") if p]
        if len(parts) == 2 and parts[0] == "tv_streams" and parts[1].endswith(".asx"):
            return self.send_playlist(parts[1][:-4], send_body)
        if len(parts) == 3 and parts[:2] == ["tv_streams", "live"] and parts[2].endswith(".ts"):
            seconds = query.get("seconds", [None])[0]
            return self.send_stream(parts[2][:-3], float(seconds) if seconds else None, send_body)
        if parts == ["tv_streams", "test", "garbage.asx"]:
            return self.send_bytes(b"\x00\x01 this is not a playlist \xff\xfe" * 20, ".asx", send_body)
        return self.send_file(parts, send_body)

    def send_bytes(self, data, ext, send_body):
        self.send_response(200)
        self.send_header("Content-Type", TYPES.get(ext, "application/octet-stream"))
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if send_body:
            self.wfile.write(data)

    def send_playlist(self, channel_id, send_body):
        if channel_id not in CHANNELS:
            return self.send_error(404, "No such channel")
        host = self.headers.get("Host") or "%s:%d" % self.server.server_address[:2]
        caption = CHANNELS[channel_id][0]
        asx = (f'<ASX VERSION="3.0">\r\n <TITLE>{caption}</TITLE>\r\n <ENTRY>\r\n'
               f'  <TITLE>{caption}</TITLE>\r\n'
               f'  <REF HREF="http://{host}/tv_streams/live/{channel_id}.ts"/>\r\n'
               f' </ENTRY>\r\n</ASX>\r\n')
        self.send_bytes(asx.encode(), ".asx", send_body)

    def send_stream(self, channel_id, seconds, send_body):
        if channel_id not in CHANNELS:
            return self.send_error(404, "No such channel")
        self.send_response(200)
        self.send_header("Content-Type", TYPES[".ts"])
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        if not send_body:
            return
        proc = subprocess.Popen(ffmpeg_command(channel_id, seconds), stdout=subprocess.PIPE)
        try:
            while True:
                chunk = proc.stdout.read1(65536)
                if not chunk:
                    break
                self.wfile.write(chunk)
        except (BrokenPipeError, ConnectionResetError):
            pass
        finally:
            proc.kill()
            proc.wait()

    def send_file(self, parts, send_body):
        if any(p in ("..", ".") for p in parts) or not parts:
            return self.send_error(404)
        full = os.path.join(WWW, *parts)
        if not os.path.isfile(full):
            return self.send_error(404)
        with open(full, "rb") as f:
            data = f.read()
        self.send_bytes(data, os.path.splitext(full)[1].lower(), send_body)


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=8712)
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()
    if not shutil.which("ffmpeg"):
        print("warning: ffmpeg not found; the channel streams will be empty", file=sys.stderr)
    server = Server((args.host, args.port), Handler)
    server.verbose = args.verbose
    print(f"Kelvora demo content server on http://{args.host}:{args.port}/TVAPIS.htm", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
