#include "boardtests/DisplayTestes.h"

#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"

#include <QTime>

namespace ModuloDisplay {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString ComandoBotao(int indice)
{
    switch (indice) {
    case 0: return QStringLiteral("bl -n");
    case 1: return QStringLiteral("bl --off");
    case 2: return QStringLiteral("bl -r");
    case 3: return QStringLiteral("bl -l");
    case 4: return QStringLiteral("bl -m");
    case 5: return QStringLiteral("bl -h");
    case 8: return QStringLiteral("display --getmode");
    default: return QString();
    }
}

QList<EstadoBotao> ConjuntoBotoes(const QString& modelo)
{
    const bool x = PerfilModelo::de(modelo).acorn();
    const QString nivel = L(QStringLiteral("Nível"));
    QList<EstadoBotao> b(NumeroBotoes);
    b[0] = {x ? L(QStringLiteral("Testar")) : L(QStringLiteral("Testar")) + QStringLiteral(" BackLight"), !x};
    b[1] = {x ? L(QStringLiteral("Desligar")) : L(QStringLiteral("Desligar")) + QStringLiteral(" BackLight"), true};
    b[2] = {L(QStringLiteral("Testar Todos Níveis")), true};
    b[3] = {nivel + QStringLiteral("  1 Low"), true};
    b[4] = {nivel + QStringLiteral("  2 Medium"), true};
    b[5] = {nivel + QStringLiteral("  3 Hight"), true};
    b[6] = {L(QStringLiteral("Tensões")) + QStringLiteral(" Chestnut"), !x};
    b[7] = {L(QStringLiteral("Tensões")) + QStringLiteral(" Acorn"), x};
    b[8] = {L(QStringLiteral("Resolução")), true};
    return b;
}

const QList<Cor>& Cores()
{
    static const QList<Cor> c = {
        {QStringLiteral("Cor_Amarelo"), QStringLiteral(" -b yellow -c white -w")},
        {QStringLiteral("Cor_Azul"), QStringLiteral(" -b blue -c white -w")},
        {QStringLiteral("Cor_Branco"), QStringLiteral(" -b white -c black -w")},
        {QStringLiteral("Cor_Cinza"), QStringLiteral(" -b gray -c white -w")},
        {QStringLiteral("Cor_Cyan"), QStringLiteral(" -b cyan -c black -w")},
        {QStringLiteral("Cor_Preto"), QStringLiteral(" -b black -c white -w")},
        {QStringLiteral("Cor_Rosa"), QStringLiteral(" -b magenta  -c white -w")},
        {QStringLiteral("Cor_Verde"), QStringLiteral(" -b green -c white -w")},
        {QStringLiteral("Cor_Vermelho"), QStringLiteral(" -b red -c white -w")},
    };
    return c;
}

QString SufixoCor(const QString& nome)
{
    for (const Cor& c : Cores())
        if (c.nome == nome)
            return c.sufixo;
    return QString();
}

bool CorRecusada(const QString& modelo)
{
    return !PerfilModelo::de(modelo).testeCores;
}

QString TextoCor(const QString& texto)
{
    QString t = texto.isEmpty() ? QStringLiteral("Vexador_Tarrim") : texto;
    t.remove(QLatin1Char(' '));
    return t;
}

QString ComandoCor(const QString& texto, const QString& sufixo)
{
    return QStringLiteral("displaytext -t ") + texto + sufixo;
}

QString Hora(const QTime& hora)
{
    return hora.toString(QStringLiteral("HH:mm:ss"));
}

QString NotaResposta(const QString& A, const QString& hora)
{
    return A + CRLF + CRLF + L(QStringLiteral("Observe a tela")) + CRLF + CRLF
           + QStringLiteral("Display Test - ") + hora;
}

QString NotaCor(const QString& hora)
{
    return NotaResposta(QStringLiteral("Cor / Color"), hora);
}

} // namespace ModuloDisplay
