#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A misbehaving peer for the network soak: malformed and unknown messages, a stale game
id, a joiner of another version, an oversize frame, a stalled frame, idle connections,
and a flood of discovery datagrams, all at the host given on the command line (a loopback address).
    rawclient.py HOST SECONDS
With "probe" for SECONDS it only asks whether HOST still answers: a report with a game id
that is never valid must come back as "WG" within 20 seconds (the host may be playing,
its network down, for a while); exit status 1 if it does not."""
import random, socket, struct, sys, time

host = sys.argv[1]
random.seed(7)
frame = lambda text: struct.pack(">I", len(text)) + text

def connect():
    s = socket.socket()
    s.settimeout(2)
    s.bind(("127.0.0.99", 0))
    s.connect((host, 20000))
    return s

if sys.argv[2] == "probe":
    end = time.time() + 20
    while time.time() < end:
        try:
            s = connect()
            s.sendall(frame(b"WT|-1|100|0"))
            size = struct.unpack(">I", s.recv(4, socket.MSG_WAITALL))[0]
            if s.recv(size, socket.MSG_WAITALL) == b"WG":
                sys.exit(0)
        except (OSError, struct.error):
            pass
        time.sleep(0.2)
    print(f"{host} does not answer")
    sys.exit(1)

seconds = float(sys.argv[2])
junk = [b"PT|x", b"ZZ|1", b"WT|1|100|0", b"GB|1|1", b"AK|1|1|QQ", b"PR|1|100|9|a", b"\xff\xfe",
        b"ID|2|0|n|d|a|PC|->h|", b"ID|1|0|n|d|a|PC", b"NG|1|bad|ABC|0", b"", b"HI", b"RC|1"]
idle, end = [], time.time() + seconds
mc = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
mc.bind(("127.0.0.99", 0))
mc.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_IF, socket.inet_aton("127.0.0.99"))
mc.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_TTL, 1)
rounds = 0
while time.time() < end:
    rounds += 1
    try:
        s = connect()
        for _ in range(5):
            s.sendall(frame(random.choice(junk)))
        kind = rounds % 3
        if kind == 0:
            s.sendall(struct.pack(">I", 2 << 20) + b"x" * 100)  # more than a megabyte
        elif kind == 1:
            s.sendall(struct.pack(">I", 50) + b"half")  # and then nothing
        if len(idle) < 20:
            idle.append(s)  # connects, says little, stays
        else:
            s.close()
    except OSError:
        pass
    for _ in range(20):
        mc.sendto(random.choice([b"HI", b"HI", b"WT|1|1|1", b"x" * 300]), ("232.2.3.2", 20001))
    time.sleep(0.05)
print(f"raw client: {rounds} rounds")
