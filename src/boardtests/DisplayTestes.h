#pragma once
#include <QString>
#include <QStringList>
#include <QTime>

// The display test's rules: the commands of the nine buttons, the model-dependent button set,
// the colour swatches and the text written on the phone's screen, and the notes shown in the
// answer box.
namespace ModuloDisplay {

constexpr int NumeroBotoes = 9;
// Buttons that send a command (the others open the chip readers).
constexpr int BotaoChestnut = 6;
constexpr int BotaoAcorn = 7;

// The command of button 0..5 and 8; "" for 6 and 7 (they open windows) and any other index.
QString ComandoBotao(int indice);

// Caption and visibility of one button.
struct EstadoBotao {
    QString legenda;
    bool visivel = true;
};
// The whole button set for a model: an Acorn board ("IP X") hides the backlight test and the
// Chestnut button and shows the Acorn one; every other model the reverse. Captions in the current language.
QList<EstadoBotao> ConjuntoBotoes(const QString& modelo);

// The colour swatches in their order, with the suffix each adds to the command.
struct Cor {
    QString nome;   // the swatch's name ("Cor_Amarelo" ...)
    QString sufixo; // " -b yellow -c white -w" ...
};
const QList<Cor>& Cores();
// The suffix of a swatch by name; "" for an unknown one.
QString SufixoCor(const QString& nome);

// The colour tests are refused where the model profile has none (the "IP 6" family).
bool CorRecusada(const QString& modelo);
// The text written on the screen: "Vexador_Tarrim" when empty, then every blank removed.
QString TextoCor(const QString& texto);
// "displaytext -t " & text & suffix.
QString ComandoCor(const QString& texto, const QString& sufixo);

// The time as the notes write it ("10:30:15").
QString Hora(const QTime& hora);
// The answer box after a delivery: A, two line breaks, L("Observe a tela"), two line breaks,
// "Display Test - " and the time.
QString NotaResposta(const QString& A, const QString& hora);
// The answer box of a colour test: "Cor / Color" and the same note.
QString NotaCor(const QString& hora);

} // namespace ModuloDisplay
