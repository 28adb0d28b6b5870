# shellcheck shell=bash
# Installs the Debian packages that are not installed yet. Sourced, not run.

zanderol_package_installed() {
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

zanderol_need_packages() {
    local missing=() package
    for package in "$@"; do
        zanderol_package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    zanderol_say "installing ${missing[*]}"
    # Unattended, the server package gives the machine's SYSDBA a random password of
    # its own; the tests never use that server.
    zanderol_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    zanderol_as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold \
        "${missing[@]}" </dev/null
}
