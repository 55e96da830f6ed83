#!/bin/busybox sh
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=dash
# PID 1 of the driver test's guest (see test-drivers.sh): loads the drivers, runs probex-cli on
# the 16550 (8250 driver, ttyS1) and on the emulated FTDI chip (ftdi_sio, ttyUSB0), leaves
# every command's output, error text and exit status in the folder shared with the host, which
# judges them, and powers off.
/bin/busybox mount -t proc proc /proc
/bin/busybox --install -s /bin
export PATH=/bin HOME=/tmp XDG_CONFIG_HOME=/tmp/config XDG_DATA_HOME=/tmp/data
mount -t devtmpfs devtmpfs /dev
exec </dev/console >/dev/console 2>&1
mount -t sysfs sysfs /sys
while read -r module; do insmod "/lib/modules/$module"; done </lib/modules/order
mount -t 9p -o trans=virtio,version=9p2000.L share /share
in=/share/in out=/share/out

# ttyUSB0 appears once the USB bus has been walked.
tries=0
while [ ! -e /dev/ttyUSB0 ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done

# step NAME ARGS...: probex-cli ARGS, its stdout, stderr and exit status kept as NAME.*
step() {
    name=$1
    shift
    probex-cli "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo $? >"$out/$name.rc"
}

# Whether process $1 holds $2 open.
holds() {
    for fd in /proc/"$1"/fd/*; do
        [ "$(readlink "$fd")" = "$2" ] && return 0
    done
    return 1
}

step ports ports
for port in ttyS1 ttyUSB0; do
    dev=/dev/$port
    # What probex-cli changes while it holds the port and must give back: the serial flags
    # (low latency) and an FTDI chip's latency timer.
    flags=/sys/class/tty/$port/flags timer=/sys/class/tty/$port/device/latency_timer
    cat "$flags" "$timer" >"$out/$port.settings-before" 2>/dev/null
    step "$port.check" check --port "$dev"
    step "$port.check-wake" check --wake --port "$dev"
    step "$port.id" id --port "$dev"
    step "$port.read" read --port "$dev" "$out/$port.read.bin"
    step "$port.write" write --port "$dev" --range 20-3F --no-backup "$in/$port.new.bin"
    step "$port.compare" compare --port "$dev" --range 20-3F --trace "$out/$port.trace" "$in/$port.new.bin"
    step "$port.frames" read --frames --port "$dev" "$out/$port.frames.bin"
    # A second open while a read holds the port.
    probex-cli read --port "$dev" "$out/$port.held.bin" >"$out/$port.held.out" 2>"$out/$port.held.err" &
    held=$!
    tries=0
    while [ $tries -lt 200 ] && ! holds $held "$dev"; do sleep 0.05; tries=$((tries + 1)); done
    step "$port.second" id --port "$dev"
    wait $held
    echo $? >"$out/$port.held.rc"
    cat "$flags" "$timer" >"$out/$port.settings-after" 2>/dev/null
done
dmesg >"$out/dmesg.txt"
sync
umount /share
poweroff -f
