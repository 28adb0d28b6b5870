#!/usr/bin/env bash
# Installs what the program needs, builds it (Release, build/), creates the demo
# database on first use, and starts Zanderol.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
. scripts/common.sh
. scripts/packages.sh
. scripts/firebird-lock.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    zanderol_say "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so Zanderol cannot open its window."
    zanderol_say "To run it without a screen, start it under a virtual X server: xvfb-run -a ./run.sh"
    zanderol_say "(xvfb-run comes with: sudo apt-get install xvfb xauth)"
    exit 1
fi

zanderol_need_packages \
    cmake g++ make \
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-liberation \
    firebird3.0-server-core firebird3.0-utils firebird-dev qtkeychain-qt6-dev libqrencode-dev libarchive-dev
zanderol_prepare_lock_dir
zanderol_rerun_in_firebird_group "$PWD/run.sh" "$@"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZANDEROL_TESTS=OFF
cmake --build build -j2 --target zanderol zanderol-newdb

database=${XDG_DATA_HOME:-$HOME/.local/share}/Zanderol/zanderol.fdb
if [ ! -e "$database" ]; then
    zanderol_say "creating the demo database $database"
    mkdir -p "$(dirname "$database")"
    # Built under another name first, so that a failed run leaves no half-made database behind.
    rm -f "$database.part"
    build/data/zanderol-newdb --demo "$database.part"
    mv "$database.part" "$database"
fi

# The program reads the database name from Zanderol.ini beside its executable.
# An existing file is the user's choice (it may name a server database) and is kept.
ini=build/app/Zanderol.ini
if [ -e "$ini" ]; then
    zanderol_say "keeping $ini: $(grep -m1 '^Plik=' "$ini" || echo 'no Plik= line')"
else
    printf '[Baza]\nPlik=%s\n' "$database" > "$ini"
fi

exec build/app/zanderol
