# shellcheck shell=bash
# A Firebird server on localhost for the tests that go through a server.
# Sourced, not run; needs common.sh. There is no service manager on CI, so the
# server is started directly and stopped again by the caller's trap.

ZANDEROL_SYSDBA_PASSWORD=quartzpen
ZANDEROL_SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb
ZANDEROL_SERVER_RUN_DIR=/run/firebird3.0
ZANDEROL_SERVER_PID_FILE=$ZANDEROL_SERVER_RUN_DIR/zanderol-test.pid
ZANDEROL_SERVER_STARTED=

zanderol_server_answers() {
    (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null
}

zanderol_wait_for_server() { # answers|silent seconds
    local want=$1 tries=$(($2 * 5))
    while [ "$tries" -gt 0 ]; do
        if zanderol_server_answers; then
            [ "$want" = answers ] && return 0
        else
            [ "$want" = silent ] && return 0
        fi
        sleep 0.2
        tries=$((tries - 1))
    done
    return 1
}

# Creates and drops a database through the server in the tests' directory: proves
# the password and that the server (user firebird) may write there.
zanderol_server_usable() { # directory password
    printf "create database 'localhost:%s/zanderol-probe.fdb' user 'SYSDBA' password '%s';\ndrop database;\n" \
        "$1" "$2" | isql-fb -q -b >/dev/null 2>&1
}

# Debian keeps the SYSDBA password in a root-only file for its maintenance scripts.
zanderol_record_password() {
    local file=/etc/firebird/3.0/SYSDBA.password
    zanderol_as_root test -f "$file" || return 0
    zanderol_as_root sed -i "s/^ *ISC_PASSWORD=.*/ISC_PASSWORD=\"$ZANDEROL_SYSDBA_PASSWORD\"/" "$file"
}

# Only while no server holds the security database: the embedded engine writes it directly.
zanderol_set_password_embedded() {
    printf "create or alter user SYSDBA password '%s' using plugin Srp;\n" "$ZANDEROL_SYSDBA_PASSWORD" \
        | zanderol_as_root isql-fb -q -b -user SYSDBA "$ZANDEROL_SECURITY_DB" \
        || zanderol_die "could not set the SYSDBA password in $ZANDEROL_SECURITY_DB"
    zanderol_record_password
}

# A server already running (the system's own service) keeps running; its SYSDBA
# password is changed through it with the password Debian recorded.
zanderol_adopt_running_server() { # directory
    zanderol_server_usable "$1" "$ZANDEROL_SYSDBA_PASSWORD" && return 0
    local old
    # shellcheck disable=SC2016 # expanded by the root shell that reads the file
    old=$(zanderol_as_root sh -c '. /etc/firebird/3.0/SYSDBA.password 2>/dev/null && printf %s "$ISC_PASSWORD"') || old=
    if [ -z "$old" ] || ! zanderol_server_usable "$1" "$old"; then
        zanderol_die "a Firebird server already runs on port 3050 but refuses SYSDBA/$ZANDEROL_SYSDBA_PASSWORD" \
                        "and the password in /etc/firebird/3.0/SYSDBA.password does not work either;" \
                        "stop it (sudo /etc/init.d/firebird3.0 stop) and run this again"
    fi
    printf "create database 'localhost:%s/zanderol-probe.fdb' user 'SYSDBA' password '%s';\ncreate or alter user SYSDBA password '%s' using plugin Srp;\ncommit;\ndrop database;\n" \
        "$1" "$old" "$ZANDEROL_SYSDBA_PASSWORD" | isql-fb -q -b >/dev/null \
        || zanderol_die "could not change the SYSDBA password through the running server"
    zanderol_record_password
}

zanderol_start_test_server() { # directory
    if zanderol_server_answers; then
        zanderol_say "a Firebird server already runs on localhost; the tests use it and it is left running"
        zanderol_adopt_running_server "$1"
        return 0
    fi
    zanderol_set_password_embedded
    zanderol_as_root install -d -o firebird -g firebird -m 0770 "$ZANDEROL_SERVER_RUN_DIR"
    zanderol_as_root rm -f "$ZANDEROL_SERVER_PID_FILE"
    # -onetime: when the server is stopped the guard ends too instead of restarting it.
    zanderol_as_root runuser -u firebird -- /usr/sbin/fbguard -daemon -onetime -pidfile "$ZANDEROL_SERVER_PID_FILE" \
        || zanderol_die "could not start the Firebird server"
    ZANDEROL_SERVER_STARTED=1
    zanderol_wait_for_server answers 30 || zanderol_die "the Firebird server did not answer on port 3050 within 30 s"
    zanderol_server_usable "$1" "$ZANDEROL_SYSDBA_PASSWORD" \
        || zanderol_die "the Firebird server cannot create a database in $1 as SYSDBA"
    zanderol_say "Firebird server started on localhost:3050"
}

zanderol_stop_test_server() {
    [ -n "$ZANDEROL_SERVER_STARTED" ] || return 0
    ZANDEROL_SERVER_STARTED=
    local pid
    pid=$(zanderol_as_root cat "$ZANDEROL_SERVER_PID_FILE" 2>/dev/null) || pid=
    if [ -n "$pid" ]; then
        zanderol_as_root kill "$pid" 2>/dev/null || true
    fi
    if zanderol_wait_for_server silent 30; then
        zanderol_say "Firebird server stopped"
    else
        zanderol_say "the Firebird server (pid ${pid:-unknown}) did not stop within 30 s"
    fi
}
