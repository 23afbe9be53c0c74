#!/usr/bin/env bash
# Pictures of the README: the main window and a graded VCore grid on one screen, under a
# virtual X display with a window manager, against the bench board playing "IP X".
#   scripts/capturas.sh 1366x768 1 docs/tela-1366x768
# writes docs/tela-1366x768-principal.png and docs/tela-1366x768-vcores.png.
set -euo pipefail
cd "$(dirname "$0")/.."
tela="$1" escala="$2" saida="$3"
app="$PWD/build/app"
temp="$(mktemp -d)"
trap 'rm -rf "$temp"' EXIT
mkdir -p "$temp/app" "$temp/ports" "$temp/home"
cp "$app/Config.qzd" "$temp/app/"
[ -e "$app/enderecos.ini" ] && cp "$app/enderecos.ini" "$temp/app/"
[ -d "$app/relatorio" ] && cp -r "$app/relatorio" "$temp/app/"

cat > "$temp/sessao.sh" <<FIM
set -euo pipefail
trap 'kill \$(jobs -p) 2>/dev/null' EXIT
export HOME="$temp/home" XDG_CONFIG_HOME="$temp/home/.config"
openbox >/dev/null 2>&1 &
"$app/vexador-simulador" --porta 3 --pasta "$temp/ports" --banco "$app/Config.qzd" --rapido --modelo "IP X" >/dev/null 2>&1 &
for _ in \$(seq 50); do [ -e "$temp/ports/com3" ] && break; sleep 0.1; done
QT_SCALE_FACTOR=$escala VEXADOR_PORTAS="$temp/ports" "$app/vexador-tarrim" --pasta "$temp/app" >/dev/null 2>&1 &
px() { python3 -c "print(round(\$1 * $escala))"; }
espera() { for _ in \$(seq 100); do xdotool search --name "\$1" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
# The disclaimer of the first start: its default button accepts.
espera "Vexador Tarrim\$" && sleep 2
xdotool search --name 'Vexador Tarrim\$' | tail -1 | xargs xdotool windowactivate --sync
xdotool key Return
[ -n "\${DEPURA:-}" ] && import -window root "$saida-aviso.png" || true
espera "Vexador Tarrim v" && sleep 2
janela=\$(xdotool search --name "Vexador Tarrim v" | head -1)
eval "\$(xdotool getwindowgeometry --shell "\$janela")"
# The client area's own corner (xdotool's may include the frame's title bar).
X=\$(xwininfo -id "\$janela" | awk '/Absolute upper-left X/ {print \$NF}')
Y=\$(xwininfo -id "\$janela" | awk '/Absolute upper-left Y/ {print \$NF}')
# Connect (button 1 of the row), then let the model be identified.
xdotool mousemove \$((X + \$(px 45))) \$((Y + \$(px 25))) click 1
sleep 6
import -window root "$saida-principal.png"
# The VCore window (button 3), then its reading.
xdotool mousemove \$((X + \$(px 170))) \$((Y + \$(px 25))) click 1
sleep 2
# Its "Executar Leitura" button: the window (1048 x 632 with its frame) opens centred in the
# area (below the 56-pixel button row, above the 101-pixel console), 70 pixels above the middle.
read bx by < <(python3 -c "
s = $escala; w = \$WIDTH / s; h = \$HEIGHT / s
area = h - 56 - 101
fw, fh = min(1048, w), min(632, area)
x = max(0, min(w / 2 - fw / 2, w - fw)); y = max(0, min(area / 2 - 70 - fh / 2, area - fh))
print(round(\$X + (x + 202) * s), round(\$Y + (56 + y + 61) * s))")
xdotool mousemove "\$bx" "\$by" click 1
sleep 10
import -window root "$saida-vcores.png"
FIM
xvfb-run -a -s "-screen 0 ${tela}x24" bash ${DEPURA:+-x} "$temp/sessao.sh"
