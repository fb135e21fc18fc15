#!/usr/bin/env bash
# Times the date parser through `dateparse.exe --batch --timing` over a mixed corpus and prints
# parses per second and microseconds per parse for each class of text. Figures only: nothing
# here is asserted. Run it inside the Wine environment:
#   BUILD_DIR=build WINE_STATE=/tmp/wine-bench scripts/with-wine.sh bench/dateparse/run.sh [repeats]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repeats=${1:-100}
build=${BUILD_DIR:-$here/../../build}
exe=${DATEPARSE_EXE:-$build/dateparse.exe}
[ -n "${WINEPREFIX:-}" ] || { echo "run.sh: start it through scripts/with-wine.sh" >&2; exit 2; }
[ -f "$exe" ] || { echo "run.sh: no $exe; build first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The written corpus, plus texts as long and as deeply nested as a date field can hold.
now="2005-11-23 10:30:00"
{
  grep -v '^#' "$here/corpus.tsv"
  for pattern in "1-" "1+" "1 days after " "1 till " "1 - 1 days after " "half past "; do
    awk -v p="$pattern" -v now="$now" 'BEGIN {
      s = ""; while (length(s) < 4095) s = s p
      printf "adversarial\t%s\t0\t0\t7\t%s\n", now, substr(s, 1, 4095) }'
  done
} >"$work/corpus"

for ((i = 0; i < repeats; i++)); do cat "$work/corpus"; done >"$work/batch"
cut -f1 "$work/batch" >"$work/classes"
cut -f2- "$work/batch" >"$work/input"

# Files, not pipes: a Wine process may hand its output handles on to helper processes.
"${WINELOADER:-wine}" "$exe" --batch --timing <"$work/input" >"$work/results" 2>"$work/times"
tr -d '\r' <"$work/results" | cut -d' ' -f1 >"$work/verdicts"
tr -d '\r' <"$work/times" | grep -v '^total' >"$work/micros" || true

lines=$(wc -l <"$work/batch")
if [ "$(wc -l <"$work/verdicts")" -ne "$lines" ] || [ "$(wc -l <"$work/micros")" -ne "$lines" ]; then
  echo "run.sh: dateparse.exe answered $(wc -l <"$work/verdicts") of $lines lines" >&2
  exit 1
fi

echo "dateparse.exe --batch, $repeats rounds of $(wc -l <"$work/corpus") texts ($lines parses)"
# The median beside the mean: on a machine shared with other work, a few parses that lose the
# processor pull the mean up, while the median stays with the typical parse.
paste "$work/classes" "$work/micros" | sort -t"$(printf '\t')" -k1,1 -k2,2g | awk -F'\t' '
  $1 != c { if (c != "") print c "\t" v[int((n + 1) / 2)]; c = $1; n = 0 }
  { v[++n] = $2 }
  END { if (c != "") print c "\t" v[int((n + 1) / 2)] }' >"$work/medians"
paste "$work/classes" "$work/verdicts" "$work/micros" | awk -F'\t' -v medians="$work/medians" '
  BEGIN { while ((getline line < medians) > 0) { split(line, f, "\t"); med[f[1]] = f[2] } }
  { n[$1]++; us[$1] += $3; v[$1, $2]++; total++; all += $3
    if (!($1 in seen)) { seen[$1] = 1; order[++k] = $1 } }
  END {
    printf "%-12s %8s %11s %10s %10s %6s %8s %6s\n", "class", "parses", "parses/s", "us/parse", "median us", "OK", "INVALID", "FAIL"
    for (i = 1; i <= k; i++) {
      c = order[i]
      printf "%-12s %8d %11.0f %10.1f %10.1f %6d %8d %6d\n", c, n[c], n[c] / (us[c] / 1e6), us[c] / n[c],
             med[c], v[c, "OK"], v[c, "INVALID"], v[c, "FAIL"]
    }
    printf "%-12s %8d %11.0f %10.1f\n", "all", total, total / (all / 1e6), all / total
  }'
