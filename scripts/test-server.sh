#!/usr/bin/env bash
# shellcheck shell=bash
# A Firebird server of the tests' own: its own port, configuration, security database,
# lock and temporary directories, all in one temporary directory that goes when it
# stops. The machine's own server, its configuration and its security database are
# never read or changed, and two runs at once each have their own.
#
# Sourced (by test.sh), or run as
#     scripts/test-server.sh run COMMAND [ARGUMENT...]
# which starts a server, runs the command with the variables below and stops it again.
#
# The tests learn the server from the environment:
#   ZANDEROL_TEST_SERVER           host/port to put in front of a database path
#   ZANDEROL_TEST_SERVER_DIR       a directory where the server creates databases
#   ZANDEROL_TEST_SERVER_PASSWORD  SYSDBA's password in this server's security database
#   ZANDEROL_TEST_SERVER_REQUIRED  1: a test that needs the server fails without it

ZANDEROL_FIREBIRD_SERVER=/usr/sbin/firebird
ZANDEROL_FIREBIRD_LIB=/usr/lib/x86_64-linux-gnu/firebird/3.0
ZANDEROL_TEST_SERVER_ROOT=
ZANDEROL_TEST_SERVER_PID=

# The listening socket on the port is this server's own, not one another run started
# on the same port a moment earlier.
zanderol_server_listens() { # pid port
    local port inode
    port=$(printf '%04X' "$2")
    for inode in $(awk -v port=":$port" '$4 == "0A" && substr($2, length($2) - 4) == port { print $10 }' /proc/net/tcp); do
        [ -n "$(find "/proc/$1/fd" -lname "socket:\[$inode\]" -print -quit 2>/dev/null)" ] && return 0
    done
    return 1
}

# Runs a command with the private instance's configuration: the engine reads
# firebird.conf, databases.conf and plugins.conf from $FIREBIRD and keeps its locks in
# $FIREBIRD_LOCK.
zanderol_in_test_server() { # command...
    FIREBIRD="$ZANDEROL_TEST_SERVER_ROOT/root" FIREBIRD_LOCK="$ZANDEROL_TEST_SERVER_ROOT/lock" \
        FIREBIRD_TMP="$ZANDEROL_TEST_SERVER_ROOT/tmp" "$@"
}

zanderol_write_test_server_config() { # port
    local root=$ZANDEROL_TEST_SERVER_ROOT/root
    cat >"$root/firebird.conf" <<EOF
RemoteServicePort = $1
RemoteBindAddress = 127.0.0.1
IPv6V6Only = 1
SecurityDatabase = $root/security3.fdb
TempDirectories = $ZANDEROL_TEST_SERVER_ROOT/tmp
EOF
}

# A security database of its own, made from the engine's script, with the tests'
# SYSDBA password. The embedded engine writes it while no server holds it; the user
# manager changes the SecurityDatabase that firebird.conf names, i.e. this one.
zanderol_create_security_db() {
    local db=$ZANDEROL_TEST_SERVER_ROOT/root/security3.fdb
    printf "create database '%s';\n" "$db" | zanderol_in_test_server isql-fb -q -b >/dev/null &&
        zanderol_in_test_server isql-fb -q -b -i /usr/share/firebird/3.0/security.sql "$db" >/dev/null &&
        printf "create or alter user SYSDBA password '%s' using plugin Srp;\ncommit;\n" "$ZANDEROL_TEST_SERVER_PASSWORD" |
        zanderol_in_test_server isql-fb -q -b -user SYSDBA "$db" >/dev/null
}

zanderol_stop_test_server() {
    local pid=$ZANDEROL_TEST_SERVER_PID tries=150
    ZANDEROL_TEST_SERVER_PID=
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        while kill -0 "$pid" 2>/dev/null && [ "$tries" -gt 0 ]; do
            sleep 0.2
            tries=$((tries - 1))
        done
        if kill -0 "$pid" 2>/dev/null; then
            # It ends at once after the last database closes; one still open can keep it
            # waiting. Nothing in it outlives the run.
            zanderol_say "the tests' Firebird server (pid $pid) did not stop within 30 s; killing it"
            kill -KILL "$pid" 2>/dev/null || true
        fi
        wait "$pid" 2>/dev/null || true
    fi
    if [ -n "$ZANDEROL_TEST_SERVER_ROOT" ]; then
        rm -rf "$ZANDEROL_TEST_SERVER_ROOT"
        ZANDEROL_TEST_SERVER_ROOT=
    fi
}

# Starts the server on a free port and exports the variables the tests read.
zanderol_start_test_server() {
    [ -x "$ZANDEROL_FIREBIRD_SERVER" ] || zanderol_die "$ZANDEROL_FIREBIRD_SERVER is missing (package firebird3.0-server)"
    ZANDEROL_TEST_SERVER_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/zanderol-server.XXXXXXXX") ||
        zanderol_die "could not create a directory for the tests' Firebird server"
    local base=$ZANDEROL_TEST_SERVER_ROOT
    mkdir "$base/root" "$base/lock" "$base/tmp" "$base/data"
    mkdir "$base/root/intl"
    # The engine reads the character sets' configuration from its own directory, which
    # names the module under $FIREBIRD; a module reached through a symbolic link is
    # refused, so it is a copy.
    ln -s "$ZANDEROL_FIREBIRD_LIB/firebird.msg" "$ZANDEROL_FIREBIRD_LIB/plugins.conf" "$base/root/"
    cp "$ZANDEROL_FIREBIRD_LIB/intl/libfbintl.so" "$base/root/intl/"
    printf 'security.db = %s/root/security3.fdb\n{\n\tRemoteAccess = false\n}\n' "$base" >"$base/root/databases.conf"
    # SYSDBA's password is this server's own: were it the program's built-in one, a
    # part of the program that fell back on the built-in login would pass every test.
    ZANDEROL_TEST_SERVER_PASSWORD=${ZANDEROL_TEST_SERVER_PASSWORD:-"t$(od -An -N8 -tx1 /dev/urandom | tr -d ' \n')"}
    [ "$ZANDEROL_TEST_SERVER_PASSWORD" != quartzpen ] ||
        zanderol_die "the tests' server must not have the program's built-in SYSDBA password"
    zanderol_write_test_server_config 3050
    zanderol_create_security_db || zanderol_die "could not create the tests' security database in $base/root"

    local attempt port tries
    for attempt in 1 2 3 4 5; do
        port=$((20000 + RANDOM % 40000))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && continue
        zanderol_write_test_server_config "$port"
        # A simple command, not the function: $! must be the server itself.
        FIREBIRD="$base/root" FIREBIRD_LOCK="$base/lock" FIREBIRD_TMP="$base/tmp" \
            "$ZANDEROL_FIREBIRD_SERVER" </dev/null >"$base/server.out" 2>&1 &
        ZANDEROL_TEST_SERVER_PID=$!
        tries=150
        while kill -0 "$ZANDEROL_TEST_SERVER_PID" 2>/dev/null && [ "$tries" -gt 0 ]; do
            if zanderol_server_listens "$ZANDEROL_TEST_SERVER_PID" "$port"; then
                export ZANDEROL_TEST_SERVER="localhost/$port"
                export ZANDEROL_TEST_SERVER_DIR="$base/data"
                export ZANDEROL_TEST_SERVER_PASSWORD
                export ZANDEROL_TEST_SERVER_REQUIRED=1
                zanderol_say "the tests' Firebird server runs on $ZANDEROL_TEST_SERVER (in $base)"
                return 0
            fi
            sleep 0.2
            tries=$((tries - 1))
        done
        # Another run took the port first, or the server did not come up: try another.
        local pid=$ZANDEROL_TEST_SERVER_PID
        ZANDEROL_TEST_SERVER_PID=
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    zanderol_die "the tests' Firebird server did not start (see $base/server.out)"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    . "$(dirname "$(readlink -f "$0")")/common.sh"
    [ "${1:-}" = run ] && [ $# -ge 2 ] || zanderol_die "usage: $0 run COMMAND [ARGUMENT...]"
    shift
    trap zanderol_stop_test_server EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    zanderol_start_test_server
    status=0
    "$@" || status=$?
    exit "$status"
fi
