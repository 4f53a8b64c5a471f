#!/usr/bin/env python3
"""Writes the recording of the lab's "big" device: a 1200-port L3 switch.

Every cell of its interface table follows from the port number i (README.md
lists the rules), so tests can check any row without a stored oracle.
Usage: gen_big.py OUT.snmprec
"""
import sys

PORTS = 1200
TEN_GIG_FROM = 1153                      # the last 48 ports are 10G uplinks
IP_ROWS = [("127.0.0.18", 1200), ("127.0.18.1", 1), ("127.0.18.6", 600)]  # numeric order


def oper(i):
    return 2 if i % 10 == 0 else 7 if i % 10 == 5 else 1


def duplex(i):
    return 1 if oper(i) != 1 else 2 if i % 7 == 0 else 3


def alias(i):
    return "" if i % 4 == 0 else "link-%d" % i


def pvid(i):
    return 10 * ((i - 1) // 100 + 1)


def records():
    yield "1.3.6.1.2.1.1.1.0", 4, "Kestrel KX-9600 Chassis Switch, software 7.2.1"
    yield "1.3.6.1.2.1.1.2.0", 6, "1.3.6.1.4.1.64993.1.9600"
    yield "1.3.6.1.2.1.1.3.0", 67, 987654321
    yield "1.3.6.1.2.1.1.4.0", 4, "noc"
    yield "1.3.6.1.2.1.1.5.0", 4, "kestrel-big"
    yield "1.3.6.1.2.1.1.6.0", 4, "Campus core, hall 1"
    yield "1.3.6.1.2.1.1.7.0", 2, 6
    yield "1.3.6.1.2.1.2.1.0", 2, PORTS
    ports = range(1, PORTS + 1)
    ten = lambda i: i >= TEN_GIG_FROM
    up = lambda i: oper(i) == 1
    columns = [                           # ifTable, column by column
        (1, 2, lambda i: i),
        (2, 4, lambda i: "Kestrel port %d/%d" % ((i - 1) // 48 + 1, (i - 1) % 48 + 1)),
        (3, 2, lambda i: 6),
        (4, 2, lambda i: 9216 if ten(i) else 1500),
        (5, 66, lambda i: 4294967295 if ten(i) else 1000000000),
        (6, "4x", lambda i: "021a7e17%04x" % i),
        (7, 2, lambda i: 1),
        (8, 2, oper),
        (9, 67, lambda i: 1000 + 13 * i),
        (10, 65, lambda i: (i * 2654435761) % 4000000000 if up(i) else 0),
        (16, 65, lambda i: (i * 40503 * 977) % 4000000000 if up(i) else 0),
    ]
    for col, tag, f in columns:
        for i in ports:
            yield "1.3.6.1.2.1.2.2.1.%d.%d" % (col, i), tag, f(i)
    yield "1.3.6.1.2.1.4.1.0", 2, 1
    yield "1.3.6.1.2.1.4.2.0", 2, 64
    for col, tag, f in [(1, 64, lambda a, i: a), (2, 2, lambda a, i: i),
                        (4, 2, lambda a, i: 1), (5, 2, lambda a, i: 18024)]:
        for a, i in IP_ROWS:
            yield "1.3.6.1.2.1.4.20.1.%d.%s" % (col, a), tag, f(a, i)
    for col, tag, f in [(1, 2, lambda i: i), (19, 2, duplex)]:
        for i in ports:
            yield "1.3.6.1.2.1.10.7.2.1.%d.%d" % (col, i), tag, f(i)
    yield "1.3.6.1.2.1.17.1.1.0", "4x", "021a7e170000"
    yield "1.3.6.1.2.1.17.1.2.0", 2, PORTS
    yield "1.3.6.1.2.1.17.1.3.0", 2, 2
    for col in (1, 2):                   # bridge port i is interface i
        for i in ports:
            yield "1.3.6.1.2.1.17.1.4.1.%d.%d" % (col, i), 2, i
    for v in sorted({pvid(i) for i in ports}):
        yield "1.3.6.1.2.1.17.7.1.4.3.1.1.%d" % v, 4, "vlan%d" % v
    for i in ports:
        yield "1.3.6.1.2.1.17.7.1.4.5.1.1.%d" % i, 66, pvid(i)
    for col, tag, f in [(1, 4, lambda i: "Port%d" % i),
                        (6, 70, lambda i: (i * 2654435761) % 4000000000 + (7 << 32) if up(i) else 0),
                        (10, 70, lambda i: (i * 40503 * 977) % 4000000000 + (5 << 32) if up(i) else 0),
                        (15, 66, lambda i: 10000 if ten(i) else 1000),
                        (18, 4, alias)]:
        for i in ports:
            yield "1.3.6.1.2.1.31.1.1.1.%d.%d" % (col, i), tag, f(i)


def write(path):
    with open(path, "w") as out:
        for oid, tag, value in records():
            out.write("%s|%s|%s\n" % (oid, tag, value))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    write(sys.argv[1])
