#!/usr/bin/env bash
# Installs what is missing, builds the game twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
grawn2_install_packages

grawn2_build build
# The sanitizers check the game and its tests; the benchmarks measure only the plain build.
grawn2_build build-sanitize -DGRAWN2_SANITIZE=ON -DGRAWN2_BENCHMARKS=OFF

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
echo "== sanitized tests"
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
echo "== tests"
ctest --test-dir build --output-on-failure -j "$(nproc)"
