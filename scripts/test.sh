#!/usr/bin/env bash
# Sets up, builds and runs every test.
#   scripts/test.sh             checked build (library and Qt assertions on) in build/checked
#   scripts/test.sh --sanitize  the same under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=checked
options=(-DCLAIMWRIGHT_CHECKED=ON)
if [[ "${1:-}" == "--sanitize" ]]; then
  flavour=sanitize
  options+=(-DCLAIMWRIGHT_SANITIZE=ON -DCLAIMWRIGHT_BENCH=OFF)
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi

./scripts/setup.sh
cmake -S . -B "build/$flavour" -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}" >/dev/null
cmake --build "build/$flavour"
ctest --test-dir "build/$flavour" --output-on-failure -j2
