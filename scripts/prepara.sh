# Sourced by ./run and ./test: installs the Debian packages the build needs when missing.
pacotes_necessarios="qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-translations-l10n libgl-dev cmake g++ ninja-build ccache sqlite3 xvfb xauth poppler-utils ${PACOTES_EXTRAS:-}"

instala_pacotes() {
    local faltam=()
    for p in $pacotes_necessarios; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
    done
    [ ${#faltam[@]} -eq 0 ] && return 0
    echo "Installing: ${faltam[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${faltam[@]}"
}

# configura_e_compila <build folder> [cmake options...]
configura_e_compila() {
    local pasta="$1"; shift
    if [ ! -f "$pasta/build.ninja" ]; then
        # Line tables only (-g1): a backtrace still names functions, files and lines, the build
        # is about a third faster, and the package strips debug information anyway.
        cmake -S . -B "$pasta" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" "$@"
    fi
    cmake --build "$pasta" -j"$(nproc)"
}
