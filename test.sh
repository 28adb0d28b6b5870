#!/usr/bin/env bash
# Installs what the build and the tests need, then builds and runs the whole test
# suite twice: a plain build (build-test/) and one with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/). A Firebird server runs on localhost
# for the tests that go through a server, and is stopped again at the end.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
. scripts/common.sh
. scripts/packages.sh
. scripts/firebird-lock.sh
. scripts/test-server.sh

zanderol_need_packages \
    cmake g++ make \
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-liberation \
    firebird3.0-server-core firebird3.0-utils firebird-dev firebird3.0-server \
    libgtest-dev poppler-utils xvfb xauth libqrencode-dev zbar-tools
zanderol_prepare_lock_dir
zanderol_rerun_in_firebird_group "$PWD/test.sh" "$@"

# The server runs as user firebird and the tests run as whoever runs this script:
# both must be able to create and remove databases here.
server_dir=/tmp/zanderol-server-tests

cleanup() {
    zanderol_stop_test_server
    zanderol_as_root rm -rf "$server_dir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

zanderol_as_root rm -rf "$server_dir"
zanderol_as_root install -d -m 0777 "$server_dir"
zanderol_start_test_server "$server_dir"

export ZANDEROL_TEST_SERVER=localhost
export ZANDEROL_TEST_SERVER_DIR=$server_dir

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

# Leak checking stays on for the program's own code; scripts/lsan.supp names the
# libraries whose allocations live until exit by design. The sanitizer's own record of
# dynamically allocated thread-local blocks (of the plugins the Firebird client loads)
# can hold garbage that crashes the leak check itself at exit; without that record the
# blocks are still found, and scanned, through the thread's own pointers to them.
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DZANDEROL_SANITIZE=ON

zanderol_say "all tests passed in both builds"
