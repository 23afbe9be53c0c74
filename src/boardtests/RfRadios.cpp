#include "boardtests/RfRadios.h"
#include "shell/BuscaTexto.h"

#include "db/Banco.h"
#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"

#include <QSqlError>

namespace ModuloRf {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

const Radio& radio(int indice)
{
    static const QList<Radio> r = {
        {QStringLiteral("lbFundoBase"), QStringLiteral("baseband --on"), QStringLiteral("baseband --off"),
         QStringLiteral("baseband -p"),
         {QStringLiteral("Baseband is already powered on"), QStringLiteral("BB_HSIC_RDY"),
          QStringLiteral("on success"), QStringLiteral("OK")},
         QStringLiteral("Baseband")},
        {QStringLiteral("lbFundoBlue"), QStringLiteral("bluetooth --on"), QStringLiteral("bluetooth --off"),
         QStringLiteral("bluetooth -p"),
         {QStringLiteral("Already on"), QStringLiteral("on success"), QStringLiteral("OK")},
         QStringLiteral("Bluetooth")},
        {QStringLiteral("lbFundoWifi"), QStringLiteral("wifi --on"), QStringLiteral("wifi --off"),
         QStringLiteral("wifi --properties"),
         {QStringLiteral("Wifi is already on"), QStringLiteral("on success"), QStringLiteral("OK")},
         QStringLiteral("Wifi")},
        {QStringLiteral("lbFundoGps"), QStringLiteral("gps --on"), QStringLiteral("gps --off"),
         QStringLiteral("gps --getinfo"),
         {QStringLiteral("GPS is already on"), QStringLiteral("on success"), QStringLiteral("OK")},
         QStringLiteral("Gps")},
        // NFC has no switch-off command: its OFF button sends the switch-on again.
        {QStringLiteral("lbFundoNFC"), QStringLiteral("stockholm --on"), QStringLiteral("stockholm --on"),
         QStringLiteral("stockholm -p"), {QStringLiteral("powered on"), QStringLiteral("OK")},
         QStringLiteral("NFC")},
    };
    return r.at(qBound(0, indice, NumeroRadios - 1));
}

bool Recusado(int indice, const QString& modelo)
{
    return indice == RadioGps && !PerfilModelo::de(modelo).gps;
}

bool Sucesso(int indice, const QString& txtDados)
{
    for (const QString& s : radio(indice).sucesso)
        if (ContemTexto(txtDados, s))
            return true;
    return false;
}

Veredicto AvaliaRadio(int indice, const QString& txtDados)
{
    Veredicto v;
    v.ok = Sucesso(indice, txtDados);
    const QString& nome = radio(indice).nome;
    if (v.ok) {
        v.lbStatius = nome + CRLF + L(QStringLiteral("COMUNICAÇÃO OK"));
        v.txtDados = txtDados;
        v.corFundo = QStringLiteral("&H0000FF00");
    } else {
        v.lbStatius = nome + CRLF + L(QStringLiteral("COMUNICAÇÃO OFF"));
        v.txtDados = txtDados + CRLF + CRLF + L(QStringLiteral("REPITA PROCESSO"));
        v.corFundo = QStringLiteral("&H00808080");
    }
    return v;
}

QString LetraGrupo(const QString& modelo, int tipoReferencia)
{
    const QString& fixo = PerfilModelo::de(modelo).grupoRf;
    if (!fixo.isEmpty())
        return fixo;
    return tipoReferencia == 2 ? QStringLiteral("Q") : QStringLiteral("I");
}

QString ConsultaRf()
{
    return QStringLiteral("SELECT Modelo, Malha, Componente, Valor, Tipo FROM Rf "
                          "WHERE Modelo = ? AND Tipo = ? ORDER BY Modelo, Malha");
}

QStringList Modelos()
{
    return PerfilModelo::nomes();
}

} // namespace ModuloRf

namespace ModuloRf {

CaixaErro ErroReferencias(const QString& descricao, int numero)
{
    const QString n = QString::number(numero);
    if (numero == ErroExpressao)
        return {descricao + QStringLiteral(" MODELO NAO ENCONTRADO Nº: ") + n, QStringLiteral("Nº ") + n};
    return {descricao + QStringLiteral(" Nº: ") + n, QStringLiteral("Nº ") + n};
}

} // namespace ModuloRf

namespace ModuloRf {

namespace {
// The error number the boxes quote: a query text the engine could not read is the expression
// error; otherwise the engine's own code.
int numeroDoErro(const QSqlError& e)
{
    if (e.type() == QSqlError::StatementError && e.databaseText().contains(QLatin1String("syntax")))
        return ErroExpressao;
    bool ok = false;
    const int n = e.nativeErrorCode().toInt(&ok);
    return ok && n != 0 ? n : static_cast<int>(e.type());
}
} // namespace

ReferenciasRf ConsultaReferenciasRf(const QString& banco, const QString& modelo, const QString& letra)
{
    QSqlDatabase db = Banco::conexaoVista(banco);
    if (!db.isOpen()) {
        const QSqlError erro = db.lastError();
        return {QSqlQuery(), ErroReferencias(erro.text(), numeroDoErro(erro))};
    }
    QSqlQuery q(db);
    Banco::preparaEExecuta(q, ConsultaRf(), {modelo, letra});
    if (q.lastError().isValid())
        return {QSqlQuery(), ErroReferencias(q.lastError().text(), numeroDoErro(q.lastError()))};
    return {std::move(q), std::nullopt};
}

} // namespace ModuloRf
