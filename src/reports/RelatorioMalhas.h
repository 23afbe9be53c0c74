#pragma once
#include <QList>
#include <QString>
#include <optional>

struct ConsultaMaster;

// The rail report: the graded rows of a rail window's grid go into the query of a report page
// that the browser opens. Every value is percent-encoded, so a name with "&", "#" or "%"
// stays one value.

// The fields of a graded row that the report sends.
struct LinhaRelatorio {
    QString malha, leitura, ref, porc, refV;
};

// The rows of a grid's query, in its order (Malha, Leitura, Ref, Porc, RefV of Master).
QList<LinhaRelatorio> LinhasRelatorio(const ConsultaMaster& consultaDaGrade);

// Verdict code of a row: "1" pass (also "*", currents and rows without RefV), "0" fail
// (whole part of the percentage 10 or more, -10 or less) or no reading, "3" no percentage.
QString CodigoVeredito(const LinhaRelatorio& linha);

// Removes the rail numbers "10. " to "17. ", then "1. " to "9. ", from a VCore text.
QString RemoveNumeracaoMalha(QString texto);

// The report query without the name: P<n> (VCore only), L<n>, R<n>, O<n>, I<n> per row from
// 1, then TIPO, DATA, IDIOMA, MODELO; with `nome` not null, EMP too. Values percent-encoded.
QString ConsultaRelatorio(const QList<LinhaRelatorio>& linhas, int familia, const QString& data,
                          int idioma, const QString& modelo, const std::optional<QString>& nome);

// The page address of a query: with an empty host the bundled page
// file:///<app folder>/relatorio/index.html?<query>; otherwise
// https://<host>/relatorio/index.php?<query>. The host defaults to the build setting.
QString EnderecoRelatorio(const QString& consulta, const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));

// Tools.Nome of the first row; "" on any error.
QString LeNomeRelatorio();
// Sets Tools.Nome of the first row; a missing row stores nothing. False when not stored.
bool GravaNomeRelatorio(const QString& nome);

// Builds and opens the report of a rail window: familia 0 is the VCore window (rail names
// sent, their numbers removed), 1 or 2 the Buck and LDO window. Asks the report name
// (L("DIGITE SEU NOME"), title L("Relatório") + " - PDF", default LeNomeRelatorio());
// cancelling opens nothing and returns std::nullopt. Otherwise stores the name, opens the
// address through dialogos() and returns it.
std::optional<QString> GeraRelatorioMalhas(int familia, const QList<LinhaRelatorio>& linhas,
                                           const QString& modelo);
// The same from the grid's query (the rows the window shows, in its order and filter).
std::optional<QString> GeraRelatorioMalhas(int familia, const ConsultaMaster& consultaDaGrade,
                                           const QString& modelo);
