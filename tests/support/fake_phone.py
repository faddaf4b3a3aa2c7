#!/usr/bin/env python3
"""A phone for the real adb and fastboot: an adb server and a fastboot device over TCP.

    fake_phone.py COMMAND [ARGUMENTS...]

Listens on two free ports of 127.0.0.1 and runs COMMAND with ANDROID_ADB_SERVER_PORT naming
the server, ANDROID_SERIAL naming the device as fastboot reaches one over TCP, and
TARNWICK_PHONE_RECORD naming the phone's record, a file in a temporary folder; ends with
COMMAND's exit code. Every request that reaches the phone is appended to the record as one line, "[adb] SERVICE" or "[fastboot] COMMAND", a file
pushed or downloaded as "[adb] push PATH MODE <<BYTES>>" or "[fastboot] download <<BYTES>>",
before the request is answered: once a tool has ended, its requests are there. While a file
of the record's name and ".absent" exists, adb finds no phone. The phone has no features, as phones of Android 4
have none: adb installs by push and pm, and its shell has no exit codes.
"""

import os
import socket
import socketserver
import struct
import subprocess
import sys
import tempfile
import threading

ADB_SERVER_VERSION = 41
SERIAL = "FAKE0001"
# What the package manager prints when it installed an APK.
INSTALLED = b"\tpkg: /data/local/tmp/\r\nSuccess\r\n"
DIRECTORIES = ("/sdcard", "/system/app", "/data/local/tmp", "/cache/recovery")

record_folder = tempfile.TemporaryDirectory()
record_path = os.path.join(record_folder.name, "record.txt")
record_lock = threading.Lock()


def record(line):
    with record_lock, open(record_path, "ab") as record_file:
        record_file.write(line + b"\n")


def receive(stream, count):
    data = b""
    while len(data) < count:
        chunk = stream.recv(count - len(data))
        if not chunk:
            raise EOFError
        data += chunk
    return data


def phone_file(path):
    return b"phone's " + path


class AdbServer(socketserver.BaseRequestHandler):
    def handle(self):
        try:
            while self.serve(receive(self.request, int(receive(self.request, 4), 16))):
                pass
        except (EOFError, ConnectionError):
            pass

    def answer(self, text=None, status=b"OKAY"):
        self.request.sendall(status + (b"" if text is None else b"%04x" % len(text) + text))

    # Answers one request; true while the connection takes another.
    def serve(self, service):
        if service == b"host:version":
            self.answer(b"%04x" % ADB_SERVER_VERSION)
        elif service.endswith(b"features"):
            self.answer(b"")
        elif service.startswith((b"host:tport:", b"host:transport")):
            if os.path.exists(record_path + ".absent"):
                self.answer(b"no devices/emulators found", b"FAIL")
                return False
            self.answer()
            if service.startswith(b"host:tport:"):
                self.request.sendall(struct.pack("<Q", 1))
            return True
        elif service.startswith(b"host:devices"):
            record(b"[adb] " + service)
            self.answer(SERIAL.encode() + b"\tdevice\n")
        elif service == b"host:kill" or service.startswith((b"reboot:", b"shell")):
            record(b"[adb] " + service)
            self.answer()
            if service.partition(b":")[2].startswith(b"pm 'install'"):
                self.request.sendall(INSTALLED)
        elif service == b"sync:":
            self.answer()
            self.sync()
        else:
            self.answer(b"unknown service", b"FAIL")
        return False

    def sync(self):
        while True:
            request, length = struct.unpack("<4sI", receive(self.request, 8))
            if request == b"QUIT":
                return
            path = receive(self.request, length)
            if request == b"STAT":
                is_directory = path.rstrip(b"/").decode() in DIRECTORIES
                mode = 0o40755 if is_directory else 0o100644 if path.startswith(b"/cache/") else 0
                size = len(phone_file(path)) if mode & 0o100000 else 0
                self.request.sendall(struct.pack("<4sIII", b"STAT", mode, size, 0))
            elif request == b"SEND":
                target, _, mode = path.rpartition(b",")
                content = b""
                while (chunk := struct.unpack("<4sI", receive(self.request, 8)))[0] == b"DATA":
                    content += receive(self.request, chunk[1])
                record(b"[adb] push %s %04o <<%s>>" % (target, int(mode) & 0o777, content))
                self.request.sendall(struct.pack("<4sI", b"OKAY", 0))
            elif request == b"RECV":
                record(b"[adb] pull " + path)
                content = phone_file(path)
                self.request.sendall(struct.pack("<4sI", b"DATA", len(content)) + content)
                self.request.sendall(struct.pack("<4sI", b"DONE", 0))
            else:
                self.request.sendall(struct.pack("<4sI", b"FAIL", 4) + b"FAIL")
                return


class FastbootDevice(socketserver.BaseRequestHandler):
    # Variables a flash asks for; any other is unknown.
    VARIABLES = {b"max-download-size": b"0x10000000", b"product": b"FIND5"}

    def handle(self):
        try:
            if receive(self.request, 4) != b"FB01":
                return
            self.request.sendall(b"FB01")
            downloaded = b""
            while True:
                command = self.message()
                if command.startswith(b"download:"):
                    self.send(b"DATA" + command[9:])
                    downloaded = b""
                    while len(downloaded) < int(command[9:], 16):
                        downloaded += self.message()
                    record(b"[fastboot] download <<" + downloaded + b">>")
                    self.send(b"OKAY")
                elif command.startswith(b"getvar:"):
                    value = self.VARIABLES.get(command[7:])
                    self.send(b"FAILunknown variable" if value is None else b"OKAY" + value)
                else:
                    record(b"[fastboot] " + command)
                    self.send(b"OKAY")
        except (EOFError, ConnectionError):
            pass

    def message(self):
        return receive(self.request, struct.unpack(">Q", receive(self.request, 8))[0])

    def send(self, data):
        self.request.sendall(struct.pack(">Q", len(data)) + data)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True


def main():
    adb = Server(("127.0.0.1", 0), AdbServer)
    fastboot = Server(("127.0.0.1", 0), FastbootDevice)
    for server in (adb, fastboot):
        threading.Thread(target=server.serve_forever, daemon=True).start()
    environment = dict(os.environ,
                       ANDROID_ADB_SERVER_PORT=str(adb.server_address[1]),
                       ANDROID_SERIAL="tcp:127.0.0.1:%d" % fastboot.server_address[1],
                       TARNWICK_PHONE_RECORD=record_path)
    sys.exit(subprocess.call(sys.argv[1:], env=environment))


main()
