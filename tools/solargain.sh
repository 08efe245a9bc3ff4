#!/usr/bin/env bash
# Installs what is missing, builds, and then either starts the program
# ("run") or runs every test ("test"). Safe to run again: packages already
# installed are not fetched, build trees are reused.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-run}

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core
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

build() {  # build <dir> [cmake options...]
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

fuzz() {  # fuzz <name> <seconds> <sources...>
  local name=$1 seconds=$2
  shift 2
  local out="$root/build-fuzz/$name"
  mkdir -p "$root/build-fuzz/corpus-$name"
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I"$root/core" -I"$root/projectfile" "$@" -o "$out"
  "$out" -max_total_time="$seconds" -max_len=4096 "$root/build-fuzz/corpus-$name" 2>"$root/build-fuzz/$name.log" ||
    { tail -40 "$root/build-fuzz/$name.log"; echo "fuzzer $name found a fault"; return 1; }
  echo "fuzzer $name: $(grep -c . "$root/build-fuzz/$name.log") log lines, no fault in ${seconds}s"
}

install_missing
case "$mode" in
  run)
    build "$root/build"
    exec "$root/build/app/solargain"
    ;;
  test)
    export LC_ALL=C QT_QPA_PLATFORM=offscreen
    build "$root/build"
    (cd "$root/build" && ctest --output-on-failure)
    build "$root/build-asan" -DSOLARGAIN_SANITIZE=ON -DSOLARGAIN_BUILD_BENCH=OFF
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
    export LSAN_OPTIONS=suppressions="$root/tools/lsan.supp"
    (cd "$root/build-asan" && ctest --output-on-failure)
    core_sources=("$root"/core/*.cpp)
    for target in "$root"/fuzz/*_fuzz.cpp; do
      name=$(basename "$target" .cpp)
      extra=()
      [ "$name" = projectfile_fuzz ] && extra=("$root/projectfile/ProjectFile.cpp")
      [ "$name" = cli_fuzz ] && extra=("$root"/cli/CliProject.cpp "$root"/solar/*.cpp "$root"/windows/*.cpp "$root"/envelope/*.cpp -I"$root/cli" -I"$root/solar" -I"$root/windows" -I"$root/envelope")
      fuzz "$name" 30 "${core_sources[@]}" "${extra[@]}" "$target"
    done
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
