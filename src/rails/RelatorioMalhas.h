#pragma once
#include <QList>
#include <QString>
#include <optional>

#include "reports/ArquivoRelatorio.h"
#include "veredito/Veredito.h"

struct ConsultaMaster;

// The rail report: the graded rows of a rail window's grid go into the query of a report page
// that the browser opens. Every value is percent-encoded, so a name with "&", "#" or "%"
// stays one value.

// The fields of a graded row that the report sends.
struct LinhaRelatorio {
    QString malha, leitura, ref, porc, refV;
    // The verdict the window gave the row (its rail decides "not measurable"); without one, the
    // reading's text decides.
    std::optional<Veredito> veredito;
};

// The rows of a grid's query, in its order (Malha, Leitura, Ref, Porc, RefV of Master).
QList<LinhaRelatorio> LinhasRelatorio(const QString& banco, const ConsultaMaster& consultaDaGrade);

// The row's verdict: the window's, else VereditoTrilha at the report's 10 %.
Veredito VereditoRelatorio(const LinhaRelatorio& linha);
// Verdict code of a row for the report host: "1" pass or not measurable, "0" fail or no
// reading, "3" a voltage with a reference but no percentage; other rows not graded "1".
QString CodigoVeredito(const LinhaRelatorio& linha);

// Removes the rail numbers "10. " to "17. ", then "1. " to "9. ", from a VCore text.
QString RemoveNumeracaoMalha(QString texto);

// The report query without the name: P<n> (VCore only), L<n>, R<n>, O<n>, I<n>, V<n> (the
// verdict's NomeVeredito) per row from 1, then TIPO, DATA, IDIOMA, MODELO; with `nome` not
// null, EMP too. Values percent-encoded.
QString ConsultaRelatorio(const QList<LinhaRelatorio>& linhas, int familia, const QString& data,
                          int idioma, const QString& modelo, const std::optional<QString>& nome);

// The page address of a query: with an empty host the bundled page
// file:///<pastaAplicacao>/relatorio/index.html?<query>; otherwise
// https://<host>/relatorio/index.php?<query>. The host defaults to the build setting.
QString EnderecoRelatorio(const QString& pastaAplicacao, const QString& consulta,
                          const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));

// The window a rail report is filed under: "VCore" (familia 0), "LDO" or "BUCK".
QString JanelaDoRelatorio(int familia);
