#!/usr/bin/env bash
# check-install.sh BUILD_DIR CMAKE: installs the build with DESTDIR into a scratch folder and
# checks the installed copy: its files, its desktop entry, icons, AppStream file, manual page
# and manual, and a first run in English and Russian, also with its data folder missing.
set -euo pipefail
build="$1"
cmake="$2"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/cantaro-install-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$scratch/root" "$cmake" --install "$build" --prefix /usr >/dev/null
P="$scratch/root/usr"

for f in bin/cantaro bin/tabulist; do [ -x "$P/$f" ] || fail "$f is not installed"; done
for f in share/cantaro/INI/cantaro.ini share/cantaro/chord-shapes.txt share/cantaro/cantaro.ENU share/cantaro/cantaro.BEL \
         share/cantaro/cantaro.ITA share/cantaro/logocto.bmp share/cantaro/examples/korobeiniki.kar \
         share/cantaro/examples/mary-had-a-little-lamb.mid share/applications/cantaro.desktop \
         share/icons/hicolor/scalable/apps/cantaro.svg share/metainfo/org.cantaro.Cantaro.metainfo.xml \
         share/man/man1/cantaro.1.gz share/man/ru/man1/cantaro.1.gz share/man/man1/tabulist.1.gz \
         share/doc/cantaro/manual/en/index.html share/doc/cantaro/manual/ru/index.html \
         share/doc/cantaro/manual/en/pictures/window.png share/doc/cantaro/copyright share/doc/cantaro/changelog.gz; do
  [ -f "$P/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$P/share/icons/hicolor/${size}x${size}/apps/cantaro.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  # The PNG header holds width and height as 32-bit numbers at offsets 16 and 20.
  [ "$(od -An -tu1 -j18 -N2 "$png" | awk '{print $1*256+$2}')" = "$size" ] || fail "$png is not $size pixels wide"
done

desktop-file-validate "$P/share/applications/cantaro.desktop" || fail "desktop entry"
grep -qx 'MimeType=audio/midi;audio/x-midi;' "$P/share/applications/cantaro.desktop" || fail "MIME types"
grep -qx 'Exec=cantaro %f' "$P/share/applications/cantaro.desktop" || fail "Exec line"
appstreamcli validate --no-net "$P/share/metainfo/org.cantaro.Cantaro.metainfo.xml" >/dev/null || fail "metainfo"
zcat "$P/share/man/man1/cantaro.1.gz" | grep -q '^\.SH OPTIONS' || fail "English manual page"
zcat "$P/share/man/man1/cantaro.1.gz" | grep -q '^\.B \\-\\-export FILE \[options\]\|^\.B cantaro \\-\\-export FILE \[options\]' || fail "the help's commands in the manual page"
zcat "$P/share/man/ru/man1/cantaro.1.gz" | grep -q '^\.SH ПАРАМЕТРЫ' || fail "Russian manual page"
grep -q '<h1>Cantaro user manual</h1>' "$P/share/doc/cantaro/manual/en/index.html" || fail "manual"
grep -q 'href="chords.html"' "$P/share/doc/cantaro/manual/en/index.html" || fail "the manual's links lead to its HTML pages"
zcat "$P/share/man/man1/cantaro.1.gz" | grep -q 'share/doc/cantaro/manual/en/index.html' || fail "the manual page names the manual"

# First run: the user's settings in a configuration folder of its own.
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
unset LC_MESSAGES LANG
help="$(LC_ALL=C "$P/bin/cantaro" --help)"
[ "$(head -1 <<<"$help")" = "Usage:" ] || fail "English help: $(head -1 <<<"$help")"
help="$(LC_ALL=ru_RU.UTF-8 "$P/bin/cantaro" --help)"
[ "$(head -1 <<<"$help")" = "Использование:" ] || fail "Russian help"
text="$(LC_ALL=C "$P/bin/cantaro" --export "$P/share/cantaro/examples/mary-had-a-little-lamb.mid")"
grep -q 'Mary' <<<"$text" || fail "export of an installed example"
[ ! -e "$P/share/cantaro/INI/cantaro.ini.part" ] || fail "the shipped folder was written to"

# Without its data folder the program names it and still works with its defaults.
mv "$P/share/cantaro" "$P/share/cantaro.away"
err="$(LC_ALL=C "$P/bin/cantaro" --help 2>&1 >/dev/null)"
grep -qF "$P/share/cantaro/" <<<"$err" || fail "the missing folder is not named: $err"
LC_ALL=C "$P/bin/cantaro" --export "$P/share/cantaro.away/examples/korobeiniki.kar" >/dev/null 2>&1 || fail "no export without data"
echo "installed copy: OK"
