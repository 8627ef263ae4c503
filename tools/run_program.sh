#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install_dependencies.sh
cmake -S . -B build -DXINGLAN_TESTS=OFF -DXINGLAN_BENCH=OFF >/dev/null
cmake --build build --target xinglan -j "$(nproc)"
exec ./build/xinglan
