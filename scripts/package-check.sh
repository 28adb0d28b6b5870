# shellcheck shell=bash
# The Debian package, tried as new users would: built with CPack in a finished build
# directory, checked by lintian, desktop-file-validate and appstreamcli, installed, and
# the installed /usr/bin/zanderol started headless by two ordinary accounts of the
# check's own, one after the other and both at the same time, each on a new database
# (and then the demo one) through the first-start window (ZANDEROL_FIRST_START makes the
# window's choice, see packaging/zanderol.1). All that with the Firebird server package
# as it is installed and again in the other state, since the server changes the engine's
# shared lock directory. Afterwards the package and the accounts go again and the server
# package is as it was. Sourced, not run.

zanderol_check_package() { # build directory
    local build=$1 deb
    (cd "$build" && cpack -G DEB >/dev/null) || zanderol_die "cpack could not build the package"
    deb=$(ls "$build"/zanderol_*_amd64.deb 2>/dev/null | head -n1)
    [ -n "$deb" ] || zanderol_die "cpack made no zanderol_<version>_amd64.deb in $build"
    zanderol_say "checking $deb"
    lintian --fail-on error "$deb" || zanderol_die "lintian found errors in $deb"
    desktop-file-validate packaging/example.tevalo.Zanderol.desktop || zanderol_die "the desktop entry does not validate"
    appstreamcli validate --no-net packaging/example.tevalo.Zanderol.metainfo.xml \
        || zanderol_die "the AppStream metadata does not validate"
    # apt installs what is recommended: the server would ask a one-desk install for a
    # SYSDBA password and run a network service nobody there needs.
    ! dpkg-deb -f "$deb" Depends Recommends | grep -q 'firebird3.0-server\b\($\|[^-]\)' \
        || zanderol_die "$deb depends on or recommends firebird3.0-server; an office that shares a database installs it"

    zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(readlink -f "$deb")" </dev/null
    local server_before=no
    zanderol_package_installed firebird3.0-server && server_before=yes
    local homes first=zcheck$$a second=zcheck$$b
    homes=$(zanderol_as_root mktemp -d /tmp/zanderol-accounts.XXXXXXXX)
    zanderol_check_runs=$(mktemp -d)
    # In a subshell, so that whatever fails there the accounts, the package and the
    # server package's state are put back.
    local result=0
    (zanderol_check_accounts "$homes" "$first" "$second" "$server_before") || result=$?
    local user
    for user in "$first" "$second"; do
        zanderol_as_root pkill -KILL -u "$user" 2>/dev/null || true
        if getent passwd "$user" >/dev/null; then
            zanderol_as_root rm -rf "/tmp/runtime-$user"
            zanderol_as_root userdel "$user" || zanderol_say "could not remove the account $user"
        fi
    done
    zanderol_as_root rm -rf "$homes"
    rm -rf "$zanderol_check_runs"
    zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q zanderol </dev/null >/dev/null
    if [ "$server_before" = yes ]; then
        zanderol_need_packages firebird3.0-server
    elif zanderol_package_installed firebird3.0-server; then
        zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q firebird3.0-server </dev/null >/dev/null
    fi
    [ "$result" -eq 0 ] || zanderol_die "the installed package did not start as new users' would"
    zanderol_say "the installed package started for two accounts, one after the other and at once, with and without the server"
}

zanderol_check_accounts() { # directory of the homes, first account, second account, server installed (yes/no)
    local homes=$1 first=$2 second=$3 server=$4 user
    [ ! -e /usr/bin/Zanderol.ini ] || zanderol_die "/usr/bin/Zanderol.ini exists: the first start would not come"
    zanderol_as_root chmod 755 "$homes"
    for user in "$first" "$second"; do
        zanderol_as_root useradd --create-home --home-dir "$homes/$user" --user-group --shell /bin/sh "$user" \
            || zanderol_die "could not create the account $user"
    done
    local state round
    for round in 1 2; do
        state=$([ "$server" = yes ] && echo "with" || echo "without")
        zanderol_say "starting the installed program as $first and $second $state firebird3.0-server"
        zanderol_start_installed "$first" "$state-1" NowaRb session
        zanderol_end_installed "$first" "$state-1" zanderol.fdb
        zanderol_start_installed "$second" "$state-1" NowaRb none
        zanderol_end_installed "$second" "$state-1" zanderol.fdb
        zanderol_start_installed "$first" "$state-2" DemoRb session
        zanderol_start_installed "$second" "$state-2" DemoRb none
        zanderol_end_installed "$first" "$state-2" demo.fdb
        zanderol_end_installed "$second" "$state-2" demo.fdb
        [ "$round" -eq 2 ] && break
        if [ "$server" = yes ]; then
            zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q firebird3.0-server </dev/null >/dev/null
            server=no
        else
            zanderol_need_packages firebird3.0-server
            server=yes
        fi
    done
    # The engine's shared lock directory is nobody's to take: the program keeps its locks
    # in the account's own runtime directory.
    for user in "$first" "$second"; do
        [ -z "$(zanderol_as_root find /tmp/firebird -user "$user" -print -quit 2>/dev/null)" ] \
            || zanderol_die "$user left files in /tmp/firebird, where they lock other accounts out"
    done
}

# One run of the installed program as the account, on configuration and data
# directories of the run's own, with a runtime directory of a login session or none
# (as under su or cron). Its output and process id go to $zanderol_check_runs.
zanderol_start_installed() { # account, run name, choice of the first-start window, session|none
    local user=$1 home run
    home=$(getent passwd "$user" | cut -d: -f6)
    run=$home/$2
    local runtime=()
    if [ "$4" = session ]; then
        zanderol_as_root runuser -u "$user" -- mkdir -p -m 700 "$run/runtime"
        runtime=("XDG_RUNTIME_DIR=$run/runtime")
    fi
    zanderol_as_root runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
        XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" "${runtime[@]}" \
        QT_QPA_PLATFORM=offscreen ZANDEROL_FIRST_START="$3" /usr/bin/zanderol \
        </dev/null >"$zanderol_check_runs/$user-$2.log" 2>&1 &
    echo $! >"$zanderol_check_runs/$user-$2.pid"
}

# A process that has not ended (an ended child stays a zombie until waited for).
zanderol_running() { # pid
    [ -r "/proc/$1/stat" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat")" != Z ]
}

# Waits until the run has named its database and still runs after that, ends it with
# SIGTERM and checks what the first start left.
zanderol_end_installed() { # account, run name, database file the choice makes
    local user=$1 home run pid ini database log ended=
    home=$(getent passwd "$user" | cut -d: -f6)
    run=$home/$2
    pid=$(cat "$zanderol_check_runs/$user-$2.pid")
    log=$zanderol_check_runs/$user-$2.log
    ini=$run/config/zanderol/Zanderol.ini
    database=$run/data/Zanderol/$3
    # The first start creates the database, which takes a few seconds.
    for _ in $(seq 1 90); do
        if zanderol_as_root test -e "$ini" && zanderol_as_root test -e "$database"; then break; fi
        zanderol_running "$pid" || break
        sleep 1
    done
    sleep 3
    if ! zanderol_running "$pid"; then
        wait "$pid" || true
        zanderol_die "the installed program ended on $user's first start ($2): $(cat "$log")"
    fi
    zanderol_as_root pkill -TERM -u "$user" -x zanderol
    wait "$pid" && ended=yes
    zanderol_as_root grep -qx "Plik=$database" "$ini" \
        || zanderol_die "$user's first start ($2) did not name $database in $ini: $(cat "$log")"
    zanderol_as_root test -s "$database" || zanderol_die "$user's first start ($2) made no database at $database"
    [ -n "$ended" ] || zanderol_die "the installed program did not end cleanly on SIGTERM ($user, $2): $(cat "$log")"
    # The end of the run went through the main window, which saved its position.
    zanderol_as_root grep -q '^Width=' "$run/config/Tevalo/Zanderol.ini" \
        || zanderol_die "the main window never came up for $user ($2): $(cat "$log")"
}
