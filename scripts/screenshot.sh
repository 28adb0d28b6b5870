#!/usr/bin/env bash
# Takes the pictures in docs/: the main window on a demo database (screenshot.png)
# and every window its menu and buttons open (<window class>.png), painted on a
# virtual X server (xvfb-run from packages xvfb and xauth) and grabbed by the
# program's own widgets. BUILD_DIR picks the build directory (default build/).
#
# The pictures show paths (the first start's database, the file choosers' folders),
# so they are taken as an ordinary user: run by root, as user nobody with the home
# /home/anna, made in a mount namespace of the script's own (the machine's /home is
# not touched).
set -euo pipefail
self=$(readlink -f "$0")
cd "$(dirname "$self")/.."
. scripts/common.sh

# Internal steps: the pictures into a directory, as the user running it.
if [ "${1-}" = --take ]; then
    build=$2 out=$3
    mkdir -p "$out"
    "$build/data/zanderol-newdb" --demo "$out/demo.fdb"
    xvfb-run -a -s "-screen 0 1024x768x24" \
        env QT_QPA_PLATFORM=xcb LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8 "$build/app/zanderol-screenshot" "$out/demo.fdb" "$out"
    exit
fi
# Root, in its own mount namespace: a home for anna, the pictures taken there as nobody.
if [ "${1-}" = --as-anna ]; then
    build=$(readlink -f "$2")
    mount -t tmpfs -o mode=0755 tmpfs /home
    home=/home/anna
    mkdir -p "$home"
    chown nobody:nogroup "$home"
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env HOME="$home" USER=anna LOGNAME=anna FIREBIRD_LOCK="$home/.firebird" "$self" --take "$build" "$home/.obrazy"
    cp "$home"/.obrazy/*.png docs/
    exit
fi

. scripts/packages.sh
zanderol_need_packages xvfb xauth fonts-liberation

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZANDEROL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zanderol-newdb zanderol-screenshot

mkdir -p docs
if zanderol_is_root; then
    unshare --mount --propagation private "$self" --as-anna "$build"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    "$self" --take "$build" "$work"
    cp "$work"/*.png docs/
fi
zanderol_say "wrote the pictures in docs/"
