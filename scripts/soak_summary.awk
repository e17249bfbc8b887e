# The soak's figures from its samples (seconds, resident kB; one line each,
# in time order). The resident size swings by some megabytes with what the
# last frames drew (burning pibs above all), so each figure is a minute's
# mean: the first minute, the eleventh, the last; the growth an hour after
# the first ten minutes between those two, and as the least-squares trend of
# every sample since. A run too short for a figure says so instead.
# Usage: awk -f soak_summary.awk rss.csv
function mb(kb) { return sprintf("%.1f MB", kb / 1024) }
{ n++; t[n] = $1; v[n] = $2 }
$1 < 60 { first += $2; nfirst++ }
$1 >= 600 && $1 < 660 { eleventh += $2; neleventh++ }
$1 >= 600 { m++; sx += $1; sy += $2; sxx += $1 * $1; sxy += $1 * $2 }
END {
  if (n == 0) { print "no samples"; exit 1 }
  for (i = n; i > 0 && t[i] > t[n] - 60; i--) { last += v[i]; nlast++ }
  printf "resident size (a minute's mean): start %s, end (%d s) %s\n",
         nfirst ? mb(first / nfirst) : "none in the first minute", t[n], mb(last / nlast)
  # The last minute must lie wholly after the eleventh.
  if (!neleventh || t[n] < 720) {
    printf "resident size after 10 minutes, and the growth an hour since: needs a run of 12 minutes or more (this one: %d s)\n", t[n]
    exit 0
  }
  printf "resident size after 10 minutes: %s\n", mb(eleventh / neleventh)
  printf "growth an hour after the first 10 minutes: %.2f MB between those two, %.2f MB as the trend of %d samples\n",
         (last / nlast - eleventh / neleventh) / 1024 * 3600 / (t[n] - 30 - 630),
         (m * sxy - sx * sy) / (m * sxx - sx * sx) / 1024 * 3600, m
}
