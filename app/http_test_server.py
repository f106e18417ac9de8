#!/usr/bin/env python3
"""A stand-in for the remote database service, started by the remote-client tests on 127.0.0.1.

    http_test_server.py PORT_FILE LOG_FILE MODE [TIME_REPLY_HEX [SQL_REPLY_HEX]]

It listens on a free loopback port and writes the port number to PORT_FILE. Every request it reads is
appended to LOG_FILE as received (head and body), each after a line "=====". MODE says how it answers:

  answer   time requests (body "AC=40A") get TIME_REPLY, every other POST gets SQL_REPLY (GBK bytes
           given as hex), each with "Connection: close"
  silent   reads the request and never answers
  garbage  answers with random bytes that are no HTTP, then closes
  drip     sends a status line and headers, then one body byte every 300 ms
  close    closes each connection as soon as it is accepted
  huge     answers with 4 MiB of bytes that are no GBK and carry no separator
  error    answers every request with the status 500 and TIME_REPLY as its body
  big      answers with a 10 MB body of digits ("12345" over and over)
  echo     answers each request, after 50 ms, with its own body sent in 64-byte pieces 5 ms apart

The server ends by itself when PORT_FILE is deleted, after 20 seconds without a new connection, or
after three minutes, whichever comes first; a connection it holds open ends after 30 seconds at most.
Its standard streams go to /dev/null, so a test runner waiting on the test's output never waits for it.
"""
import os
import random
import socket
import sys
import threading
import time

LIFETIME_S = 180
IDLE_S = 20
HOLD_S = 30


def read_request(conn):
    """The request head and body as received, or None when the peer closed first."""
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = conn.recv(4096)
        if not chunk:
            return None
        data += chunk
        if len(data) > 1 << 20:
            return None
    head, _, body = data.partition(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            length = int(value.strip() or b"0")
    while len(body) < length:
        chunk = conn.recv(4096)
        if not chunk:
            break
        body += chunk
    return head + b"\r\n\r\n" + body, body


def reply(conn, status, body):
    head = (f"HTTP/1.1 {status}\r\nContent-Type: text/html\r\nContent-Length: {len(body)}\r\n"
            "Connection: close\r\n\r\n").encode("ascii")
    conn.sendall(head + body)


def serve(conn, args, log_lock):
    mode = args["mode"]
    conn.settimeout(HOLD_S)
    try:
        if mode == "close":
            return
        got = read_request(conn)
        if got is None:
            return
        raw, body = got
        with log_lock, open(args["log"], "ab") as log:
            log.write(b"=====\n" + raw + b"\n")
        if mode == "answer":
            reply(conn, "200 OK", args["time"] if body == b"AC=40A" else args["sql"])
        elif mode == "silent":
            conn.recv(1)  # until the client gives up or the hold time ends
        elif mode == "garbage":
            conn.sendall(bytes(random.getrandbits(8) for _ in range(3000)))
        elif mode == "drip":
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\nConnection: close\r\n\r\n")
            end = time.monotonic() + HOLD_S
            while time.monotonic() < end:
                conn.sendall(b"x")
                time.sleep(0.3)
        elif mode == "huge":
            reply(conn, "200 OK", b"\xff\x80" * (2 << 20))
        elif mode == "error":
            reply(conn, "500 Internal Server Error", args["time"])
        elif mode == "big":
            reply(conn, "200 OK", b"12345" * (2 << 20))
        elif mode == "echo":
            time.sleep(0.05)
            conn.sendall((f"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: {len(body)}\r\n"
                          "Connection: close\r\n\r\n").encode("ascii"))
            for at in range(0, len(body), 64):
                conn.sendall(body[at:at + 64])
                time.sleep(0.005)
    except OSError:
        pass
    finally:
        conn.close()


def main():
    devnull = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(devnull, fd)
    port_file, log_file, mode = sys.argv[1:4]
    hex_args = sys.argv[4:6] + ["", ""]
    args = {"mode": mode, "log": log_file,
            "time": bytes.fromhex(hex_args[0]), "sql": bytes.fromhex(hex_args[1])}
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(64)
    listener.settimeout(0.2)
    open(log_file, "wb").close()
    with open(port_file + ".tmp", "w") as f:
        f.write(str(listener.getsockname()[1]))
    os.replace(port_file + ".tmp", port_file)

    log_lock = threading.Lock()
    end = time.monotonic() + LIFETIME_S
    idle_end = time.monotonic() + IDLE_S
    while min(end, idle_end) > time.monotonic() and os.path.exists(port_file):
        try:
            conn, _ = listener.accept()
        except socket.timeout:
            continue
        idle_end = time.monotonic() + IDLE_S
        threading.Thread(target=serve, args=(conn, args, log_lock), daemon=True).start()
    os._exit(0)


if __name__ == "__main__":
    main()
