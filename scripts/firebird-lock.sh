# shellcheck shell=bash
# The Firebird engine keeps its lock files in /tmp/firebird. The server (user firebird)
# and every embedded engine (inside the program or a test, running as its user) share
# them, so each must be able to read and write what the others created.
# The engine creates these files with mode 0660, so sharing goes through the group
# firebird: the directory carries it (setgid) and the user is a member.
# Sourced, not run.

ZANDEROL_LOCK_DIR=/tmp/firebird

zanderol_in_group() { # user group
    id -nG "$1" | tr ' ' '\n' | grep -qx "$2"
}

zanderol_lock_dir_ready() {
    [ "$(stat -c '%U:%G %a' "$ZANDEROL_LOCK_DIR" 2>/dev/null)" = "firebird:firebird 2770" ] || return 1
    # Files left by an engine run before this set-up (a root run, or one whose
    # primary group was not firebird) would lock the other side out.
    local stray
    stray=$(find "$ZANDEROL_LOCK_DIR" -mindepth 1 \( ! -group firebird -o ! -perm -g=rw \) -print -quit 2>/dev/null) || return 1
    [ -z "$stray" ]
}

zanderol_prepare_lock_dir() {
    # Without the server package there is no user firebird and no one to share
    # with: the embedded engine creates the directory for itself.
    getent passwd firebird >/dev/null || return 0

    if ! zanderol_lock_dir_ready; then
        zanderol_say "making $ZANDEROL_LOCK_DIR shared by the Firebird server and the embedded engine (group firebird)"
        zanderol_as_root install -d -o firebird -g firebird -m 2770 "$ZANDEROL_LOCK_DIR"
        zanderol_as_root chmod 2770 "$ZANDEROL_LOCK_DIR"
        zanderol_as_root find "$ZANDEROL_LOCK_DIR" -mindepth 1 -exec chgrp firebird {} + -exec chmod g+rw {} +
    fi

    # systemd recreates the directory at boot from the package's tmpfiles entry,
    # which lacks the setgid bit.
    local tmpfiles=/etc/tmpfiles.d/firebird3.0.conf
    local entry="d $ZANDEROL_LOCK_DIR 2770 firebird firebird -"
    if [ -e /usr/lib/tmpfiles.d/firebird3.0.conf ] && [ "$(cat "$tmpfiles" 2>/dev/null)" != "$entry" ]; then
        printf '%s\n' "$entry" | zanderol_as_root tee "$tmpfiles" >/dev/null
    fi

    zanderol_is_root && return 0
    local user
    user=$(id -un)
    if ! zanderol_in_group "$user" firebird; then
        zanderol_say "adding $user to group firebird (takes full effect at the next login)"
        zanderol_as_root usermod -aG firebird "$user"
    fi
}

# Runs the calling script again with group firebird when this login session does
# not have it yet (just added above). Call as: zanderol_rerun_in_firebird_group "$0" "$@"
zanderol_rerun_in_firebird_group() {
    zanderol_is_root && return 0
    getent group firebird >/dev/null || return 0
    id -nG | tr ' ' '\n' | grep -qx firebird && return 0
    [ -z "${ZANDEROL_UNDER_SG:-}" ] || zanderol_die "could not gain group firebird; log in again and retry"
    zanderol_say "continuing with group firebird (through sg) until you log in again"
    export ZANDEROL_UNDER_SG=1
    exec sg firebird -c "$(printf '%q ' "$@")"
}
