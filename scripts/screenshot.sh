#!/usr/bin/env bash
# Takes the pictures in docs/: the main window on a demo database (screenshot.png)
# and every window its menu and buttons open (<window class>.png), painted on a
# virtual X server (xvfb-run from packages xvfb and xauth) and grabbed by the
# program's own widgets. BUILD_DIR picks the build directory (default build/).
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
. scripts/common.sh
. scripts/packages.sh

zanderol_need_packages xvfb xauth fonts-liberation

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZANDEROL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zanderol-newdb zanderol-screenshot

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/data/zanderol-newdb" --demo "$work/demo.fdb"

mkdir -p docs
xvfb-run -a -s "-screen 0 1024x768x24" \
    env QT_QPA_PLATFORM=xcb LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8 "$build/app/zanderol-screenshot" "$work/demo.fdb" docs
zanderol_say "wrote the pictures in docs/"
