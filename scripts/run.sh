#!/usr/bin/env bash
# Sets up, builds (Release) and starts Claimwright, passing on an optional claim file.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
args=()
for a in "$@"; do
  # The program is started from the project folder; keep relative claim paths meaningful.
  if [[ -e "$a" ]]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done
cd "$here"
./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target claimwright
exec build/release/bin/claimwright "${args[@]}"
