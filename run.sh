#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds everything, then opens the host window with the control.
set -eu
cd "$(dirname "$0")"
tools/setup.sh build
exec ./build/corvane-gui "$@"
