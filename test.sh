#!/usr/bin/env bash
# Installs what the build and the tests need, then builds and runs the whole test
# suite twice: a plain build (build-test/) and one with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/). A private Firebird server runs on a
# loopback port of its own for the tests that go through a server, and is stopped
# again at the end.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
. scripts/common.sh
. scripts/packages.sh
. scripts/firebird-lock.sh
. scripts/test-server.sh
. scripts/package-check.sh

zanderol_need_packages \
    cmake g++ make \
    clang-14 libclang-rt-14-dev \
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-liberation \
    firebird3.0-server-core firebird3.0-utils firebird-dev firebird3.0-server qtkeychain-qt6-dev \
    libgtest-dev poppler-utils xvfb xauth libqrencode-dev libarchive-dev zbar-tools
zanderol_need_packages dpkg-dev lintian desktop-file-utils appstream # the package check
zanderol_prepare_lock_dir
zanderol_rerun_in_firebird_group "$PWD/test.sh" "$@"

# The tests that go through a server get a Firebird server of their own (port,
# configuration, security database, lock directory), stopped again at the end.
trap zanderol_stop_test_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
zanderol_start_test_server

# CI allows 90 minutes on 2 cores; the times show where they go.
build_and_test() { # build directory, cmake options...
    local dir=$1 start=$SECONDS
    shift
    zanderol_say "building $dir"
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" -j2
    zanderol_say "built $dir in $((SECONDS - start)) s; testing it"
    start=$SECONDS
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j2
    zanderol_say "tested $dir in $((SECONDS - start)) s"
}

build_and_test build-test -DCMAKE_BUILD_TYPE=Release
zanderol_check_package build-test

# Leak checking stays on for the program's own code; scripts/lsan.supp names the
# libraries whose allocations live until exit by design. The sanitizer's own record of
# dynamically allocated thread-local blocks (of the plugins the Firebird client loads)
# can hold garbage that crashes the leak check itself at exit; without that record the
# blocks are still found, and scanned, through the thread's own pointers to them.
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DZANDEROL_SANITIZE=ON

# The parsers of text from outside the program, under libFuzzer for a while each.
fuzz_start=$SECONDS
fuzz/run.sh -max_total_time=30
zanderol_say "fuzzed the parsers in $((SECONDS - fuzz_start)) s"

zanderol_say "all tests passed in both builds"
