#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages from a copy of the tree, checks them with lintian,
# installs them, embeds the control through the installed -dev package, runs
# the runner, then purges them and checks that nothing of them is left.
# The packages land in build-deb/. The suite runs in ./test.sh, so the package
# build skips it unless DEB_BUILD_OPTIONS says otherwise.
set -eu
cd "$(dirname "$0")/.."
source_dir=$(pwd)
out="$source_dir/build-deb"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
apt_get() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -qq --no-install-recommends "$@"; }
started=$(date +%s)
step() { echo "== $1 ($(($(date +%s) - started)) s)"; }

step "build dependencies and checkers"
for tool in dpkg-checkbuilddeps:dpkg-dev lintian:lintian appstreamcli:appstream; do
    command -v "${tool%%:*}" > /dev/null || tools="${tools:-} ${tool#*:}"
done
if [ -n "${tools:-}" ] || ! dpkg-checkbuilddeps 2> /dev/null; then
    apt_get update
    apt_get install ${tools:-} dpkg-dev
    apt_get build-dep ./
fi

step "packages"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tessaro7"
tar --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude='./fuzz-out' -cf - . |
    tar -C "$work/tessaro7" -xf -
rm -rf "$out"
mkdir "$out"
(cd "$work/tessaro7" &&
    DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-"nocheck parallel=$(nproc)"} \
    dpkg-buildpackage -us -uc -b > "$out/build.log" 2>&1) || { tail -n 60 "$out/build.log"; exit 1; }
mv "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out"
ls "$out"

step "lintian"
# The .changes lists every package, so this checks each of them and the list.
lintian --fail-on error,warning "$out"/*.changes

step "install"
packages=$(for deb in "$out"/*.deb; do dpkg-deb -f "$deb" Package; done)
# A failed check still leaves the machine without the packages.
trap 'apt_get purge $packages > /dev/null; rm -rf "$work"' EXIT
apt_get install "$out"/*.deb
appstreamcli validate --no-net /usr/share/metainfo/example.tessaro7.corvane_gui.metainfo.xml
corvane --help > "$work/help"
head -n 3 "$work/help"
cmake -S tests/install/host -B "$work/host" > "$work/host.log"
cmake --build "$work/host" >> "$work/host.log"
XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen "$work/host/host"

step "purge"
apt_get purge $packages
trap 'rm -rf "$work"' EXIT
for deb in "$out"/*.deb; do
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }'
done > "$work/files"
left=$(while read -r file; do [ ! -e "$file" ] && [ ! -L "$file" ] || echo "$file"; done < "$work/files")
[ -z "$left" ] || { echo "left after purge:"; echo "$left"; exit 1; }
for package in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2> /dev/null || true)
    [ -z "$status" ] || [ "$status" = not-installed ] || { echo "$package is $status"; exit 1; }
done
step "done"
