#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs (only the missing ones) and
# configures and builds into the given folder. Used by run.sh and test.sh.
# Usage: tools/setup.sh BUILD_DIR [extra cmake options]
set -eu
cd "$(dirname "$0")/.."
build_dir=$1
shift

packages="cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgmp-dev libcli11-dev
qt6-tools-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libqscintilla2-qt6-dev fonts-liberation xvfb xdotool
x11-apps x11-utils openbox wmctrl netpbm poppler-utils clang libclang-rt-14-dev locales strace acl"
missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
# The tests run once more under the German locale, whose decimal point is ",".
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the de_DE.UTF-8 locale"
    if ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo "de_DE.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
    $sudo locale-gen
fi

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build_dir" -j "$(nproc)"
