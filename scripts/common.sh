# Shared by the run and test scripts: the Debian packages the project needs,
# installed when missing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"

# hunspell-id: the Indonesian roots that scripts/quality/roots.py turns into
# data/id-roots.tsv (LGPL-3; the build itself reads only the data file).
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libsqlite3-dev zlib1g-dev libgtest-dev
                libgmock-dev libbenchmark-dev dict-freedict-eng-ind hunspell-id
                desktop-file-utils appstream)
# The fuzz programs: clang and its runtime libraries (libFuzzer, the sanitizers).
FUZZ_PACKAGES=(clang libclang-rt-dev)
# What cpack -G DEB needs besides the build: dpkg-shlibdeps and file.
PACKAGE_PACKAGES=(dpkg-dev file)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$pkg"
    fi
  done
}

ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are needed and missing: ${missing[*]}" >&2
    echo "Run this script as root, or install them first:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# configure DIR [cmake options...]
configure() {
  local dir="$1"
  shift
  # A compiler cache, when the machine has one, makes rebuilds in several
  # work trees cheap; it changes nothing in what is built.
  local launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$ROOT" -B "$ROOT/$dir" "${launcher[@]}" "$@"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  configure "$@"
  cmake --build "$ROOT/$1" -j "$JOBS"
}
