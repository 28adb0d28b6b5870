# shellcheck shell=bash
# The Debian package, tried as a new user would: built with CPack in a finished build
# directory, checked by lintian, desktop-file-validate and appstreamcli, installed, the
# installed /usr/bin/zanderol started headless on a new database through the first-start
# window (ZANDEROL_FIRST_START makes the window's choice, see packaging/zanderol.1), and
# removed again. The run has a home of its own, so the machine's settings stay untouched.
# Sourced, not run.

zanderol_check_package() { # build directory
    local build=$1 deb home pid ini database ended=
    (cd "$build" && cpack -G DEB >/dev/null) || zanderol_die "cpack could not build the package"
    deb=$(ls "$build"/zanderol_*_amd64.deb 2>/dev/null | head -n1)
    [ -n "$deb" ] || zanderol_die "cpack made no zanderol_<version>_amd64.deb in $build"
    zanderol_say "checking $deb"
    lintian --fail-on error "$deb" || zanderol_die "lintian found errors in $deb"
    desktop-file-validate packaging/example.tevalo.Zanderol.desktop || zanderol_die "the desktop entry does not validate"
    appstreamcli validate --no-net packaging/example.tevalo.Zanderol.metainfo.xml \
        || zanderol_die "the AppStream metadata does not validate"

    zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(readlink -f "$deb")" </dev/null
    home=$(mktemp -d)
    # In a subshell, so that whatever fails there the package and the home go again.
    local result=0
    (zanderol_run_installed "$home") || result=$?
    zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q zanderol </dev/null >/dev/null
    rm -rf "$home"
    [ "$result" -eq 0 ] || zanderol_die "the installed package did not start as a new user's would"
    zanderol_say "the installed package started on a new database through the first-start window"
}

zanderol_run_installed() { # home directory of the run
    local home=$1 pid ini database ended=
    [ ! -e /usr/bin/Zanderol.ini ] || zanderol_die "/usr/bin/Zanderol.ini exists: the first start would not come"
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen ZANDEROL_FIRST_START=NowaRb /usr/bin/zanderol </dev/null &
    pid=$!
    ini=$home/config/zanderol/Zanderol.ini
    database=$home/data/Zanderol/zanderol.fdb
    # Up when the choice is written and the program still runs after it; the first
    # start creates the database, which takes a few seconds.
    for _ in $(seq 1 60); do
        if [ -e "$ini" ] && [ -e "$database" ]; then break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 1
    done
    sleep 3
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" || true
        zanderol_die "the installed program ended on its first start"
    fi
    kill -TERM "$pid"
    wait "$pid" && ended=yes
    grep -qx "Plik=$database" "$ini" || zanderol_die "the first start did not name $database in $ini"
    [ -s "$database" ] || zanderol_die "the first start made no database at $database"
    [ -n "$ended" ] || zanderol_die "the installed program did not end cleanly on SIGTERM"
    # The end of the run went through the main window, which saved its position.
    grep -q '^Width=' "$home/config/Tevalo/Zanderol.ini" || zanderol_die "the main window never came up"
}
