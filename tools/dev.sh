#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, builds, then starts Quillmark
# ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libcsv-dev fonts-liberation2 poppler-utils
          libsodium-dev locales libc-l10n file dpkg-dev libcups2-dev cups printer-driver-cups-pdf
          libxlsxwriter-dev pkg-config python3-openpyxl)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
fi

werror=OFF
[[ ${CI:-} == true ]] && werror=ON

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARK_WERROR=$werror
cmake --build build

if [[ $mode == run ]]; then
    exec build/bin/quillmark
fi

# Every test.
ctest --test-dir build --output-on-failure -j 2

# Each file reader under libFuzzer for a bounded time, when clang is here to build them.
if command -v clang++ >/dev/null; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQUILLMARK_CORE_ONLY=ON -DQUILLMARK_FUZZ=ON
    cmake --build build-fuzz
    for target in build-fuzz/fuzz/fuzz_*; do
        [[ -x $target ]] || continue
        name=$(basename "$target")
        corpus=$(mktemp -d)
        log=build-fuzz/$name.log
        echo "fuzzing $name for 60 s"
        if ! "$target" -max_total_time=60 -print_final_stats=1 "$corpus" "fuzz/seeds/$name" \
            >"$log" 2>&1; then
            tail -n 60 "$log"
            echo "$name found a fault; its input is in the log above" >&2
            exit 1
        fi
        grep -E '^stat::number_of_executed_units' "$log" || true
        rm -rf "$corpus"
    done
fi

# The core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_WERROR=$werror \
    -DQUILLMARK_CORE_ONLY=ON -DQUILLMARK_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j 2 -L core
