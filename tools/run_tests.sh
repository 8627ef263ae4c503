#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: unit and
# whole-program tests on the headless platform, and end-to-end tests of the
# real program under Xvfb (each starts its own server).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install_dependencies.sh --tests
cmake -S . -B build -DXINGLAN_TESTS=ON -DXINGLAN_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 600
