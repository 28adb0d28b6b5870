# shellcheck shell=bash
# Shared by run.sh and test.sh: messages and running a command with root rights.
# Sourced, not run.

zanderol_say() {
    printf '%s: %s\n' "${0##*/}" "$*" >&2
}

zanderol_die() {
    zanderol_say "$*"
    exit 1
}

zanderol_is_root() {
    [ "$(id -u)" -eq 0 ]
}

# CI runs as root on a machine without sudo; a developer runs as themselves with sudo.
zanderol_as_root() {
    if zanderol_is_root; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        zanderol_die "this step needs root rights and sudo is not installed: run as root, or install sudo"
    fi
}
