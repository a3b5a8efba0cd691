#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test headless.
#   ./test.sh             the normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -eu
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-sanitize
    tools/setup.sh "$build_dir" -DTESSARO7_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # Qt's own libraries keep caches alive until exit; only our leaks count.
    export LSAN_OPTIONS=suppressions="$(pwd)/tools/lsan.supp"
else
    build_dir=build
    tools/setup.sh "$build_dir"
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
