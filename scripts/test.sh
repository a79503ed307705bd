#!/usr/bin/env bash
# Installs, builds and runs every test.
#     scripts/test.sh              the normal build, in build/ (or $VORLAN_BUILD)
#     scripts/test.sh --sanitize   the same suite built with AddressSanitizer and
#                                  UndefinedBehaviorSanitizer, leaks checked, in
#                                  build-asan/ (or $VORLAN_ASAN_BUILD)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=false
case "${1:-}" in
    "") ;;
    --sanitize) sanitize=true ;;
    *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
esac
"$root/scripts/setup.sh"

if ! $sanitize; then
    "$root/scripts/build.sh"
    cd "${VORLAN_BUILD:-$root/build}"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    exit
fi

build=${VORLAN_ASAN_BUILD:-$root/build-asan}
VORLAN_BUILD="$build" "$root/scripts/build.sh" -DVORLAN_SANITIZE=ON
cd "$build"
# Every program the tests start inherits these, so they are checked too.
# intercept_tls_get_addr=0: with this glibc, the leak check at exit otherwise
# reads a bogus dynamic TLS range left by Qt's plugins and crashes its tracer.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:intercept_tls_get_addr=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
