#pragma once
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

#include "reports/ArquivoRelatorio.h"
#include "veredito/Veredito.h"

// What the chip readers share: taking one channel's value out of an ADC answer, telling a
// reading from a device message, the deviation grades, and the report address.

// The value of a channel that is not measured (missing label, or a timeout reported).
inline const QString NaoMedido = QStringLiteral("-");

// The value after the first occurrence of `rotulo` in `resposta` (case-sensitive). The value
// starts one character after the label and ends at the next blank; a unit "mV" (its "V" two
// characters after that blank) turns millivolts into volts with ConverteMilivolts, any other
// unit drops the last decimal of a value that has decimals and writes "," for ".". A word
// the phone printed comes back as it was printed. With `regraTimeout`, a value of four
// characters or more containing "tim" is a timeout. Gives NaoMedido for a missing label, a
// timeout, an empty value, or a value that runs to the end of the text (a cut answer).
QString ExtraiValorCanal(const QString& resposta, const QString& rotulo, bool regraTimeout = true);

// True when `valor` is a reading: a number with "." or "," as separator ("1.234", "412,12",
// "-5.700"). "-", "" and device messages are not.
bool ValorNumerico(const QString& valor);

// The deviation of a reading from its reference as the windows show it (CalculaPorcentagem)
// and its whole part (LimitaDecimais with -1) as a number. Empty when it cannot be computed.
struct Desvio {
    QString texto;              // "4.1", "-10", "0"
    double inteiro = 0;         // 4, -10, 0
};
std::optional<Desvio> CalculaDesvio(const QString& valor, const QString& referencia);

// The window's ±10 % grade: the whole part lies strictly between -10 and 10.
bool DentroDaFaixa(const Desvio& d);

// The verdict of a channel row: not graded without a reference; no reading when its value
// (before any blank) is not a number ("-", a device message); else pass when its OK image
// is shown.
Veredito VereditoCanal(const QString& leitura, bool graduado, bool ok);

// The model's port controller is Hydra (else Tristar).
bool ModeloHydra(const QString& modelo);
// The model's Tigris charger reads a second input (VBUS 2).
bool ModeloComDuasEntradas(const QString& modelo);

// ---- Reports -------------------------------------------------------------------------------

// Query text of key=value pairs joined by "&"; every value is percent-encoded (UTF-8), so
// a blank is "%20" and "&", "#" or "%" in a name stay inside its value.
QString MontaConsulta(const QList<QPair<QString, QString>>& pares);

// The indicator value of a report row: "1" when the OK image is shown, else "0".
inline QString Indicador(bool ok) { return ok ? QStringLiteral("1") : QStringLiteral("0"); }

// The date as the system writes its short date.
QString DataCurta(const QDateTime& quando);

// The report page of a chip reader ("chest" or "acorn") for a query: with an empty host the
// bundled page file://<pastaAplicacao>/relatorio/<pagina>.html?<query>; otherwise
// https://<host>/relatorio/<pagina>.php?<query>. The host defaults to the build setting.
QString EnderecoRelatorioChip(const QString& pastaAplicacao, const QString& pagina, const QString& consulta,
                              const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));
