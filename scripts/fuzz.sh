#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, AddressSanitizer + UndefinedBehaviorSanitizer)
# in build/fuzz and runs each for a fixed time.
#   scripts/fuzz.sh [--seconds N] [target...]    default: 30 seconds for every target
# Each target's corpus grows in build/fuzz/corpus/<target>, seeded from tests/fixtures, so a
# later run goes on from it; an input that fails a check is kept in build/fuzz/findings/ and
# the script fails. Nothing is written into the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=30
targets=()
while (($#)); do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    -h|--help) sed -n '2,7p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done

# Per target: the fixtures that seed it, and the largest input worth trying.
declare -A seeds=(
  [fuzz_claim_file]="claim-*.ub4"
  [fuzz_preference_text]="preferences-*.cfg"
  [fuzz_ini_file]="*.ini"
  [fuzz_registry_text]="registry.txt"
  [fuzz_claims_workbook]="*.xlsx"
  [fuzz_version_texts]="version-check.txt installer-location.txt"
)
declare -A max_len=(
  [fuzz_claim_file]=16384
  [fuzz_preference_text]=4096
  [fuzz_ini_file]=4096
  [fuzz_registry_text]=4096
  [fuzz_claims_workbook]=65536
  [fuzz_version_texts]=512
)
if ((${#targets[@]} == 0)); then
  targets=(fuzz_claim_file fuzz_preference_text fuzz_ini_file fuzz_registry_text
           fuzz_claims_workbook fuzz_version_texts)
fi
for target in "${targets[@]}"; do
  [[ -n "${seeds[$target]:-}" ]] || { echo "fuzz: no target $target" >&2; exit 2; }
done

./scripts/setup.sh
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCLAIMWRIGHT_FUZZ=ON -DCLAIMWRIGHT_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

# The workbook target also takes the claims sheet and its strings as bare XML.
workbook_xml_seed() {
  /usr/bin/python3 - "$1" "$2" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = {n.lower(): n for n in z.namelist()}
    sheet = z.read(names["xl/worksheets/sheet1.xml"])
    strings = z.read(names["xl/sharedstrings.xml"]) if "xl/sharedstrings.xml" in names else b""
with open(sys.argv[2], "wb") as out:
    out.write(sheet + b"\0" + strings)
PY
}

# Allocation stacks, the fill of new memory and a large quarantine cost a quarter of the speed;
# run a target on a finding with the sanitizers' defaults to see the stacks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=8}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/findings"
failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  for pattern in ${seeds[$target]}; do
    for fixture in tests/fixtures/$pattern; do
      [[ -f "$fixture" ]] || continue
      cp "$fixture" "$corpus/seed-$(basename "$fixture")"
      if [[ "$target" == fuzz_claims_workbook ]]; then
        workbook_xml_seed "$fixture" "$corpus/seed-$(basename "$fixture").xml"
      fi
    done
  done
  log="$build/findings/$target.log"
  echo "fuzz: $target for ${seconds}s"
  if "$build/fuzz/$target" "$corpus" -dict="fuzz/dictionaries/$target.dict" \
      -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "fuzz: $target: $runs runs, $((runs / (time > 0 ? time : 1))) per second, nothing found"
  else
    echo "fuzz: $target FAILED; see $log and $build/findings/" >&2
    tail -n 40 "$log" >&2
    failed+=("$target")
  fi
done
((${#failed[@]} == 0)) || { echo "fuzz: findings in ${failed[*]}" >&2; exit 1; }
