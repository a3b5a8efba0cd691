#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, builds the host application
# against the installed package and runs it headless.
set -eu
build_dir=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work/prefix" > "$work/install.log"
for f in bin/corvane bin/corvane-gui include/Tessaro7/CorvaneGen7.h \
         share/applications/corvane-gui.desktop share/metainfo/example.tessaro7.corvane_gui.metainfo.xml \
         share/man/man1/corvane.1 share/man/man1/corvane-gui.1; do
    [ -e "$work/prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# lib/ or the multiarch lib/x86_64-linux-gnu/, as the build was configured.
find "$work/prefix" -path '*/cmake/Tessaro7/Tessaro7Config.cmake' | grep -q . ||
    { echo "missing after install: the CMake package"; exit 1; }
if [ -e "$build_dir/designer/libtessaro7_designer.so" ]; then
    find "$work/prefix" -path '*qt6/plugins/designer/libtessaro7_designer.so' | grep -q . ||
        { echo "missing after install: the Designer plugin"; exit 1; }
fi
cmake -S "$source_dir/tests/install/host" -B "$work/host" -DCMAKE_PREFIX_PATH="$work/prefix" > "$work/configure.log"
cmake --build "$work/host" > "$work/build.log"
QT_QPA_PLATFORM=offscreen "$work/host/host"
"$work/prefix/bin/corvane" --seed 1 Pick3 | wc -c | grep -qx 11000
