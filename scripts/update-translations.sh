#!/usr/bin/env bash
# Brings translations/<program>_en.ts up to date with the texts the windows show, keeping
# every translation already made. Run it after adding or changing a text, then open the
# .ts in Qt Linguist (or an editor) and fill the entries marked type="unfinished":
#   - tr() / QCoreApplication::translate / QT_TRANSLATE_NOOP texts of the Qt layer
#     (src/gui, the program's apps/ folder and, for Dravon, src/views), found by lupdate;
#   - the window model's texts (context "Window"): the control tables and every text the
#     handlers show, listed by the program's ShownTexts() (dravon_core/shown_texts.cpp,
#     terminal/terminal_messages.h) — a handler that shows a new text must be listed there.
#     A text built from parts is listed as its pattern ("在线变送器 %1个"); keep the %1 in
#     the translation.
# The gui test "Translation" fails while any text the windows can show has no English.
# A new language: copy a .ts to <program>_<code>.ts, set its language attribute, translate,
# and add the code in translations/CMakeLists.txt and src/gui/language.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "update-translations: lupdate not found (Debian package qt6-l10n-tools)" >&2; exit 1; }

[ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build build/default --target window_texts >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for program in dravon pemliq; do
  sources=(src/gui "apps/$program")
  [ "$program" = dravon ] && sources+=(src/views)  # the subsystems' windows are Dravon's
  build/default/apps/window_texts/window_texts "$program" > "$work/${program}_window_texts.cpp"
  "$lupdate" -silent -no-obsolete -locations none -source-language zh_CN -target-language en \
    "${sources[@]}" "$work/${program}_window_texts.cpp" -ts "translations/${program}_en.ts" \
    2> >(grep -v 'Ignoring definition of undeclared qualified class' >&2)
  unfinished=$(grep -c 'type="unfinished"' "translations/${program}_en.ts" || true)
  echo "translations/${program}_en.ts: $unfinished text(s) still without English"
done
