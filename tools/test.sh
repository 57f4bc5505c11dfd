#!/usr/bin/env bash
# Builds and runs every test: the core's unit tests natively, the same with
# the sanitizers, then the Windows program, its platform tests and the
# end-to-end runs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --workflow --preset native
cmake --workflow --preset sanitize
cmake --workflow --preset windows
