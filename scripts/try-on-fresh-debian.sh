#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command of this project on a fresh Debian 12, as a new user's
# machine would: a minimal bookworm made by debootstrap in a scratch folder,
# a clone of this repository's HEAD in it, and the command run there as root
# with nothing else installed. Needs root; installs debootstrap when missing.
#
#   sudo bash scripts/try-on-fresh-debian.sh bash scripts/build-web.sh
#   sudo bash scripts/try-on-fresh-debian.sh bash scripts/run.sh
#
# Prints the command's output and how long it took; the scratch folder is
# removed afterwards unless KEEP_ROOT=1.
set -euo pipefail
cd "$(dirname "$0")/.."
if (($# == 0)); then
    echo "usage: $0 COMMAND [ARGUMENT ...]" >&2
    exit 2
fi
if ((EUID != 0)); then
    echo "$0: needs root (debootstrap and chroot)" >&2
    exit 2
fi
command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
root=$(mktemp -d /var/tmp/fresh-debian.XXXXXX)
cleanup() {
    for mounted in sys dev proc; do
        umount "$root/$mounted" 2>/dev/null || true
    done
    if [[ ${KEEP_ROOT:-0} != 1 ]]; then rm -rf "$root"; else echo "kept $root"; fi
}
trap cleanup EXIT

echo "== debootstrap bookworm into $root"
debootstrap bookworm "$root" http://deb.debian.org/debian >"$root.debootstrap.log" 2>&1 \
    || { tail -20 "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
for mounted in proc dev sys; do
    mount --bind "/$mounted" "$root/$mounted"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q . "$root/root/project"

echo "== $* (in a clone of $(git rev-parse --short HEAD))"
start=$(date +%s)
status=0
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    bash -c 'cd /root/project && "$@"' bash "$@" || status=$?
echo "== exit status $status after $(($(date +%s) - start)) s"
exit "$status"
