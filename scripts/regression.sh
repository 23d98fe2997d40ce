#!/usr/bin/env bash
# Image and trace regression of the example scenes: every examples/NAME.json
# has its reference picture tests/references/NAME.png and its reference trace
# tests/references/NAME.trace. The natives' test scenes, tests/scenes/NAME.json,
# are held against their trace alone, tests/scenes/NAME.trace.
#
# Usage: scripts/regression.sh [options] COMMAND
#   check-trace NAME  run tests/scenes/NAME.json; its trace must match exactly
#   check NAME      render the scene; the trace must match exactly, the picture
#                   within the tolerance; on failure keep the result, a
#                   difference picture and the trace diff, and write the report
#   report          write OUT/index.html for every failed scene (or remove it)
#   clean           forget earlier results
#   refresh [NAME]  render the scenes (all by default) into tests/references,
#                   replacing only what changed, and say which changed; the
#                   README's picture docs/panel.png follows the panel's; with
#                   no NAME the test scenes' traces are renewed too
# Options:
#   --render PATH      tamri-render (default build/tools/tamri-render)
#   --image-diff PATH  tamri-image-diff (default build/tools/tamri-image-diff)
#   --out DIR          results and report (default build/regression)
#
# A pixel matches when no channel differs by more than TOLERANCE levels (of
# 255). Smooth glyph edges are the only blended pixels the drawing layer
# makes, and their levels may move by rounding with FreeType, Cairo and
# pixman; every other pixel is painted fully. The tolerance stays below the
# smallest contrast across an edge between two solid areas in the references
# (4: a bevel button's light edge on its panel), so no drawn edge can move
# unnoticed; a change of any module call shows in the trace, compared exactly.
# The scenes' fonts, DejaVu Sans, Sans Mono and Serif, come from Debian's
# fonts-dejavu-core (2.37 on Debian 12); a failure names the files in use.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

readonly TOLERANCE=3
readonly REFERENCES=tests/references
readonly TEST_SCENES=tests/scenes
render=build/tools/tamri-render
image_diff=build/tools/tamri-image-diff
out=build/regression

while [ $# -gt 0 ]; do
  case "$1" in
    --render) render="${2:?}"; shift ;;
    --image-diff) image_diff="${2:?}"; shift ;;
    --out) out="${2:?}"; shift ;;
    *) break ;;
  esac
  shift
done
command="${1:-}"
[ $# -gt 0 ] && shift

# Scenes run as the README runs them: from the repository root, with the
# language settings in memory and no system languages from the host.
render_scene() { # NAME PNG TRACE
  TAMRI_CONFIG='' TAMRI_SYSTEM_LANGUAGES='' "$render" "examples/$1.json" -o "$2" --trace "$3"
}
trace_scene() { # NAME TRACE
  TAMRI_CONFIG='' TAMRI_SYSTEM_LANGUAGES='' "$render" "$TEST_SCENES/$1.json" --trace "$2"
}

html_escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }

write_report() {
  local failed=("$out"/*.failed) page="$out/index.html" name draft
  if [ ! -e "${failed[0]}" ]; then
    rm -f "$page"
    return 0
  fi
  # Checks running side by side each write a whole page and move it in place.
  draft="$(mktemp "$out/index.XXXXXX")" || return 0
  {
    echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Scene regression</title>'
    echo '<style>body{font-family:sans-serif;background:#f4f4f4}figure{display:inline-block;margin:0 12px 12px 0;vertical-align:top}'
    echo 'img{border:1px solid #888;image-rendering:pixelated;background:#fff}pre{background:#fff;padding:8px;overflow:auto;max-height:24em}</style></head><body>'
    echo "<h1>${#failed[@]} scene(s) differ from their references</h1>"
    echo "<p>Refresh the references with <code>make refresh-references</code> when the change is meant.</p>"
    for marker in "${failed[@]}"; do
      name="$(basename "$marker" .failed)"
      echo "<h2>$name</h2><pre>$(html_escape <"$marker")</pre>"
      for picture in reference:"$name.reference.png" result:"$name.png" difference:"$name.diff.png"; do
        [ -f "$out/${picture#*:}" ] &&
          echo "<figure><figcaption>${picture%%:*}</figcaption><img src=\"${picture#*:}\"></figure>"
      done
      [ -s "$out/$name.trace.diff" ] &&
        echo "<h3>trace (- reference, + result)</h3><pre>$(html_escape <"$out/$name.trace.diff")</pre>"
    done
    echo '</body></html>'
  } >"$draft" && chmod 644 "$draft" && mv "$draft" "$page"
  echo "regression report: file://$(realpath "$page")"
}

check() { # NAME
  local name="$1" reference="$REFERENCES/$1" result="$out/$1" failures=()
  mkdir -p "$out"
  rm -f "$result".*
  if ! render_scene "$name" "$result.png" "$result.trace" 2>"$result.stderr"; then
    failures+=("tamri-render failed: $(cat "$result.stderr")")
  fi
  if [ ! -f "$reference.trace" ] || [ ! -f "$reference.png" ]; then
    failures+=("no reference for $name: run make refresh-references")
  else
    if ! diff -u --label reference --label result "$reference.trace" "$result.trace" \
      >"$result.trace.diff"; then
      failures+=("the trace differs from $reference.trace (first lines below)")
    fi
    local pixels
    pixels="$("$image_diff" "$reference.png" "$result.png" --tolerance "$TOLERANCE" \
      --diff "$result.diff.png")" || failures+=("the picture differs from $reference.png: $pixels")
    cp "$reference.png" "$result.reference.png"
  fi
  if [ ${#failures[@]} -eq 0 ]; then
    rm -f "$result".*
    echo "$name: trace and picture match"
    return 0
  fi
  if command -v fc-match >/dev/null; then
    failures+=("fonts in use: $(for family in 'DejaVu Sans' 'DejaVu Sans Mono' 'DejaVu Serif'; do
      fc-match -f '%{file} ' "$family"
    done)")
  fi
  printf '%s\n' "${failures[@]}" | tee "$result.failed"
  head -n 20 "$result.trace.diff" 2>/dev/null
  write_report
  return 1
}

check_trace() { # NAME
  local name="$1" result="$out/$1"
  mkdir -p "$out"
  rm -f "$result".*
  if ! trace_scene "$name" "$result.trace" 2>"$result.stderr"; then
    echo "tamri-render failed: $(cat "$result.stderr")" | tee "$result.failed"
  elif ! diff -u --label reference --label result "$TEST_SCENES/$name.trace" "$result.trace" \
    >"$result.trace.diff"; then
    echo "the trace differs from $TEST_SCENES/$name.trace (first lines below)" | tee "$result.failed"
    head -n 20 "$result.trace.diff"
  else
    rm -f "$result".*
    echo "$name: trace matches"
    return 0
  fi
  write_report
  return 1
}

refresh_traces() {
  local scene name work
  work="$(mktemp)"
  for scene in "$TEST_SCENES"/*.json; do
    name="$(basename "$scene" .json)"
    trace_scene "$name" "$work" || echo "refresh: tamri-render failed on $scene" >&2
    if ! cmp -s "$work" "$TEST_SCENES/$name.trace"; then
      cp "$work" "$TEST_SCENES/$name.trace"
      echo "changed: $TEST_SCENES/$name.trace"
    fi
  done
  rm -f "$work"
  for scene in "$TEST_SCENES"/*.trace; do
    if [ -e "$scene" ] && [ ! -f "${scene%.trace}.json" ]; then
      rm "$scene"
      echo "removed: $scene (no ${scene%.trace}.json)"
    fi
  done
}

refresh() { # [NAME...]
  local names=("$@") changed=0 work name what
  if [ ${#names[@]} -eq 0 ]; then
    for scene in examples/*.json; do names+=("$(basename "$scene" .json)"); done
    refresh_traces
  fi
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' RETURN
  mkdir -p "$REFERENCES"
  for name in "${names[@]}"; do
    if ! render_scene "$name" "$work/$name.png" "$work/$name.trace"; then
      echo "refresh: tamri-render failed on examples/$name.json; its references are kept" >&2
      return 1
    fi
    what=()
    [ -f "$REFERENCES/$name.trace" ] || [ -f "$REFERENCES/$name.png" ] || what=(new)
    if ! cmp -s "$work/$name.trace" "$REFERENCES/$name.trace"; then
      cp "$work/$name.trace" "$REFERENCES/$name.trace"
      what+=(trace)
    fi
    # Only a change of pixels replaces the picture, not a new encoding of it.
    if [ ! -f "$REFERENCES/$name.png" ] ||
      ! "$image_diff" "$REFERENCES/$name.png" "$work/$name.png" >/dev/null; then
      cp "$work/$name.png" "$REFERENCES/$name.png"
      what+=(picture)
    fi
    if [ ${#what[@]} -gt 0 ]; then
      echo "changed: $name (${what[*]})"
      changed=$((changed + 1))
    fi
  done
  for reference in "$REFERENCES"/*.trace "$REFERENCES"/*.png; do
    name="$(basename "${reference%.*}")"
    if [ -e "$reference" ] && [ ! -f "examples/$name.json" ]; then
      rm "$reference"
      echo "removed: $reference (no examples/$name.json)"
    fi
  done
  # The README shows the panel's picture.
  if ! cmp -s "$REFERENCES/panel.png" docs/panel.png; then
    cp "$REFERENCES/panel.png" docs/panel.png
    echo "changed: docs/panel.png (the README's picture)"
  fi
  echo "$changed of ${#names[@]} scene(s) changed"
}

case "$command" in
  check) check "${1:?check needs a scene name}" ;;
  check-trace) check_trace "${1:?check-trace needs a scene name}" ;;
  report) write_report ;;
  clean) rm -rf "$out" ;;
  refresh) refresh "$@" ;;
  *)
    sed -n '2,/^set /p' "$0" | sed '$d' | sed 's/^# \{0,1\}//' >&2
    exit 2
    ;;
esac
