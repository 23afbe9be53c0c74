#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "veredito/Veredito.h"
#include <optional>

// ModuloI2C: the device table of the I2C buses, the evaluation of one bus scan against the
// devices the reference database expects, and the per-model bus layout of the I2C window.
namespace ModuloI2C {

constexpr int NumeroBarramentos = 8;
// Devices per bus that get an indicator pair in the window.
constexpr int Indicadores = 5;

// The entry of a device code ("0x1A-TRISTAR - U1700"), or nothing for a code outside the
// table. Codes are compared exactly.
std::optional<QString> EntradaDispositivo(const QString& id);
// Every code of the table, in table order.
QStringList CodigosDispositivos();

// Characters 2 to 4 of an entry: the address text looked for in the answer ("x1A").
QString EnderecoDaEntrada(const QString& entrada);
// The text after an entry's address and the dash behind it ("TRISTAR - U1700").
QString DescricaoDaEntrada(const QString& entrada);

// One expected device as the evaluation reports it.
struct Dispositivo {
    QString id;
    QString endereco;   // address text searched for
    QString descricao;
    bool conhecido = true; // in the device table
    bool presente = false;
    Veredito veredito = Veredito::Falha; // pass when it answered, fail otherwise
    QString status;     // textoOk or textoOff
    QString linha;      // "  0x1A - TRISTAR - U1700 - " & status text
};

// The expected devices of a model on a bus (table i, codes starting with the bus digit), in
// the order the database returns them. std::nullopt when the database cannot be read; then
// *erro / *numeroErro describe the failure as the standard error box shows it.
std::optional<QStringList> DispositivosEsperados(const QString& caminhoBanco, const QString& modelo,
                                                 int barramento, QString* erro = nullptr,
                                                 int* numeroErro = nullptr);

// Grades each expected device against the delivered answer (exact, case-sensitive search of
// its address). textoOk / textoOff are the status texts (L("COMUNICAÇÃO OK"/"OFF")).
// A code outside the table has no address to look for: it is reported absent, never present,
// with conhecido false (the window shows its "NOT " box); no box is shown here.
QList<Dispositivo> AvaliaDispositivos(const QStringList& ids, const QString& resposta,
                                      const QString& textoOk, const QString& textoOff);

// The fault list gains "I2C n:" for a bus with an absent device, once per bus; the first
// fault puts the heading (L("Falhas i2c")) and a blank line in front.
void AcrescentaFalha(QString& lista, int barramento, const QString& cabecalho);
// The no-fault text: CR LF, seven blanks, L("Nenhuma falha detectada em I2C").
QString TextoSemFalhas(const QString& nenhumaFalha);

// Bus buttons of a model (OcultaBotoes).
struct Botoes {
    std::array<bool, NumeroBarramentos> visivel{};
    std::array<bool, NumeroBarramentos> habilitado{};
    // Bus whose button top the auto-test button takes; -1 keeps its own place (4200 twips).
    int autoTesteNoTopoDe = -1;
};
Botoes BotoesDoModelo(const QString& modelo);

// One tick of the automatic test when no scan is waiting for its answer.
struct PassoAuto {
    int varre = -1;      // bus to scan now, -1 none
    int proximo = 0;     // IndiceAuto after the tick
    bool finaliza = false;
};
// indice: IndiceAuto; the scan started in this tick keeps the test going (Timer1 runs).
PassoAuto PassoAutoTeste(int indice, const std::array<bool, NumeroBarramentos>& visivel,
                         const std::array<bool, NumeroBarramentos>& habilitado);
// The buses the automatic test scans for a layout, in order (every scan answered).
QList<int> BarramentosDoAutoTeste(const Botoes& botoes);

// The diagram file of a model ("xA8.pdf" ...), "" for a model without one.
QString ArquivoDiagrama(const QString& modelo);

} // namespace ModuloI2C
