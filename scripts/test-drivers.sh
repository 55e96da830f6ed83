#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# probex-cli on the kernel's real serial drivers: a QEMU guest (software emulation) boots
# Debian's own kernel with a 16550 UART (8250 driver, guest ttyS1) and QEMU's FTDI USB serial
# chip on an xHCI controller (ftdi_sio, guest ttyUSB0), each connected to a pseudo-terminal
# served by zaq-sim. test-drivers-guest.sh runs the commands in the guest; this script judges
# what came back through the shared folder and ends with "N passed, M failed".
#
# What this run cannot show:
# - Timing. QEMU's chips send at no baud rate at all, so no byte time or echo delay is judged.
# - Mark/space parity on USB: QEMU's FTDI model refuses it (the kernel logs "FAILED to set
#   databits/stopbits/parity") and the bytes go out at the previous format.
# What the host sees: QEMU hands the pseudo-terminal a standard rate near the guest's (the 10472
# baud frames arrive as 9600, the 400 baud pulses as 600) and at most even/odd parity, which a
# pseudo-terminal drops, so zaq-sim runs with --any-line-format, its line-format checks off.
#
# Usage: test-drivers.sh [BUILD [ZAQ-SIM-ARGS...]]   (BUILD holds tools/probex-cli and zaq-sim)
# The extra arguments go to both simulators: --ignore-writes must make the run fail.
set -euo pipefail
build=$(realpath "${1:-build}")
shift || true
sim_args=("$@")
here=$(dirname "$(realpath "$0")")
modules="ftdi_sio xhci_pci virtio_pci 9pnet_virtio 9p"

# The guest's base image, cached by the versions of the packages it is made of.
kernel_package=$(dpkg-query -W -f='${Depends}' linux-image-amd64 | sed 's/[ ,|].*//')
kernel=${kernel_package#linux-image-}
versions=$(dpkg-query -W -f='${Package}=${Version} ' "$kernel_package" busybox-static)
key=$(echo "$versions $modules" | sha256sum | cut -c1-16)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/probex/guest-$key
if [ ! -e "$cache/base.cpio" ]; then
    echo "Making the guest image from $versions"
    stage=$(mktemp -d)
    mkdir -p "$stage"/{bin,lib/modules,proc,sys,dev,tmp,share} "$cache"
    cp /bin/busybox "$stage/bin/"
    for module in $(for m in $modules; do modprobe -S "$kernel" --show-depends "$m"; done |
        awk '$1 == "insmod" && !seen[$2]++ { print $2 }'); do
        name=$(basename "$module")
        case $name in
        *.xz) xz -dc "$module" >"$stage/lib/modules/${name%.xz}" && name=${name%.xz} ;;
        *.zst) zstd -qdc "$module" >"$stage/lib/modules/${name%.zst}" && name=${name%.zst} ;;
        *) cp "$module" "$stage/lib/modules/" ;;
        esac
        echo "$name" >>"$stage/lib/modules/order"
    done
    (cd "$stage" && find . | cpio -o -H newc -R 0:0 --quiet) >"$cache/base.cpio.part"
    cp "/boot/vmlinuz-$kernel" "$cache/vmlinuz"
    mv "$cache/base.cpio.part" "$cache/base.cpio"
    rm -rf "$stage"
fi

run=$build/test-drivers
rm -rf "$run"
mkdir -p "$run/app/bin" "$run/app/lib64" "$run/app/lib/x86_64-linux-gnu" "$run/share/in" "$run/share/out"

# probex-cli, the shared libraries it needs and the guest's init go on top of the base image.
cp "$here/test-drivers-guest.sh" "$run/app/init"
strip -o "$run/app/bin/probex-cli" "$build/tools/probex-cli"
for lib in $(ldd "$build/tools/probex-cli" | grep -o '/[^ ]*'); do
    cp -L "$lib" "$run/app/lib/x86_64-linux-gnu/"
done
cp -L /lib64/ld-linux-x86-64.so.2 "$run/app/lib64/"
(cd "$run/app" && find . | cpio -o -H newc -R 0:0 --quiet) | cat "$cache/base.cpio" - >"$run/initrd"

# One simulator a port, each with an image of its own; the write changes bytes 20-3F.
sims=()
trap 'kill "${sims[@]}" 2>/dev/null || true' EXIT
declare -A pty
for port in ttyS1 ttyUSB0; do
    perl -e 'print map { chr int rand 256 } 1 .. 256' >"$run/$port.image.bin"
    cp "$run/$port.image.bin" "$run/$port.before.bin"
    perl -0777 -pe 'substr($_, 0x20, 0x20) ^= "\xA5" x 0x20' "$run/$port.before.bin" >"$run/share/in/$port.new.bin"
    "$build/tools/zaq-sim" --any-line-format --log "$run/$port.wire.txt" "${sim_args[@]}" \
        "$run/$port.image.bin" >"$run/$port.sim.out" &
    sims+=($!)
    while [ ! -s "$run/$port.sim.out" ]; do
        kill -0 "$!" || { echo "zaq-sim did not start"; exit 1; }
        sleep 0.05
    done
    pty[$port]=$(head -1 "$run/$port.sim.out")
done

started=$(date +%s)
timeout 170 qemu-system-x86_64 -accel tcg -nodefaults -display none -no-reboot -m 256 \
    -kernel "$cache/vmlinuz" -initrd "$run/initrd" -append "console=ttyS0 panic=-1 quiet" \
    -chardev file,id=console,path="$run/console.log" -device isa-serial,chardev=console \
    -chardev serial,id=kline,path="${pty[ttyS1]}" -device isa-serial,chardev=kline \
    -device qemu-xhci,id=usb -chardev serial,id=usbkline,path="${pty[ttyUSB0]}" \
    -device usb-serial,bus=usb.0,chardev=usbkline \
    -virtfs local,path="$run/share",mount_tag=share,security_model=none,id=share ||
    echo "QEMU ended with status $? (console: $run/console.log)"
guest_seconds=$(($(date +%s) - started))

# Judging.
out=$run/share/out
passed=0 failed=0
judge() { # NAME CONDITION...
    local name=$1
    shift
    if "$@" 2>/dev/null; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL $name"
    fi
}
exit_is() { [ "$(cat "$out/$1.rc")" = "$2" ]; }
has() { grep -qF -- "$2" "$out/$1"; }
same_id() { test -s "$out/$1.id.out" && grep -qxF -- "$(head -1 "$out/$1.id.out")" "$out/$1.check-wake.out"; }

judge "ports lists ttyS1" has ports.out /dev/ttyS1
judge "ports lists ttyUSB0 on ftdi_sio" grep -q '/dev/ttyUSB0.*ftdi_sio' "$out/ports.out"
for port in ttyS1 ttyUSB0; do
    new=$run/share/in/$port.new.bin
    judge "$port check" exit_is "$port.check" 0
    judge "$port check echoes at both formats" test "$(grep -c 'echoes: 20 of 20' "$out/$port.check.out" 2>/dev/null)" = 2
    judge "$port check --wake" exit_is "$port.check-wake" 0
    judge "$port id" exit_is "$port.id" 0
    judge "$port id text as check --wake's" same_id "$port"
    judge "$port read" exit_is "$port.read" 0
    judge "$port read equals the image" cmp -s "$out/$port.read.bin" "$run/$port.before.bin"
    judge "$port write with verify" exit_is "$port.write" 0
    judge "$port image holds the write" cmp -s "$run/$port.image.bin" "$new"
    judge "$port compare" exit_is "$port.compare" 0
    judge "$port read --frames" exit_is "$port.frames" 0
    judge "$port read --frames equals the image" cmp -s "$out/$port.frames.bin" "$run/$port.image.bin"
    judge "$port trace names the wake-up format" has "$port.trace" "line 400 baud, 8 data bits, space parity, 1 stop bit"
    judge "$port trace names the frame format" has "$port.trace" "line 10472 baud, 8 data bits, no parity, 1 stop bit"
    judge "$port second open refused" exit_is "$port.second" 1
    judge "$port read holding the port" exit_is "$port.held" 0
    judge "$port held read equals the image" cmp -s "$out/$port.held.bin" "$run/$port.image.bin"
done
judge "ttyS1 trace: no latency timer" has ttyS1.trace "no USB latency timer on this port"
judge "ttyUSB0 trace: latency timer 1 ms" has ttyUSB0.trace "USB latency timer 1 ms"
for port in ttyS1 ttyUSB0; do
    before=$(paste -sd ' ' "$out/$port.settings-before" 2>/dev/null || true)
    after=$(paste -sd ' ' "$out/$port.settings-after" 2>/dev/null || true)
    judge "$port flags and latency timer as before once closed ($before -> $after)" \
        test -n "$before" -a "$before" = "$after"
done

# Not judged: check does not see a parity the chip refused.
refusals=$(grep -cs 'FAILED to set databits/stopbits/parity' "$out/dmesg.txt" || true)
echo "Kernel log: the FTDI chip refused a line format ${refusals:-0} times;" \
    "check said: $(grep -s -m1 '^Wake-up format' "$out/ttyUSB0.check.out" || echo nothing)"
echo "Ran in $SECONDS s, the guest $guest_seconds s of them"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
