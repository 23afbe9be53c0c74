#pragma once
#include <QSqlQuery>
#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

// The RF test's rules: the five radios with their commands and success texts, the verdict of a
// switch-on answer, and the reference groups of the RF supply rails (table Rf).
namespace ModuloRf {

constexpr int NumeroRadios = 5;
constexpr int RadioGps = 3;

struct Radio {
    QString fundo;        // name of the row's background label
    QString comandoOn;
    QString comandoOff;
    QString comandoPropriedades;
    QStringList sucesso;  // any of them in the answer (case-sensitive) means success
    QString nome;         // name in the verdict
};
// The radio of an index 0..4 (baseband, Bluetooth, Wi-Fi, GPS, NFC).
const Radio& radio(int indice);

// GPS is refused where the model profile has none (the "IP 6" family).
bool Recusado(int indice, const QString& modelo);

// True when the answer holds any success text of the radio.
bool Sucesso(int indice, const QString& txtDados);

// The verdict of a switch-on answer: the texts and the row colour it leaves behind.
struct Veredicto {
    bool ok = false;
    QString lbStatius;  // name & CR LF & L("COMUNICAÇÃO OK" / "COMUNICAÇÃO OFF")
    QString txtDados;   // the answer, with L("REPITA PROCESSO") appended on failure
    QString corFundo;   // "&H0000FF00" green or "&H00808080" grey
};
Veredicto AvaliaRadio(int indice, const QString& txtDados);

// --- RF reference window (table Rf)

// The group letter for a model: its profile's fixed letter when it has one ("T" on the "IP 6"
// family, whatever the group), otherwise "I" for group 1 and "Q" for group 2.
QString LetraGrupo(const QString& modelo, int tipoReferencia);
// The query of the reference rows of a model and group letter (values bound: model, letter).
QString ConsultaRf();

// The model list of the reference window.
QStringList Modelos();

} // namespace ModuloRf

namespace ModuloRf {
// The error box of the reference query: text and title. Error 3075 (the query expression could
// not be read) names the model as not found.
struct CaixaErro {
    QString texto;
    QString titulo;
};
CaixaErro ErroReferencias(const QString& descricao, int numero);
constexpr int ErroExpressao = 3075;

// The reference rows of a model and group letter (ConsultaRf) of database `banco` on the
// views' connection, ready for a QSqlQueryModel; or, when the database cannot be opened or the query fails, the error
// box to show instead.
struct ReferenciasRf {
    QSqlQuery consulta;
    std::optional<CaixaErro> erro;
};
ReferenciasRf ConsultaReferenciasRf(const QString& banco, const QString& modelo, const QString& letra);
} // namespace ModuloRf
