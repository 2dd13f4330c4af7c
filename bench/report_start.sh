#!/usr/bin/env bash
# How long meterly-report takes from process start to exit on a usage database of ten years, 24
# hours a day, five users (438 000 rows). Target: under 20 ms a run for the everyday reports.
# Usage: bench/report_start.sh [release-build-folder]
#   The folder is configured with -DCMAKE_BUILD_TYPE=Release -DMETERLY_BENCH=ON and has the
#   targets meterly-report and make_usage_database built.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}
report=$build/src/app/meterly-report
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_usage_database" "$work/Meterly.db"
echo "database: $(du -h "$work/Meterly.db" | cut -f1), $(sqlite3 "$work/Meterly.db" 'SELECT COUNT(*) FROM usage') rows"

# The default settings, not the ones of whoever runs this.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
db=$work/Meterly.db
today=$(date +%F)
month_ago=$(date -d '-30 days' +%F)
hyperfine --shell=none --warmup 3 --runs 30 --export-markdown "$work/times.md" \
  --command-name 'process start (--version)' "$report --version" \
  --command-name 'daily, one user, 10 years' "$report daily --user user1 -d $db" \
  --command-name 'custom, all users, last 31 days' "$report custom --from $month_ago --to $today -d $db" \
  --command-name 'hourly, all users, today' "$report hourly --from $today -d $db" \
  --command-name 'openmetrics, all users' "$report --format openmetrics -d $db" \
  --command-name 'monthly, all users, 10 years' "$report monthly -d $db" \
  --command-name 'daily, all users, 10 years, json' "$report daily --format json -d $db" >/dev/null
cat "$work/times.md"
