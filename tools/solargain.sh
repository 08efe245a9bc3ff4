#!/usr/bin/env bash
# Installs what is missing, builds, and then either starts the program
# ("run") or runs every test ("test": the formatting check, a normal build
# with GCC and its tests, a sanitizer build with clang and its tests, the
# Debian package made, checked and installed, and every fuzzer for a bounded
# time). Safe to run again: packages already installed are not fetched,
# build trees are reused.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-run}
fuzz_seconds=30

packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-charts-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev nlohmann-json3-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core
  poppler-utils python3-openpyxl xvfb at-spi2-core imagemagick
  dbus-daemon python3-dbus locales
  dpkg-dev file appstream desktop-file-utils groff-base
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
  fi
}

configure() {  # configure <dir> [cmake options...]
  local dir=$1
  shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

# A build tree configured with another compiler than <compiler> starts afresh
# (CMake keeps the compiler of a tree's first configuration).
use_compiler() {  # use_compiler <dir> <compiler>
  local cache="$1/CMakeCache.txt"
  if [ -f "$cache" ] && ! grep -q "^CMAKE_CXX_COMPILER:[A-Z]*=\(.*/\)\?$2\$" "$cache"; then
    rm -rf "$1"
  fi
}

check_format() {
  local sources
  if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    sources=$(git -C "$root" ls-files '*.cpp' '*.h')
  else
    sources=$(cd "$root" && find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
  fi
  (cd "$root" && echo "$sources" | xargs clang-format --dry-run --Werror)
  echo "formatting: $(echo "$sources" | wc -l) files as .clang-format wants them"
}

run_fuzzer() {  # run_fuzzer <build dir> <name>
  local dir=$1 name=$2
  local corpus="$dir/corpus/$name" log="$dir/$name.log"
  local args=(-max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix="$dir/$name-")
  [ -f "$root/fuzz/$name.dict" ] && args+=(-dict="$root/fuzz/$name.dict")
  local corpora=("$corpus")  # new inputs go to the first, the scratch corpus
  [ -d "$root/fuzz/seeds/$name" ] && corpora+=("$root/fuzz/seeds/$name")
  mkdir -p "$corpus"
  "$dir/bin/$name" "${args[@]}" "${corpora[@]}" 2>"$log" ||
    { tail -40 "$log"; echo "fuzzer $name found a fault"; return 1; }
  echo "fuzzer $name: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo "?") runs, no fault in ${fuzz_seconds}s"
}

# The Debian package of a build tree: made by cpack, holding the programs,
# the pages and the desktop's files, depending on the system's Qt; as root it
# is installed and the installed programs are run.
check_package() {  # check_package <build dir>
  local dir=$1
  rm -f "$dir"/solargain_*.deb
  # The archive keeps the pages' Russian names only in a UTF-8 locale.
  (cd "$dir" && LC_ALL=C.UTF-8 cpack -G DEB >/dev/null)
  local debs=("$dir"/solargain_*_*.deb)
  [ -f "${debs[0]}" ] || { echo "package: cpack made no solargain_VERSION_ARCH.deb"; return 1; }
  local deb=${debs[0]} contents depends
  contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
  grep -q '^\./usr/share/solargain/.*\.jpg$' <<<"$contents" ||
    { echo "package: $(basename "$deb") holds no reference page"; return 1; }
  for file in usr/bin/solargain usr/bin/solargain-cli \
    usr/share/applications/solargain.desktop usr/share/mime/packages/solargain.xml \
    usr/share/metainfo/org.solargain.SolarGain.metainfo.xml usr/share/man/man1/solargain-cli.1.gz \
    usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/solargain.png \
    usr/share/icons/hicolor/scalable/apps/solargain.svg; do
    grep -qx "\./$file" <<<"$contents" || { echo "package: $(basename "$deb") lacks /$file"; return 1; }
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  grep -q 'libqt6widgets6' <<<"$depends" ||
    { echo "package: Depends does not name libqt6widgets6: «$depends»"; return 1; }
  echo "package: $(basename "$deb"), $(wc -l <<<"$contents") entries, Depends: $depends"
  if [ "$(id -u)" -ne 0 ]; then
    echo "package: not installed (installing needs root)"
    return 0
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb" >/dev/null
  command -v solargain >/dev/null || { echo "package: solargain is not on PATH once installed"; return 1; }
  solargain-cli --help >/dev/null || { echo "package: the installed solargain-cli --help fails"; return 1; }
  echo "package: installed, $(command -v solargain) and $(solargain-cli --version) run"
}

# The window tests run under a Russian desktop as well (decimal comma).
generate_locale() {
  locale -a 2>/dev/null | grep -qx 'ru_RU.utf8' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

install_missing
case "$mode" in
  run)
    configure "$root/build"
    cmake --build "$root/build" -j"$(nproc)" --target solargain
    exec "$root/build/bin/solargain"
    ;;
  test)
    generate_locale
    export LC_ALL=C QT_QPA_PLATFORM=offscreen
    check_format

    configure "$root/build" -DSOLARGAIN_WERROR=ON -DSOLARGAIN_BUILD_BENCH=ON
    cmake --build "$root/build" -j"$(nproc)"
    (cd "$root/build" && ctest --output-on-failure -j"$(nproc)")

    # The sanitizer build is the clang 14 build, so that both compilers the
    # README promises build every target and pass every test.
    use_compiler "$root/build-asan" clang++
    configure "$root/build-asan" -DCMAKE_CXX_COMPILER=clang++ -DSOLARGAIN_WERROR=ON -DSOLARGAIN_SANITIZE=ON
    cmake --build "$root/build-asan" -j"$(nproc)"
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
    export LSAN_OPTIONS=suppressions="$root/tools/lsan.supp"
    (cd "$root/build-asan" && ctest --output-on-failure -j"$(nproc)")

    check_package "$root/build"

    configure "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DSOLARGAIN_WERROR=ON -DSOLARGAIN_FUZZ=ON -DSOLARGAIN_BUILD_APP=OFF \
      -DBUILD_TESTING=OFF
    cmake --build "$root/build-fuzz" -j"$(nproc)" --target fuzzers
    for source in "$root"/fuzz/*_fuzz.cpp; do
      run_fuzzer "$root/build-fuzz" "$(basename "$source" .cpp)"
    done
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
