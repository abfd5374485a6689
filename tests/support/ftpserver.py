#!/usr/bin/python3
"""A real FTP server for the update tests, on 127.0.0.1 with a port the system picks.

Prints "READY <port>" on stdout once the listening socket accepts connections. Every RETR is
appended to the log file (one server path per line) before it is answered, so a test can check
which files were fetched and in what order. Options make the server misbehave on purpose.
"""

import argparse
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class DroppingFile:
    """Hands out at most `limit` bytes of a file, then cuts the whole session off."""

    def __init__(self, fd, limit, handler):
        self._fd = fd
        self._limit = limit
        self._handler = handler
        self._sent = 0
        self.name = fd.name
        self.closed = False

    def read(self, size=-1):
        if self._sent >= self._limit:
            # Closing the control connection also closes the data connection, as a lost
            # network would, and no final reply tells the client the transfer completed.
            if not self._handler._closed:
                self._handler.close()
            return b""
        want = self._limit - self._sent if size < 0 else min(size, self._limit - self._sent)
        data = self._fd.read(want)
        self._sent += len(data)
        return data

    def tell(self):
        return self._fd.tell()

    def seek(self, pos):
        self._fd.seek(pos)

    def close(self):
        self.closed = True
        self._fd.close()


class ShortFile(DroppingFile):
    """Hands out at most `limit` bytes of a file and then ends the transfer as if complete."""

    def read(self, size=-1):
        if self._sent >= self._limit:
            return b""
        want = self._limit - self._sent if size < 0 else min(size, self._limit - self._sent)
        data = self._fd.read(want)
        self._sent += len(data)
        return data


class DrippingFile(DroppingFile):
    """Hands out one byte per second, slow enough never to trip a low-speed limit."""

    def read(self, size=-1):
        time.sleep(1)
        return self._fd.read(1)


def pairs(items):
    result = {}
    for item in items:
        name, _, count = item.rpartition(":")
        result[name] = int(count)
    return result


def make_handler(options):
    refused = set(options.refuse)
    stalled = set(options.stall)
    dropped = pairs(options.drop)
    shortened = pairs(options.short)
    sizes = pairs(options.size)
    dripping = set(options.drip)

    class TestHandler(FTPHandler):
        auth_failed_timeout = 0
        permit_foreign_addresses = False
        # sendfile() would bypass the Python reads that the misbehaving modes depend on.
        use_sendfile = False

        def ftp_RETR(self, file):
            ftp_path = self.fs.fs2ftp(file)
            name = ftp_path.rsplit("/", 1)[-1]
            if options.log:
                with open(options.log, "a", encoding="utf-8") as log:
                    log.write(ftp_path + "\n")
            if name in refused:
                self.respond("550 Refused by the test server.")
                return None
            if name in stalled:
                return None  # never answered: the client has to time out
            if name in dropped:
                return self.send_wrapped(file, DroppingFile, dropped[name])
            if name in shortened:
                return self.send_wrapped(file, ShortFile, shortened[name])
            if name in dripping:
                return self.send_wrapped(file, DrippingFile, 0)
            return super().ftp_RETR(file)

        def send_wrapped(self, file, wrapper, limit):
            try:
                fd = self.run_as_current_user(self.fs.open, file, "rb")
            except OSError as err:
                self.respond("550 %s." % err.strerror)
                return None
            from pyftpdlib.handlers import FileProducer
            producer = FileProducer(wrapper(fd, limit, self), self._current_type)
            self.push_dtp_data(producer, isproducer=True, file=fd, cmd="RETR")
            return file

        def ftp_SIZE(self, path):
            name = self.fs.fs2ftp(path).rsplit("/", 1)[-1]
            if name in sizes and self._current_type != "a":
                self.respond("213 %d" % sizes[name])
                return None
            return super().ftp_SIZE(path)

    return TestHandler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log", default="")
    parser.add_argument("--refuse", action="append", default=[], help="file name answered with 550")
    parser.add_argument("--stall", action="append", default=[], help="file name never answered")
    parser.add_argument("--drop", action="append", default=[],
                        help="NAME:BYTES, cut the session off after BYTES bytes of NAME")
    parser.add_argument("--short", action="append", default=[],
                        help="NAME:BYTES, send only BYTES bytes of NAME and report success")
    parser.add_argument("--drip", action="append", default=[], help="file name sent one byte a second")
    parser.add_argument("--size", action="append", default=[], help="NAME:BYTES, the size SIZE tells")
    options = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.root, perm="elr")
    handler = make_handler(options)
    handler.authorizer = authorizer
    handler.banner = "Tarmika test server ready."

    server = FTPServer(("127.0.0.1", 0), handler)
    print("READY %d" % server.address[1], flush=True)
    try:
        server.serve_forever(handle_exit=True)
    finally:
        server.close_all()


if __name__ == "__main__":
    sys.exit(main())
