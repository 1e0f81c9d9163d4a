#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a user of the installed
# program would: the installed layout, the version, where the device file is found, the
# desktop entry, metainfo and the English and Spanish manual pages through their validators,
# the help of each language against its manual, the port message of an unprivileged user, and (outside sanitizer builds) that
# the .deb holds exactly the installed layout with computed dependencies.
# Usage: install-test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d /tmp/pravik-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
cli=$prefix/bin/pravik-cli
app_id=org.pravik.Pravik

# --- Layout: exactly these files, nothing beside the programs.
layout="bin/pravik
bin/pravik-cli
share/applications/$app_id.desktop
share/doc/pravik/changelog.gz
share/doc/pravik/copyright
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/es/man1/pravik-cli.1.gz
share/man/es/man1/pravik.1.gz
share/man/man1/pravik-cli.1.gz
share/man/man1/pravik.1.gz
share/metainfo/$app_id.metainfo.xml
share/pravik/Pravik.ini"
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$layout" ] || fail "installed layout:
$installed"

# --- The version of pravik-cli is the project's.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] && [ "$("$cli" --version)" = "pravik-cli $version" ] ||
  fail "pravik-cli --version: $("$cli" --version) (project $version)"

# --- Where the device file is found. Each run gets a clean environment: no PRAVIK_INI,
# a home of its own.
home=$work/home
mkdir -p "$home"
run() { env -i PATH="$PATH" HOME="$home" "$@"; }
devices_of() { printf '[Config]\nadapter=simulator\n[%s]\n' "$1" >"$2"; }
shipped=$(grep -o '^\[PIC[^]]*\]' "$source/data/Pravik.ini" | tr -d '[]')
[ "$(run "$cli" devices)" = "$shipped" ] || fail "the installed share/pravik/Pravik.ini is not found"

mkdir -p "$home/.config/pravik" "$work/xdg/pravik"
devices_of PICHOME "$home/.config/pravik/Pravik.ini"
[ "$(run "$cli" devices)" = PICHOME ] || fail "~/.config/pravik/Pravik.ini does not come first"
devices_of PICXDG "$work/xdg/pravik/Pravik.ini"
[ "$(run XDG_CONFIG_HOME="$work/xdg" "$cli" devices)" = PICXDG ] ||
  fail "\$XDG_CONFIG_HOME/pravik/Pravik.ini does not come first"
[ "$(cd "$work" && run XDG_CONFIG_HOME=xdg "$cli" devices)" = PICHOME ] ||
  fail "a relative XDG_CONFIG_HOME is not ignored"
devices_of PICBESIDE "$prefix/bin/Pravik.ini"
[ "$(run XDG_CONFIG_HOME="$work/xdg" "$cli" devices)" = PICBESIDE ] ||
  fail "Pravik.ini beside the executable does not come first"
devices_of PICENV "$work/env.ini"
devices_of PICOPTION "$work/option.ini"
[ "$(run PRAVIK_INI="$work/env.ini" "$cli" devices)" = PICENV ] || fail "PRAVIK_INI is not used"
[ "$(run PRAVIK_INI="$work/env.ini" "$cli" --ini "$work/option.ini" devices)" = PICOPTION ] ||
  fail "--ini does not win over PRAVIK_INI"
# A file the user names and that is missing is reported, not replaced by another one.
err=$(run PRAVIK_INI="$work/missing.ini" "$cli" devices 2>&1 >/dev/null)
status=$?
[ $status -eq 1 ] && [ "$err" = "Fichero de configuración $work/missing.ini no encontrado. Vuelva a copiar este fichero o instale de nuevo el programa." ] ||
  fail "a missing PRAVIK_INI ($status): $err"
# With no file anywhere the error names every place looked at, in order.
rm "$prefix/bin/Pravik.ini" "$home/.config/pravik/Pravik.ini"
mv "$prefix/share/pravik/Pravik.ini" "$work/shipped.ini"
err=$(run "$cli" devices 2>&1 >/dev/null)
status=$?
expected="Fichero de configuración $prefix/bin/Pravik.ini, $home/.config/pravik/Pravik.ini, $prefix/share/pravik/Pravik.ini no encontrado. Vuelva a copiar este fichero o instale de nuevo el programa."
[ $status -eq 1 ] && [ "$err" = "$expected" ] || fail "no device file anywhere ($status): $err"
mv "$work/shipped.ini" "$prefix/share/pravik/Pravik.ini"

# --- Desktop entry and metainfo pass their validators.
check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/$app_id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" ||
  cat "$work/appstream.log"
grep -q "release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo's release is not version $version"

# --- The manual pages render without a warning, in a UTF-8 and in the C locale: English in
# man1, Spanish in es/man1, as Debian installs translated manuals.
manual() { echo "$prefix/share/man/$([ "$1" = es ] && echo es/)man1/$2.1.gz"; }
for lang in en es; do
  heading=$([ $lang = es ] && echo NOMBRE || echo NAME)
  for page in pravik pravik-cli; do
    for locale in C.UTF-8 C; do
      LC_ALL=$locale MANWIDTH=80 man --warnings -l "$(manual $lang $page)" \
        >"$work/$page.txt" 2>"$work/$page.err"
      [ -s "$work/$page.err" ] && fail "man -l $lang $page.1 ($locale) warns: $(cat "$work/$page.err")"
    done
    grep -q "^$heading" "$work/$page.txt" || fail "man -l $lang $page.1 shows no $heading section"
  done
done

# --- Every option and command of the help, in each language, is in that language's
# manual; with nothing chosen the help is the Spanish one.
[ "$("$cli" --help)" = "$("$cli" --lang es --help)" ] || fail "pravik-cli --help is not in Spanish"
for lang in en es; do
  commands_heading=$([ $lang = es ] && echo Órdenes: || echo Commands:)
  LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$(manual $lang pravik-cli)" 2>/dev/null |
    col -b >"$work/manual.txt"
  help=$("$cli" --lang $lang --help)
  options=$(sed "/^$commands_heading/,\$d" <<<"$help" |
    grep -oE -- '(^|[ ,])--?[a-zA-Z][a-zA-Z-]*' | tr -d ' ,' | sort -u)
  commands=$(sed "1,/^$commands_heading/d" <<<"$help" | grep -E '^  [a-z]' | awk '{print $1}')
  [ "$(wc -l <<<"$options")" -ge 15 ] && [ "$(wc -l <<<"$commands")" -ge 9 ] ||
    fail "could not read the options and commands from --help ($lang)"
  for word in $options $commands; do
    grep -qE -- "(^|[^[:alnum:]-])$word([^[:alnum:]-]|$)" "$work/manual.txt" ||
      fail "the $lang manual does not mention $word"
  done

  # The same for the window program's help and manual.
  LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$(manual $lang pravik)" 2>/dev/null |
    col -b >"$work/window-manual.txt"
  window_help=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/pravik" --lang $lang --help)
  window_options=$(grep -oE -- '(^|[ ,])--?[a-zA-Z][a-zA-Z-]*' <<<"$window_help" |
    tr -d ' ,' | sort -u)
  [ "$(wc -l <<<"$window_options")" -ge 5 ] || fail "could not read the options of pravik --help ($lang)"
  for word in $window_options; do
    grep -qE -- "(^|[^[:alnum:]-])$word([^[:alnum:]-]|$)" "$work/window-manual.txt" ||
      fail "the window's $lang manual does not mention $word"
  done
done
[ "$(QT_QPA_PLATFORM=offscreen "$prefix/bin/pravik" --help | head -n1)" = "Uso: pravik [opciones]" ] &&
  [ "$(QT_QPA_PLATFORM=offscreen PRAVIK_LANG=en "$prefix/bin/pravik" --help | head -n1)" = "Usage: pravik [options]" ] ||
  fail "pravik --help is not in Spanish by default and in English with PRAVIK_LANG=en"
QT_QPA_PLATFORM=offscreen "$prefix/bin/pravik" --adapter usb >/dev/null 2>&1
[ $? -eq 2 ] || fail "pravik --adapter usb is not a usage error"

# --- An unprivileged user without the port is told what is missing, after the driver
# message (this machine has no parallel port support loaded).
if [ ! -d /proc/sys/dev/parport ]; then
  as_user=()
  [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  err=$(run "${as_user[@]}" "$cli" -d PIC16F84A blank 2>&1 >/dev/null)
  status=$?
  [ $status -eq 1 ] && [ "$(head -n1 <<<"$err")" = "Falta Driver para el puerto paralelo. Mal rollo." ] &&
    grep -q "sudo modprobe -a parport_pc ppdev" <<<"$err" ||
    fail "port message of an unprivileged user ($status): $err"
  err=$(run PRAVIK_LANG=en "${as_user[@]}" "$cli" -d PIC16F84A blank 2>&1 >/dev/null)
  [ "$(head -n1 <<<"$err")" = "No driver for the parallel port. Bad luck." ] &&
    grep -q "^To try the program without a programmer, use the simulated adapter" <<<"$err" ||
    fail "port message in English: $err"
fi

# --- The package: exactly the installed layout under /usr, dependencies from the binaries.
if grep -q '^PRAVIK_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "package check skipped in the sanitizer build"
else
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" \
    >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
  deb=$(ls "$work"/pkg/pravik_*.deb 2>/dev/null | head -n1)
  if [ -n "$deb" ]; then
    listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort)
    [ "$listed" = "$layout" ] || fail "package contents:
$listed"
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in libc6 libqt6core6 libqt6widgets6 qt6-translations-l10n; do
      grep -q "$needed" <<<"$depends" || fail "package Depends lacks $needed: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Section)" = electronics ] || fail "package section"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
    # Debian's own checker finds no error in the package (warnings are reported only).
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
    grep -E '^E: ' "$work/lintian.log" && fail "lintian reports errors"
  fi
fi

[ $failures -eq 0 ] && echo "install: every check passed" && exit 0
echo "install: $failures check(s) failed"
exit 1
