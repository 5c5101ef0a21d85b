#!/bin/sh
# Builds the Debian package and installs it into a fresh Debian 12 (minbase)
# made with debootstrap, then starts the program from its launcher as an
# ordinary user (offscreen, for 6 seconds) to show that it comes up.
# Needs root and access to a Debian mirror. Usage: packaging/prova-deb.sh [folder]
set -eu
cd "$(dirname "$0")/.."
ROOT="${1:-/tmp/numerella-deb12}"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERELLA_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-release
(cd build-release && cpack -G DEB)
DEB=$(ls build-release/numerella_*_amd64.deb | head -n 1)

command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap
[ -d "$ROOT/usr" ] || debootstrap --variant=minbase bookworm "$ROOT" http://deb.debian.org/debian
cp "$DEB" "$ROOT/tmp/numerella.deb"
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
mountpoint -q "$ROOT/proc" || mount --bind /proc "$ROOT/proc"
trap 'umount "$ROOT/proc" 2>/dev/null || true' EXIT
chroot "$ROOT" sh -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y ./tmp/numerella.deb'
chroot "$ROOT" sh -c 'id bimbo >/dev/null 2>&1 || useradd -m bimbo'
status=0
chroot "$ROOT" su bimbo -c 'cd && mkdir -p -m 700 /tmp/run-bimbo && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/run-bimbo timeout 6 numerella' || status=$?
if [ "$status" -eq 124 ]; then
    echo "OK: the installed program started from its launcher and kept running."
else
    echo "FAILED: the installed program ended with status $status." >&2
    exit 1
fi
