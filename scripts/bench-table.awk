# Prints the benchmark table: each figure (the median over the runs) against its target.
# Input: the CSV files that the *_bench executables wrote with --benchmark_out.
BEGIN { FS = "," }

function unquote(text) { gsub(/"/, "", text); return text }
function to_ms(value, unit) {
  if (unit == "ns") return value / 1e6
  if (unit == "us") return value / 1e3
  if (unit == "s") return value * 1e3
  return value
}

# Google Benchmark puts its context lines first; the table starts at its header.
FNR == 1 { in_table = 0 }
$1 == "name" {
  delete column
  for (i = 1; i <= NF; i++) column[unquote($i)] = i
  in_table = 1
  next
}

in_table {
  name = unquote($1)
  base = name; sub(/\/.*/, "", base)
  if (column["error_occurred"] && $(column["error_occurred"]) == "true") {
    failure[base] = unquote($(column["error_message"]))
    next
  }
  if (name !~ /_median$/) next
  time_ms[base] = to_ms($(column["real_time"]), $(column["time_unit"]))
  if (column["rss_MB"] && $(column["rss_MB"]) != "") rss_mb[base] = $(column["rss_MB"])
  if (column["game_cpu_ms"] && $(column["game_cpu_ms"]) != "") cpu_ms[base] = $(column["game_cpu_ms"])
  if (column["ProcessorMs"] && $(column["ProcessorMs"]) != "") processor_ms[base] = $(column["ProcessorMs"])
  if (column["WindowBusyMs"] && $(column["WindowBusyMs"]) != "") window_busy_ms[base] = $(column["WindowBusyMs"])
}

function median_note(base) { return (base in time_ms) ? sprintf("median shuffle %.3f ms", time_ms[base]) : "" }
function cpu_note(base) { return (base in cpu_ms) ? sprintf("game's own CPU time %.0f ms", cpu_ms[base]) : "" }
function processor_note(base, platform) {
  return (base in processor_ms) ? sprintf("%s, processor time %.1f ms", platform, processor_ms[base]) : platform
}

function resize_note(base, platform) {
  return (base in time_ms) ? sprintf("%s, resize redrawn in %.1f ms", platform, time_ms[base]) : platform
}

function row(measure, base, figure, unit, target, decimals, note,   shown, verdict) {
  if (base in failure) { shown = "-"; verdict = "failed: " failure[base] }
  else if (figure == "") { shown = "-"; verdict = "not run" }
  else {
    shown = sprintf("%." decimals "f %s", figure, unit)
    verdict = figure + 0 < target ? "met" : "MISSED"
  }
  printf "| %-50s | %12s | %9s | %-7s | %s |\n", measure, shown, "< " target " " unit, verdict, note
}

END {
  print ""
  print "=== Benchmarks against their targets (medians)"
  printf "| %-50s | %12s | %9s | %-7s | %s |\n", "Measure", "Figure", "Target", "Verdict", "Note"
  printf "|%s|%s|%s|%s|%s|\n", "----------------------------------------------------", "--------------", "-----------", "---------", "------"
  row("One deal built in the core", "BM_GameCreate", time_ms["BM_GameCreate"], "ms", 1, 3)
  row("Shuffle of a stuck position, worst of 1,000", "BM_ShuffleFaces_Worst", time_ms["BM_ShuffleFaces_Worst"], "ms", 50, 2, median_note("BM_ShuffleFaces_Median"))
  row("New Game to the drawn board, progress window incl.", "NewGame", time_ms["NewGame"], "ms", 60, 1, "offscreen")
  row("New Game to the drawn board, on Xvfb", "NewGame_xcb", time_ms["NewGame_xcb"], "ms", 60, 1, "for comparison")
  row("Process start to first painted board, offscreen", "StartupOffscreen", time_ms["StartupOffscreen"], "ms", 300, 0, cpu_note("StartupOffscreen"))
  row("Process start to first painted board, Xvfb", "StartupXvfb", time_ms["StartupXvfb"], "ms", 300, 0, cpu_note("StartupXvfb"))
  row("Resident memory after start-up, offscreen", "StartupOffscreen", rss_mb["StartupOffscreen"], "MiB", 40, 1)
  row("Resident memory after start-up, Xvfb", "StartupXvfb", rss_mb["StartupXvfb"], "MiB", 40, 1)
  row("Tile click handled and redrawn", "TileClick", time_ms["TileClick"], "ms", 2, 3, "offscreen")
  row("Tile click handled and redrawn, on Xvfb", "TileClick_xcb", time_ms["TileClick_xcb"], "ms", 2, 3, "for comparison")
  row("SoundStart of a .wav event, first in the run", "SoundStartWaveFirst", time_ms["SoundStartWaveFirst"], "ms", 2, 3, "dummy audio driver")
  row("SoundStart of a .wav event, repeated", "SoundStartWaveRepeated", time_ms["SoundStartWaveRepeated"], "ms", 2, 3, "dummy audio driver")
  row("SoundStart of a .mid event, first in the run", "SoundStartMidiFirst", time_ms["SoundStartMidiFirst"], "ms", 1500, 0, "loads the sound font; no slower than before")
  row("SoundStart of a .mid event, repeated", "SoundStartMidiRepeated", time_ms["SoundStartMidiRepeated"], "ms", 2, 3, "dummy audio driver")
  row("Tile click at 200 % board size", "TileClick200", time_ms["TileClick200"], "ms", 2, 3, "offscreen")
  row("Tile click at 200 % board size, on Xvfb", "TileClick200_xcb", time_ms["TileClick200_xcb"], "ms", 2, 3, "for comparison")
  row("Resize to 100 % and redrawn", "Resize100", time_ms["Resize100"], "ms", 16, 1, processor_note("Resize100", "offscreen"))
  row("Resize to 200 % and redrawn", "Resize200", time_ms["Resize200"], "ms", 16, 1, processor_note("Resize200", "offscreen"))
  row("Resize to 100 % and redrawn, on Xvfb", "Resize100_xcb", time_ms["Resize100_xcb"], "ms", 16, 1, processor_note("Resize100_xcb", "for comparison"))
  row("Resize to 200 % and redrawn, on Xvfb", "Resize200_xcb", time_ms["Resize200_xcb"], "ms", 16, 1, processor_note("Resize200_xcb", "for comparison"))
  row("First resize to a new resolution, window busy", "FirstResize", window_busy_ms["FirstResize"], "ms", 50, 1, resize_note("FirstResize", "offscreen"))
  row("First resize to a new resolution, busy, Xvfb", "FirstResize_xcb", window_busy_ms["FirstResize_xcb"], "ms", 50, 1, resize_note("FirstResize_xcb", "for comparison"))
}
