#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command of this project on a fresh Debian 12, as a new user's
# machine would: a minimal bookworm (debootstrap's minbase with
# ca-certificates, git and sudo) in a scratch folder, a clone of this
# repository's HEAD in it, and the command run there as root with nothing
# else installed. Needs root; installs debootstrap when missing.
#
#   sudo bash scripts/try-on-fresh-debian.sh bash scripts/test.sh
#   sudo bash scripts/try-on-fresh-debian.sh bash scripts/run.sh
#
# The pristine base and the packages apt downloads are kept in
# $FRESH_DEBIAN_CACHE (default /var/cache/triangle-fresh-debian) to save the
# next run the downloads; nothing installed in the chroot is kept. CI and
# TRIANGLE_* variables are passed in; npm inside trusts what the host trusts.
# With AS_USER=1 the command runs as a user who has sudo without a password,
# in a clone in that user's home, as the README's commands are meant for too.
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

cache=${FRESH_DEBIAN_CACHE:-/var/cache/triangle-fresh-debian}
base=$cache/bookworm-minbase.tar
mkdir -p "$cache/archives/partial"

root=$(mktemp -d /var/tmp/fresh-debian.XXXXXX)
mounts=(proc sys dev var/cache/apt/archives)

still_mounted() { grep -q " $root/" /proc/mounts; }
cleanup() {
    for ((i = ${#mounts[@]} - 1; i >= 0; --i)); do
        umount -R "$root/${mounts[i]}" 2>/dev/null || umount -Rl "$root/${mounts[i]}" 2>/dev/null || true
    done
    if [[ ${KEEP_ROOT:-0} == 1 ]]; then
        echo "kept $root"
    elif still_mounted; then
        # Never remove through a mount that is still there: it is the host's.
        echo "$0: $root still has mounts; left in place" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT

if [[ ! -s $base ]]; then
    echo "== debootstrap bookworm (minbase, ca-certificates, git, sudo), kept as $base"
    debootstrap --variant=minbase --include=ca-certificates,git,sudo \
        bookworm "$root" http://deb.debian.org/debian >"$root.debootstrap.log" 2>&1 \
        || { tail -20 "$root.debootstrap.log"; rm -f "$root.debootstrap.log"; exit 1; }
    rm -f "$root.debootstrap.log"
    tar -C "$root" -cf "$base.partial" . && mv "$base.partial" "$base"
else
    echo "== the pristine bookworm from $base"
    tar -C "$root" -xf "$base"
fi

# The new system's / , which mktemp made for root alone.
chmod 0755 "$root"
mount --rbind /proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The host's certificate authorities, for a network whose TLS they vouch for.
cp /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/host-ca-certificates.crt"
home=/root
if [[ ${AS_USER:-0} == 1 ]]; then
    home=/home/newcomer
    chroot "$root" useradd --create-home --shell /bin/bash newcomer
    echo 'newcomer ALL=(ALL) NOPASSWD:ALL' >"$root/etc/sudoers.d/newcomer"
fi
git clone -q . "$root$home/project"
[[ $home == /root ]] || chroot "$root" chown -R newcomer: "$home/project"

environment=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=$home LANG=C.UTF-8
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/host-ca-certificates.crt
    npm_config_cafile=/etc/ssl/certs/host-ca-certificates.crt)
while IFS='=' read -r name value; do
    [[ $name == CI || $name == TRIANGLE_* ]] && environment+=("$name=$value")
done < <(env)

echo "== $* (in a clone of $(git rev-parse --short HEAD); load $(cut -d' ' -f1-3 /proc/loadavg))"
start=$(date +%s)
status=0
as_user=()
[[ $home == /root ]] || as_user=(runuser -u newcomer --)
chroot "$root" "${as_user[@]}" /usr/bin/env -i "${environment[@]}" \
    bash -c 'cd ~/project && "$@"' bash "$@" || status=$?
echo "== exit status $status after $(($(date +%s) - start)) s (load $(cut -d' ' -f1-3 /proc/loadavg))"
exit "$status"
