#!/usr/bin/env bash
# Installs what is missing, builds, and then either starts the program
# ("run") or runs every test ("test": the formatting check, a normal build
# with its tests, a sanitizer build with its tests, and every fuzzer for a
# bounded time). Safe to run again: packages already installed are not
# fetched, build trees are reused.
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

    configure "$root/build-asan" -DSOLARGAIN_WERROR=ON -DSOLARGAIN_SANITIZE=ON
    cmake --build "$root/build-asan" -j"$(nproc)"
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
    export LSAN_OPTIONS=suppressions="$root/tools/lsan.supp"
    (cd "$root/build-asan" && ctest --output-on-failure -j"$(nproc)")

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
