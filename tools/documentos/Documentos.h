#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QTextDocument;

// The documents of the application folder, built from the reference database and our texts.
namespace Documentos {

// One saved console command and its note in the chosen language.
struct Comando {
    QString comando;
    QString nota;
};

// The command reference files, by language (1 Portuguese, 2 English, 3 Spanish).
QString ArquivoReferencia(int idioma);
// Its title in that language.
QString TituloReferencia(int idioma);

// The rows of table Comandos in table order, the note of the language (Info, Info2, Info3).
// std::nullopt (and *erro) when the database cannot be read.
std::optional<QList<Comando>> LeComandos(const QString& banco, int idioma, QString* erro = nullptr);
// The command reference as rich text.
QString HtmlReferencia(const QList<Comando>& comandos, int idioma, const QString& versao);

// One expected device as the I2C document shows it.
struct DispositivoI2c {
    QString id;          // code of table i ("001")
    QString endereco;    // 7-bit address, "0x1A"
    QString nome;        // "TRISTAR"
    QString designador;  // reference designator on the board ("U1700"), "" when the entry has none
    QString procurado;   // the text the I2C test looks for in the scan ("x1A")
};
// Splits a device-table entry ("0x1A-TRISTAR - U1700") for the document.
DispositivoI2c DecompoeEntrada(const QString& id, const QString& entrada);

struct BarramentoI2c {
    int numero = 0;
    bool varrido = false; // the I2C window scans it for this model
    QList<DispositivoI2c> dispositivos;
};
struct ModeloI2c {
    QString modelo;
    QList<BarramentoI2c> barramentos; // buses scanned or with expected devices, ascending
};
struct FamiliaI2c {
    QString arquivo;          // "xA8.pdf" ...
    QList<ModeloI2c> modelos; // in the order of table i
};
// Every model of table i grouped by the diagram file the I2C window opens for it.
std::optional<QList<FamiliaI2c>> LeFamiliasI2c(const QString& banco, QString* erro = nullptr);
QString HtmlI2c(const FamiliaI2c& familia, const QString& versao);
QString TituloI2c(const FamiliaI2c& familia); // "I2C buses — IP 7 / IP 7 Plus"

// A guide written in Markdown (docs/*.md) as a document; *titulo gets its first heading.
void CarregaGuia(QTextDocument& documento, const QString& markdown, QString* titulo);

// Writes a document as PDF (A4) to `caminho`, replacing it only when complete. For the I2C
// files, `familia` adds one bus drawing per model after the text.
bool EscrevePdf(const QString& caminho, const QString& titulo, QTextDocument& documento,
                const QString& versao, const FamiliaI2c* familia = nullptr, QString* erro = nullptr);

// The rich-text document every generated file starts from (fonts, margins).
void PreparaDocumento(QTextDocument& documento);

} // namespace Documentos
