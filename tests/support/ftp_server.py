"""FTP server for the tests: pyftpdlib on 127.0.0.1 with a free port.

Usage: ftp_server.py ROOT USER PASSWORD CONTROL_FILE
Prints the chosen port on the first line of stdout. Faults are read from
CONTROL_FILE (JSON) at every log-in and transfer:
  refuse_login: true        every log-in is refused
  fail_stores: N            the next N uploads are answered with 451
  drop_after: N             data transfers are cut after N bytes
  no_mlsd: true             MLSD is answered as unknown (listing by LIST)
"""
import json
import logging
import os
import sys

from pyftpdlib import log
from pyftpdlib.authorizers import AuthenticationFailed, DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

root, user, password, control = sys.argv[1:5]


def read_faults():
    try:
        with open(control, encoding="utf-8") as f:
            return json.load(f)
    except (OSError, ValueError):
        return {}


def write_faults(faults):
    with open(control, "w", encoding="utf-8") as f:
        json.dump(faults, f)


class Authorizer(DummyAuthorizer):
    def validate_authentication(self, username, password, handler):
        if read_faults().get("refuse_login"):
            raise AuthenticationFailed("refused")
        super().validate_authentication(username, password, handler)


class DroppingDTPHandler(DTPHandler):
    def __init__(self, sock, cmd_channel):
        super().__init__(sock, cmd_channel)
        self.limit = read_faults().get("drop_after")
        self.moved = 0

    def count(self, n):
        self.moved += n
        if self.limit is not None and self.moved >= self.limit:
            # Closed from the loop, not from inside the transfer call.
            self.ioloop.call_later(0, self.cmd_channel.close)
            self.ioloop.call_later(0, self.close)
            return True
        return False

    def send(self, data):
        if self.limit is not None:
            data = data[: max(0, self.limit - self.moved)]
        sent = super().send(data)
        self.count(sent)
        return sent

    def handle_read(self):
        chunk = self.recv(65536)
        if chunk:
            self.file_obj.write(chunk)
            if self.count(len(chunk)):
                return

    handle_read_event = handle_read


class Handler(FTPHandler):
    auth_failed_timeout = 0
    use_sendfile = False
    dtp_handler = DroppingDTPHandler

    def ftp_MLSD(self, path):
        if read_faults().get("no_mlsd"):
            self.respond("500 Command \"MLSD\" not understood.")
            return
        return super().ftp_MLSD(path)

    def ftp_STOR(self, file, mode="w"):
        faults = read_faults()
        if faults.get("fail_stores", 0) > 0:
            faults["fail_stores"] -= 1
            write_faults(faults)
            self.respond("451 Upload refused for the test.")
            return
        return super().ftp_STOR(file, mode)


log.config_logging(level=logging.ERROR)
authorizer = Authorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), Handler)
print(server.address[1], flush=True)
server.serve_forever(handle_exit=True)
