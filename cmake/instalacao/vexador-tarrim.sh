#!/bin/sh
# Starts Vexador Tarrim on the user's own application folder.
#
# The program keeps its database in its application folder and writes to it: Config.qzd (the
# references plus the user's recordings and settings) and its copy User.qzd. The installed
# folder belongs to root and is shared by every user of the PC, so each user gets a folder of
# their own, made on the first start:
#
#   $VEXADOR_PASTA, by default ${XDG_DATA_HOME:-~/.local/share}/vexador-tarrim
#
# It holds the user's copy of the shipped Config.qzd and links to the installed documents,
# page addresses (enderecos.ini), report pages and bench board, so an update of the package
# reaches them.
#
# An update ships a new Config.qzd. The first start after it keeps the user's database as
# User.qzd (the file the program offers to import the user's data from) and puts the new one in
# its place, as the program expects from a new installation.
#
#   vexador-tarrim [program options]
#   vexador-tarrim --demonstracao [bench board options]   (a stand-in phone on COM3)
set -eu

instalacao=$(CDPATH= cd -- "$(dirname -- "$(readlink -f -- "$0")")/.." && pwd)
pasta=${VEXADOR_PASTA:-${XDG_DATA_HOME:-$HOME/.local/share}/vexador-tarrim}
mkdir -p -- "$pasta"

# Links to what the installation provides; links left behind by a previous version go.
for item in "$pasta"/* "$pasta"/.[!.]*; do
    if [ -L "$item" ] && [ ! -e "$item" ]; then rm -f -- "$item"; fi
done
for item in "$instalacao"/*.pdf "$instalacao"/enderecos.ini "$instalacao"/relatorio "$instalacao"/vexador-simulador; do
    [ -e "$item" ] || continue
    ln -sfn -- "$item" "$pasta/$(basename -- "$item")"
done

# The database: copied whole before it takes its name, so an interrupted copy never leaves a
# broken Config.qzd behind.
copia_banco() {
    cp -- "$instalacao/Config.qzd" "$pasta/.Config.qzd.novo"
    chmod u+w -- "$pasta/.Config.qzd.novo"
    mv -f -- "$pasta/.Config.qzd.novo" "$pasta/Config.qzd"
}
marca=$(cksum < "$instalacao/Config.qzd")
if [ ! -f "$pasta/Config.qzd" ]; then
    copia_banco
elif [ "$(cat -- "$pasta/.instalacao" 2>/dev/null || true)" != "$marca" ]; then
    mv -f -- "$pasta/Config.qzd" "$pasta/User.qzd"
    copia_banco
fi
printf '%s\n' "$marca" > "$pasta/.instalacao"

if [ "${1:-}" = "--demonstracao" ]; then
    shift
    portas=$(mktemp -d)
    "$instalacao/vexador-simulador" --porta 3 --pasta "$portas" --banco "$instalacao/Config.qzd" "$@" >/dev/null &
    simulador=$!
    trap 'kill "$simulador" 2>/dev/null || true; rm -rf -- "$portas"' EXIT
    trap 'exit 130' INT TERM
    i=0
    while [ ! -e "$portas/com3" ] && [ "$i" -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    VEXADOR_PORTAS=$portas "$instalacao/vexador-tarrim" --pasta "$pasta"
    exit $?
fi

exec "$instalacao/vexador-tarrim" --pasta "$pasta" "$@"
