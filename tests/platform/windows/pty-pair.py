#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Two pseudo-terminals joined to each other, as two serial ports joined by a null-modem cable:
# what a program writes to one the other reads. Prints the two device paths on one line, then
# relays until it is ended.
import os
import pty
import select
import sys
import tty

masters = []
names = []
for _ in range(2):
    master, slave = pty.openpty()
    tty.setraw(slave)
    # The slave stays open here too, so the master never reads a hang-up between two openers.
    masters.append(master)
    names.append(os.ttyname(slave))
print(" ".join(names), flush=True)
sys.stdout.close()

while True:
    ready, _, _ = select.select(masters, [], [])
    for source in ready:
        target = masters[1] if source == masters[0] else masters[0]
        try:
            data = os.read(source, 4096)
        except OSError:
            continue
        view = memoryview(data)
        while view:
            written = os.write(target, view)
            view = view[written:]
