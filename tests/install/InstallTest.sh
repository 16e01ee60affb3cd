#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and uses it as a user would:
# the installed client translates with the user's own copy of the shipped
# dictionary in a temporary XDG_DATA_HOME, learns a word there, and leaves
# every installed file as it was. Then a program of its own builds against
# the installed library through its CMake package and its pkg-config file.
#
# InstallTest.sh CMAKE BUILD_DIR LIBDIR
set -euo pipefail
CMAKE="$1"
BUILD="$2"
LIBDIR="$3"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" "$CMAKE" --install "$BUILD" --prefix /usr > "$work/install.log"
usr="$work/root/usr"

# The layout.
for file in bin/rumbela bin/tembusa "$LIBDIR/libtembusa.so.3" "$LIBDIR/libtembusa.so" \
    share/rumbela/kamus.mdb share/rumbela/Kamus.txt share/rumbela/WordFile.txt \
    share/rumbela/Readme.txt share/rumbela/help/index.html include/tembusa/TlrEngine.h \
    include/tembusa/Export.h "$LIBDIR/cmake/Tembusa/TembusaConfig.cmake" \
    "$LIBDIR/pkgconfig/tembusa.pc" share/man/man1/tembusa.1.gz share/man/man1/rumbela.1.gz \
    share/applications/org.example.rumbela.desktop share/metainfo/org.example.rumbela.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.example.rumbela.svg \
    share/icons/hicolor/48x48/apps/org.example.rumbela.png; do
  [ -e "$usr/$file" ] || fail "not installed: $file"
done
[ -L "$usr/$LIBDIR/libtembusa.so.3" ] || fail "libtembusa.so.3 is not a link to the versioned file"
[ -L "$usr/$LIBDIR/libtembusa.so" ] || fail "libtembusa.so is not a link"
gzip -dc "$usr/share/man/man1/tembusa.1.gz" | grep -q '^\.SH FILES' || fail "man page has no FILES"

(cd "$work/root" && find . -type f -print0 | sort -z | xargs -0 sha256sum) > "$work/before.sha"

# A user with an empty data folder.
export XDG_DATA_HOME="$work/xdg"
export HOME="$work/home"
mkdir -p "$HOME"
cli="$usr/bin/tembusa"
user_dict="$XDG_DATA_HOME/rumbela/kamus.mdb"

"$cli" --help | grep -qF "$user_dict" || fail "tembusa --help does not name $user_dict"
# The workbench finds the installed library and says where its files are.
QT_QPA_PLATFORM=offscreen "$usr/bin/rumbela" --help > "$work/rumbela-help.txt" ||
  fail "rumbela --help: $(cat "$work/rumbela-help.txt")"
grep -qF "$XDG_DATA_HOME/rumbela" "$work/rumbela-help.txt" || fail "rumbela --help: no data folder"

printf 'I read this book.\n' > "$work/book.txt"
out="$("$cli" translate "$work/book.txt")"
[[ "$out" == *buku* ]] || fail "translation without the shipped dictionary's words: $out"
[ -f "$user_dict" ] || fail "the user's dictionary was not seeded"

# Teach it a meaning on the terminal it asks on: "+" adds one to the word's
# meanings. Asked again, the word offers it as its third.
ask() { # ask ANSWERS FILE: translate --ask FILE with ANSWERS typed on the terminal
  printf "$1" | script -qec "\"$cli\" translate --ask \"$2\"" /dev/null 2>&1 | tr -d '\r'
}
printf 'here\n' > "$work/here.txt"
taught="$(ask '+\ntempat ini\n' "$work/here.txt")"
[[ "$taught" == *"tempat ini "* ]] || fail "the added meaning was not taken: $taught"
again="$(ask '3\n' "$work/here.txt")"
[[ "$again" == *"3) tempat ini"* ]] || fail "the meaning was not learned: $again"
cmp -s "$user_dict" "$usr/share/rumbela/kamus.mdb" && fail "the user's dictionary did not change"

# --db still chooses another dictionary, which does not know the word.
"$cli" dict create "$work/other.mdb"
other="$("$cli" lookup --db "$work/other.mdb" here)"
[[ "$other" == *$'\t100' ]] || fail "--db did not choose the other dictionary: $other"

# Nothing installed changed; the learned word is in the user's copy only.
(cd "$work/root" && find . -type f -print0 | sort -z | xargs -0 sha256sum) > "$work/after.sha"
diff -u "$work/before.sha" "$work/after.sha" || fail "installed files changed"

# A program of its own links the installed library.
mkdir -p "$work/client"
cat > "$work/client/main.cpp" <<'CPP'
#include <tembusa/Collection.h>
int main()
{
    tembusa::Collection words;
    words.XAdd(QStringLiteral("buku"), QStringLiteral("book"));
    return words.XCount() == 1 ? 0 : 1;
}
CPP
cat > "$work/client/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(client LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Tembusa 3 REQUIRED)
add_executable(client main.cpp)
target_link_libraries(client PRIVATE Tembusa::tembusa)
CMAKE
unset DESTDIR
"$CMAKE" -S "$work/client" -B "$work/client/build" -DCMAKE_PREFIX_PATH="$usr" \
  > "$work/client.log" 2>&1 || fail "find_package(Tembusa): $(cat "$work/client.log")"
"$CMAKE" --build "$work/client/build" >> "$work/client.log" 2>&1 ||
  fail "building against Tembusa::tembusa: $(cat "$work/client.log")"

flags="$(PKG_CONFIG_PATH="$usr/$LIBDIR/pkgconfig" pkg-config --cflags --libs tembusa)" ||
  fail "pkg-config tembusa"
# shellcheck disable=SC2086
"${CXX:-c++}" -std=c++20 -fPIC "$work/client/main.cpp" -o "$work/client/pc-client" $flags ||
  fail "building with pkg-config's flags: $flags"

echo "install layout, seeded user dictionary and library package: ok"
