#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets and runs each for a while on a copy of its seed
# corpus. Usage: tools/fuzz.sh [seconds-per-target]  (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: tools/fuzz.sh [seconds-per-target]" >&2
  exit 64
fi

tools/install-deps.sh --fuzz
cmake --preset fuzz
cmake --build --preset fuzz

targets=(get_abjad_fuzz name_list_fuzz list_command_fuzz)
bin=build/fuzz/fuzz
# Crash inputs and logs stay in the build tree for a look afterwards.
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=()
for t in "${targets[@]}"; do
  # A copy, so the run's new inputs don't grow the committed corpus.
  cp -r "fuzz/corpus/$t" "$work/$t"
  log="$artifacts/$t.log"
  status=0
  "$bin/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$t-" "$work/$t" >"$log" 2>&1 || status=$?
  done_line="$(grep -E '^Done [0-9]+ runs in' "$log" | tail -n1 || true)"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)"
  if [[ $status -ne 0 || -z "$done_line" ]]; then
    echo "FAIL $t (exit $status); log: $log"
    tail -n 40 "$log"
    failed+=("$t")
  else
    echo "ok   $t: ${done_line#Done }, ${rate:-?} exec/s, corpus $(ls "$work/$t" | wc -l) inputs"
  fi
done

if [[ ${#failed[@]} -ne 0 ]]; then
  echo "fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
