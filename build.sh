#!/usr/bin/env bash
# Sets up, builds and runs Orbenza on a Debian or Ubuntu machine.
#
#   ./build.sh run     install what is missing, build, start Orbenza
#   ./build.sh test    install what is missing, build, run every test
#   ./build.sh bench   install what is missing, build, run the benchmarks
#   ./build.sh sanitize  build everything with AddressSanitizer and
#                      UndefinedBehaviorSanitizer in build-asan, run every test
#   ./build.sh fuzz    build the fuzz targets with clang in build-fuzz, run each
#                      for ORBENZA_FUZZ_SECONDS (60) seconds
#   ./build.sh lint    check every C++ file against .clang-format and run
#                      clang-tidy (.clang-tidy) over the core, and its naming
#                      check over the command line and the screens, warnings as errors
#
# Missing packages are installed with apt-get (through sudo when not root).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build_dir="${ORBENZA_BUILD_DIR:-$here/build}"

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-l10n-tools libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev libsqlite3-dev libicu-dev
    unrtf poppler-utils libswe-dev swe-basic-data xauth xvfb librsvg2-bin libxml2-utils
    desktop-file-utils appstream dpkg-dev file lintian man-db
    libhowardhinnant-date-dev tzdata iso-codes
    clang libclang-rt-14-dev
)

# install_missing [more packages]: the list above and the ones given.
install_missing() {
    local missing=()
    for pkg in "${packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The atlas regeneration test needs Node.js and npm. A machine that already has
# a Node.js of its own (with npm inside) keeps it; otherwise Debian's are installed.
install_node() {
    if ! command -v npm >/dev/null 2>&1; then
        install_missing nodejs npm
    fi
}

# libFuzzer comes with clang's runtime package, named after clang's major
# version: libclang-rt-14-dev on Debian 12, another number elsewhere.
clang_runtime_package() {
    echo "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
}

# The everyday Release build (preset "release"); ORBENZA_WERROR=ON makes
# compiler warnings errors, as CI builds.
build() {
    cd "$here"
    cmake --preset release -B "$build_dir" -DORBENZA_WERROR="${ORBENZA_WERROR:-OFF}"
    cmake --build "$build_dir" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    if [[ -x "$build_dir/src/app/orbenza" ]]; then
        exec "$build_dir/src/app/orbenza"
    fi
    exec "$build_dir/src/cli/orbenza-cli" --name "SAMPLE" --date 1985-06-15 --time 14:30 \
        --zone IST --lon 77:13E --lat 28:39N
    ;;
test)
    install_missing
    install_node
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure \
        --parallel "$(nproc)" --timeout 900
    ;;
bench)
    install_missing
    build
    "$build_dir/bench/orbenza_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
    if [[ -x "$build_dir/bench/orbenza_screens_bench" ]]; then
        "$build_dir/bench/orbenza_screens_bench" --benchmark_repetitions=5 \
            --benchmark_report_aggregates_only=true
    fi
    ;;
sanitize)
    install_missing
    cd "$here"
    cmake --preset asan
    cmake --build --preset asan --parallel "$(nproc)"
    ctest --preset asan --parallel "$(nproc)"
    ;;
lint)
    install_missing clang-format clang-tidy
    cd "$here"
    # Formatting: every C++ source of the repository, generated files aside.
    git ls-files '*.cpp' '*.h' | grep -v -e '^src/core/retrograde/StationTables.cpp$' -e '^src/core/ephemeris/SeriesData.cpp$' |
        xargs clang-format --dry-run --Werror
    # clang-tidy reads the compile commands of the everyday build.
    build
    git ls-files 'src/core/*.cpp' | grep -v -e '^src/core/retrograde/StationTables.cpp$' -e '^src/core/ephemeris/SeriesData.cpp$' |
        xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet \
            --extra-arg=-Wno-unknown-warning-option
    # The command line and the screens: Qt's naming.
    git ls-files 'src/cli/*.cpp' 'src/screens/*.cpp' 'src/app/*.cpp' |
        xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet \
            --checks='-*,readability-identifier-naming' --extra-arg=-Wno-unknown-warning-option
    ;;
fuzz)
    install_missing
    install_missing "$(clang_runtime_package)"
    cd "$here"
    cmake --preset fuzz -DORBENZA_FUZZ_SECONDS="${ORBENZA_FUZZ_SECONDS:-60}"
    cmake --build --preset fuzz --parallel "$(nproc)"
    ctest --preset fuzz
    ;;
*)
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 64
    ;;
esac
