#!/usr/bin/env bash
# The long run of the parsers' fuzz targets: a million inputs each, one target at a
# time (it takes a while; test.sh runs them only briefly).
set -euo pipefail
exec "$(dirname "$(readlink -f "$0")")/../fuzz/run.sh" -runs=1000000 "$@"
