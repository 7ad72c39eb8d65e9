#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over Ventrose's sources and the designs' captions into translations/ventrose_en.ts.
#   lupdate.sh update SOURCE_DIR DESIGN_TEXTS LUPDATE   rewrites the .ts (new texts unfinished,
#                                                       texts no longer in the code removed)
#   lupdate.sh check  SOURCE_DIR DESIGN_TEXTS LUPDATE   does the same on a temporary copy and
#                                                       fails if a text is untranslated or the
#                                                       .ts is not what lupdate makes of the code
set -euo pipefail
mode=$1 source_dir=$2 design_texts=$3 lupdate=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$design_texts" >"$work/design_texts.cpp"

ts="$source_dir/translations/ventrose_en.ts"
target="$ts"
if [ "$mode" = check ]; then
  cp "$ts" "$work/ventrose_en.ts"
  target="$work/ventrose_en.ts"
fi

# The folders whose code writes texts a person reads (tests and the build tree are not read).
# Tr("context", "texte") is Qt's translate(context, text) under another name (common/tr.h), and
# QTr the same giving a QString (the Qt adapters'); TrNoop marks a text for a later TrText, as
# QT_TRANSLATE_NOOP does.
# No source locations: the .ts then changes only when a text does.
cd "$source_dir"
"$lupdate" -silent -no-obsolete -locations none -tr-function-alias translate+=Tr,translate+=TrView,translate+=QTr,QT_TRANSLATE_NOOP+=TrNoop \
  -source-language fr -target-language en -extensions cpp,h \
  about airspeed app common conversions descent documents flightplan geodesy magnetic navlog \
  planimport platform preferences simfollow simlink waypointpass wind \
  "$work/design_texts.cpp" -ts "$target"

if [ "$mode" = check ]; then
  unfinished=$(grep -c 'type="unfinished"' "$target" || true)
  if [ "$unfinished" -ne 0 ]; then
    echo "translations/ventrose_en.ts: $unfinished text(s) without their English:" >&2
    grep -B2 'type="unfinished"' "$target" | grep '<source>' >&2 || true
  fi
  if ! cmp -s "$ts" "$target"; then
    echo "translations/ventrose_en.ts is not what lupdate makes of the code (a text that is" \
      "gone, or a new one):" >&2
    diff "$ts" "$target" >&2 || true
  fi
  if [ "$unfinished" -ne 0 ] || ! cmp -s "$ts" "$target"; then
    echo "Run: cmake --build --preset default --target update_translations, then translate." >&2
    exit 1
  fi
fi
