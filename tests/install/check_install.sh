#!/usr/bin/env bash
# Installs the build into a staging folder with DESTDIR, the way the Debian package is made, and
# checks what a user and the desktop get: the file list and modes, the menu entry and metainfo
# (validated), the programs answering --help/--version with no display and no trace left behind,
# the demo folder the menu entry starts in, and a plug-in built against the installed header.
#   check_install.sh BUILD_DIR SOURCE_DIR VERSION APP_ID
set -euo pipefail
build=$1 source=$2 version=$3 app_id=$4
stage=$build/tests/install-staging
prefix=/usr
root=$stage/root$prefix

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli pkg-config man cc; do
  command -v "$tool" > /dev/null || fail "$tool is missing; scripts/deps.sh installs it"
done

rm -rf "$stage"
mkdir -p "$stage/home"
DESTDIR=$stage/root cmake --install "$build" --prefix "$prefix" > "$stage/install.log" \
  || { cat "$stage/install.log" >&2; fail "cmake --install"; }

# Every file, exactly: a new install rule shows here and is added on purpose.
(cd "$stage/root" && find . -type f -o -type l | sed 's|^\./|/|' | sort) > "$stage/files.txt"
sed "s|@APP_ID@|$app_id|" "$source/tests/install/installed-files.txt" | sort > "$stage/expected.txt"
diff -u "$stage/expected.txt" "$stage/files.txt" || fail "installed files differ from installed-files.txt"

# Programs executable, everything else (the plug-in too: it is loaded, never run) plain 0644,
# folders 0755, as the package checker wants.
odd=$(cd "$stage/root" && find . \( -type d ! -perm 0755 \) -o \( -type f ! -path './usr/bin/*' ! -perm 0644 \) \
        -o \( -type f -path './usr/bin/*' ! -perm 0755 \))
[ -z "$odd" ] || fail "unexpected modes: $odd"

desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
  || fail "the metainfo does not launch $app_id.desktop"

# The menu entry starts the installed program in the installed demo folder, with an installed icon.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = "$prefix/bin/731" ] || fail "Exec=$(key Exec)"
[ "$(key Path)" = "$prefix/share/harune/demo" ] || fail "Path=$(key Path)"
for route in 1 2; do
  [ -f "$stage/root$(key Path)/$route.hy3" ] && [ -f "$stage/root$(key Path)/${route}tp.csv" ] \
    || fail "route $route is missing from the demo folder"
done
[ -f "$root/share/icons/hicolor/48x48/apps/$(key Icon).png" ] || fail "no icon named $(key Icon)"

# --help and --version answer without a display, before anything else starts, and leave no
# settings or other files in the user's home.
run() { env -i PATH=/usr/bin:/bin HOME="$stage/home" LANG=C.UTF-8 "$@"; }
out=$(run "$root/bin/731" --version) || fail "731 --version exited with $?"
[ "$out" = "731 (ハルネ) $version" ] || fail "731 --version printed '$out'"
out=$(run "$root/bin/731" --help) || fail "731 --help exited with $?"
[[ "$out" == "Usage: 731 [--help | --version]"* ]] || fail "731 --help printed '$out'"
out=$(run "$root/bin/731-tool" --version) || fail "731-tool --version exited with $?"
[ "$out" = "731-tool $version" ] || fail "731-tool --version printed '$out'"
[ -z "$(ls -A "$stage/home")" ] || fail "the programs wrote into HOME: $(ls -A "$stage/home")"

# The manual pages format without a warning (the package checker runs this same command).
for page in 731 731-tool; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
             man --warnings -E UTF-8 -l -Tutf8 -Z "$root/share/man/man1/$page.1.gz" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done

# A plug-in author's build: the header through pkg-config, the five entry points exported.
cflags=$(PKG_CONFIG_PATH=$root/share/pkgconfig pkg-config --define-prefix --cflags harune-plugin)
cc -shared -fPIC -fvisibility=hidden -Wl,--no-undefined $cflags \
   "$source/tests/plugins/TestPlugin.c" -o "$stage/Test.4SP" || fail "a plug-in does not build"
exported=$(nm -D --defined-only "$stage/Test.4SP" | grep -c ' T Seiriken_')
[ "$exported" = 5 ] || fail "the plug-in exports $exported entry points"

rm -rf "$stage"
echo "installed layout OK"
