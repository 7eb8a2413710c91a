#!/usr/bin/env bash
# check_install.sh BUILD_DIR EXPECTED_FILES SCRATCH_DIR VERSION
#
# Installs BUILD_DIR under /usr into SCRATCH_DIR/root, builds the Debian package into
# SCRATCH_DIR/package and checks what a distribution checks. Every failed check prints one line
# starting with "FAIL"; the script ends with status 1 if any did.
set -uo pipefail
export LC_ALL=C.UTF-8

build=$1
expected=$2
scratch=$3
version=$4

# The installed program prints its version and ends, with no display needed.
version_option="--version"

app_id=ru.veltarn.Veltarn
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
step() { echo "--- $*"; }

rm -rf "$scratch"
mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
root=$scratch/root
# Sorted byte by byte, as the expected list is.
installed_list() { (cd "$1" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort; }

step "cmake --install into a scratch root"
if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    fail "cmake --install failed"
fi
if ! diff -u "$expected" <(installed_list "$root"); then
    fail "installed files differ from $expected (- expected, + installed)"
fi

share=$root/usr/share
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml

step "desktop-file-validate"
out=$(desktop-file-validate "$desktop" 2>&1)
status=$?
[[ -n $out ]] && echo "$out"
if [[ $status -ne 0 ]] || grep -Eq ': (error|warning|hint):' <<<"$out"; then
    fail "desktop-file-validate reports errors, warnings or hints"
fi
for key in "Exec=veltarn" "Icon=$app_id" "Name=Вельтарн" "Categories=Education;Physics;"; do
    grep -qxF "$key" "$desktop" || fail "desktop entry lacks the line $key"
done
grep -q '^Comment\[ru\]=' "$desktop" || fail "desktop entry has no Russian comment"

step "appstreamcli validate --no-net"
out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)
status=$?
echo "$out"
if [[ $status -ne 0 ]] || grep -Eq '^[EW]:' <<<"$out"; then
    fail "appstreamcli reports errors or warnings"
fi
grep -qF "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -qF ">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
grep -qF '<summary xml:lang="ru">' "$metainfo" || fail "metainfo has no Russian summary"

step "icons"
for size in 48 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "$png is not a $size x $size PNG: $(file -b "$png")"
done
svg=$share/icons/hicolor/scalable/apps/$app_id.svg
file -b "$svg" | grep -q '^SVG' || fail "$svg is not an SVG image: $(file -b "$svg")"

step "manual page"
manual=$share/man/man1/veltarn.1.gz
gzip -t "$manual" || fail "$manual is not a gzip file"
# Debian wants no name or time stamp in the gzip header; gzip -n leaves the time at zero.
[[ $(od -An -tu4 -j4 -N4 "$manual" | tr -d ' ') == 0 ]] || fail "$manual carries a time stamp"
if command -v man >/dev/null; then
    export MANWIDTH=80
    warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
    [[ -z $warnings ]] || { echo "$warnings"; fail "man reports warnings on $manual"; }
    text=$(man -E UTF-8 -l "$manual" 2>/dev/null)
    grep -qF "Вельтарн $version" <<<"$text" || fail "manual page does not state version $version"
    for option in --help --version --list --demo --set --windowed --screen --export --size \
                  --scale --seconds; do
        grep -q -- "$option" <<<"$text" || fail "manual page does not describe $option"
    done
else
    echo "SKIP: man is not installed, the manual page is not rendered"
fi

step "installed program starts on the offscreen platform"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/runtime
program=$root/usr/bin/veltarn
# The desktop matches the program's windows to the menu entry by the name the program gives;
# the toolkit keeps that name in UTF-16, whose zero bytes tr drops.
tr -d '\0' <"$program" | grep -aF "$app_id" >/dev/null ||
    fail "$program does not name its desktop entry $app_id"
if [[ -n $version_option ]]; then
    out=$(timeout 20 "$program" "$version_option" 2>&1)
    status=$?
    echo "$out"
    [[ $status -eq 0 ]] || fail "$program $version_option ended with status $status"
    grep -qF "$version" <<<"$out" || fail "$program $version_option does not print $version"
else
    # Still running after a few seconds means it started, found its platform plugin and fonts
    # and entered its event loop; timeout then ends it with status 124.
    timeout 3 "$program" 2>"$scratch/start.log"
    status=$?
    cat "$scratch/start.log"
    [[ $status -eq 124 ]] || fail "$program ended by itself with status $status"
    [[ ! -s $scratch/start.log ]] || fail "$program complains on start"
fi

step "cpack -G DEB"
arch=$(dpkg --print-architecture)
deb=$scratch/package/veltarn_${version}_$arch.deb
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" \
        >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    fail "cpack failed"
fi
if [[ ! -f $deb ]]; then
    fail "no package $deb; the folder holds: $(ls "$scratch/package")"
    echo "$failures check(s) failed"
    exit 1
fi

step "dpkg-deb -I"
dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
# libc6 and the toolkit come from the binary's own needs (shlibdeps); the rest are named by hand.
for package in libc6 libqt6core6 libqt6widgets6 \
               qt6-qpa-plugins fonts-liberation fonts-ipafont-mincho qt6-translations-l10n \
               gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
for field in Maintainer Description Section; do
    [[ -n $(dpkg-deb -f "$deb" "$field") ]] || fail "the package has no $field field"
done
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"

step "package contents"
unpacked=$scratch/unpacked
dpkg-deb -x "$deb" "$unpacked"
if ! diff -u "$expected" <(installed_list "$unpacked"); then
    fail "package files differ from $expected (- expected, + packaged)"
fi
file -b "$unpacked/usr/bin/veltarn" | grep -q ', stripped' ||
    fail "the packaged program is not stripped"

step "lintian"
out=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1)
status=$?
echo "$out"
[[ $status -eq 0 ]] || fail "lintian reports errors (status $status)"

echo "$failures check(s) failed"
[[ $failures -eq 0 ]]
