#!/usr/bin/env bash
# The game as a distribution builds it: a fresh build of the game alone for /usr, installed under
# DESTDIR with every file on the install manifest, a desktop entry and software-centre data
# that validate, and a .deb that holds those files, depends on what the game needs and passes
# lintian.
set -u
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
say() { echo "$* (${SECONDS}s)"; }
build=$scratch/build root=$scratch/root

cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >"$scratch/log" 2>&1 ||
    fail "configure failed: $(cat "$scratch/log")"

# Only the game: no object of a test or a tool, no test to run.
others=$(ninja -C "$build" -t targets all | sed -n 's/^\([^:]*\.o\): .*/\1/p' |
         grep -Ev '(^|/)CMakeFiles/mokuta(_core(_resources_[0-9]+)?)?\.dir/')
[ -z "$others" ] || fail "more than the game is built: $(echo "$others" | head -n 5)"
(cd "$build" && ctest -N) | grep -qx "Total Tests: 0" || fail "tests are configured"

cmake --build "$build" -j2 >"$scratch/log" 2>&1 || fail "build failed: $(tail -n 30 "$scratch/log")"
say "built"
DESTDIR=$root cmake --install "$build" >"$scratch/log" 2>&1 || fail "install failed: $(cat "$scratch/log")"

# What the game installs, under /usr.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$libdir" = "lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)" ] || fail "the game goes into $libdir"
id=jp.mokuta_kun.mokuta
expected=$(
    echo usr/games/mokuta
    for f in mokuta mokuta.mid b1.wav b2.wav b3.wav; do echo "usr/$libdir/mokuta/$f"; done
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    for s in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do echo "usr/share/icons/hicolor/$s/apps/$id.png"; done
    echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
    echo usr/share/man/man6/mokuta.6.gz
    echo usr/share/man/ja/man6/mokuta.6.gz
    echo usr/share/doc/mokuta/copyright
    echo usr/share/doc/mokuta/changelog.gz
)
expected=$(sort <<<"$expected")
installed=$(cd "$root" && find . ! -type d | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] || fail "installed files differ from the list: $(diff <(echo "$expected") <(echo "$installed"))"

out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) && [ -z "$out" ] ||
    fail "desktop-file-validate: $out"
# The software-centre data, and the desktop entry it names, as installed.
# Its check mark is printed only in a UTF-8 locale, which it is given whatever the test was.
out=$(LC_ALL=C.UTF-8 appstreamcli validate-tree --pedantic --no-net "$root" 2>&1)
[ "$out" = "✔ Validation was successful." ] || fail "appstreamcli validate-tree: $out"

# The command, started from elsewhere, runs the game in its own directory.
export XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
mkdir -m 700 "$XDG_RUNTIME_DIR"
(cd / && exec "$root/usr/games/mokuta" 2>"$scratch/stderr") &
pid=$!
for _ in $(seq 50); do
    [ "$(readlink "/proc/$pid/exe")" = "$root/usr/$libdir/mokuta/mokuta" ] && break
    sleep 0.1
done
game_dir=$(readlink "/proc/$pid/cwd")
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$game_dir" = "$root/usr/$libdir/mokuta" ] || fail "the command ran the game in '$game_dir': $(cat "$scratch/stderr")"
say "installed and validated"

# Every installed file is on the manifest (which names them without DESTDIR): removing those
# leaves nothing.
while read -r f || [ -n "$f" ]; do
    rm -- "$root$f" || fail "$f is on the manifest but not installed"
done <"$build/install_manifest.txt"
left=$(find "$root" ! -type d)
[ -z "$left" ] || fail "not on the install manifest: $left"

(cd "$build" && cpack -G DEB) >"$scratch/log" 2>&1 || fail "cpack failed: $(cat "$scratch/log")"
deb=$build/mokuta_1.20_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb: $(cat "$scratch/log")"
say "packaged"

[ "$(dpkg-deb -f "$deb" Package Version Section | tr '\n' ' ')" = "Package: mokuta Version: 1.20 Section: games " ] ||
    fail "control: $(dpkg-deb -f "$deb")"
contents=$(dpkg-deb -c "$deb")
packaged=$(awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' <<<"$contents" | sort)
[ "$packaged" = "$expected" ] || fail "packaged files differ from the list: $(diff <(echo "$expected") <(echo "$packaged"))"
awk '$2 != "root/root" {exit 1}' <<<"$contents" || fail "files not owned by root in the package"
for program in ./usr/games/mokuta "./usr/$libdir/mokuta/mokuta"; do
    grep -q "^-rwxr-xr-x .* $program\$" <<<"$contents" || fail "$program is not executable in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for want in "fonts-ipafont-gothic | fonts-noto-cjk" fonts-dejavu-extra "timgm6mb-soundfont | fluid-soundfont-gm" \
            libsdl2-mixer-2.0-0 libc6 libqt6widgets6; do
    grep -q "\(^\|, \)$want\( (\|,\|$\)" <<<"$depends" || fail "Depends lacks $want: $depends"
done
# Without Qt's Wayland plugin a Wayland desktop would run the game through Xwayland, or not at all.
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland" ] || fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"

# Not a word from lintian, even at its most pedantic: hardening, stripped sections, spelling.
# (It says on stderr that it would rather not run as root.)
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" >"$scratch/lintian" 2>"$scratch/log" ||
    fail "lintian: $(cat "$scratch/lintian" "$scratch/log")"
[ ! -s "$scratch/lintian" ] || fail "lintian --pedantic: $(cat "$scratch/lintian")"
say "PASS: the game alone built, installed, validated, removed by its manifest, packaged and linted"
