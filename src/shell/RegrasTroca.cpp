#include "shell/RegrasTroca.h"
#include "shell/BuscaTexto.h"

#include <algorithm>

namespace RegrasTroca {

namespace {
constexpr QByteArrayView MarcaPrompt = ":-)";
const QString ComandoModelo = QStringLiteral("syscfg print RMd#");
constexpr int ContadorMinimoAtePrompt = 100; // the gas gauge pauses long before its prompt
constexpr int ContadorMinimo = 5;
} // namespace

Pedaco PedacoDe(QByteArrayView chunk)
{
    return {chunk.size(), chunk.contains(MarcaPrompt)};
}

int IntervaloDeLeitura(const QString& modeloBox)
{
    if (modeloBox == QLatin1String("1"))
        return 100;
    if (modeloBox == QLatin1String("2"))
        return 500;
    return 0;
}

int LimiteDeLeituras(const QString& modeloBox)
{
    if (modeloBox == QLatin1String("1"))
        return 200;
    if (modeloBox == QLatin1String("2"))
        return 100;
    return 0;
}

RegraFim RegraDoComando(const QString& comando)
{
    return comando == ComandoModelo ? RegraFim::SemAtalho : RegraFim::Comum;
}

Fim PrimeiraLeitura(const QString& modeloBox, RegraFim regra, Pedaco pedaco)
{
    if (!pedaco.temPrompt)
        // Nothing yet is not an answer: a phone still busy (just back after a reconnection)
        // starts later than one poll. The following polls end it once the line has been quiet
        // long enough.
        return Fim::Continua;
    switch (regra) {
    case RegraFim::Comum:
        // The prompt shortcut reads the box model as a number.
        return modeloBox.toInt() == 1 ? Fim::Completa : Fim::Continua;
    case RegraFim::SemAtalho:
        return Fim::Continua;
    case RegraFim::AtePrompt:
        return Fim::Completa;
    }
    return Fim::Continua;
}

Fim LeituraSeguinte(const QString& modeloBox, RegraFim regra, int contador, Pedaco pedaco)
{
    const int limite = LimiteDeLeituras(modeloBox);
    const bool noLimite = contador == limite;
    bool completa;
    if (regra != RegraFim::AtePrompt)
        completa = (pedaco.vazio() && contador > ContadorMinimo) || noLimite;
    else
        completa = (pedaco.vazio() && contador > ContadorMinimoAtePrompt) || noLimite || pedaco.temPrompt;
    if (!completa)
        return Fim::Continua;
    // Only the limit can end an answer that is still arriving; a chunk with the prompt closed it.
    if (noLimite && !pedaco.vazio() && !pedaco.temPrompt)
        return Fim::Cortada;
    return Fim::Completa;
}

bool DescarteTermina(Pedaco pedaco, int* silenciosos)
{
    if (pedaco.temPrompt)
        return true;
    // Counted up to the end only: any starting count is safe.
    *silenciosos = pedaco.vazio() ? std::clamp(*silenciosos, 0, PollsSilenciososNoDescarte) + 1 : 0;
    return *silenciosos >= PollsSilenciososNoDescarte;
}

QString ComoNoConsole(const QString& dados)
{
    QString expandido = dados;
    expandido.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return expandido;
}

QString RemoveEco(const QString& R, const QString& comando)
{
    return RemoveTodas(R, comando);
}

qsizetype CabemNoConsole(QByteArrayView dados, qsizetype espaco, qsizetype* custo)
{
    qsizetype usado = 0;
    qsizetype i = 0;
    for (; i < dados.size(); ++i) {
        const qsizetype c = dados[i] == '\n' ? 2 : 1;
        if (usado + c > espaco)
            break;
        usado += c;
    }
    if (custo)
        *custo = usado;
    return i;
}

void Descarte::acrescenta(QByteArrayView bytes)
{
    m_total += bytes.size();
    const qsizetype noInicio = std::min(Parte - m_inicio.size(), bytes.size());
    if (noInicio > 0) {
        m_inicio.append(bytes.first(noInicio));
        bytes = bytes.sliced(noInicio);
    }
    if (bytes.isEmpty())
        return;
    if (bytes.size() >= Parte) {
        m_fim = bytes.last(Parte).toByteArray();
        return;
    }
    m_fim.append(bytes);
    if (m_fim.size() > Parte)
        m_fim.remove(0, m_fim.size() - Parte);
}

void ColetaDoPedaco::acrescenta(QByteArrayView bytes, qsizetype espaco, Descarte* alem)
{
    if (bytes.isEmpty())
        return;
    m_pedaco.bytes += bytes.size();
    if (!m_pedaco.temPrompt) {
        // The mark may start in the previous read: look at its last two bytes with this one.
        QByteArray junta = m_cauda;
        junta.append(bytes.first(std::min<qsizetype>(bytes.size(), MarcaPrompt.size() - 1)));
        m_pedaco.temPrompt = junta.contains(MarcaPrompt) || bytes.contains(MarcaPrompt);
    }
    const qsizetype n = bytes.size();
    m_cauda = n >= MarcaPrompt.size() - 1 ? bytes.last(MarcaPrompt.size() - 1).toByteArray()
                                          : (m_cauda + bytes.toByteArray()).right(MarcaPrompt.size() - 1);
    qsizetype cabe = 0;
    if (!alem || alem->vazio()) {
        qsizetype custo = 0;
        cabe = CabemNoConsole(bytes, espaco > m_custo ? espaco - m_custo : 0, &custo);
        m_custo += custo;
        m_guardados.append(bytes.first(cabe));
    }
    if (cabe < n && alem)
        alem->acrescenta(bytes.sliced(cabe));
}

QByteArray ColetaDoPedaco::toma(Pedaco* pedaco, bool continuaMarca)
{
    *pedaco = m_pedaco;
    m_pedaco = {};
    if (!continuaMarca)
        m_cauda.clear();
    m_custo = 0;
    QByteArray chunk;
    chunk.swap(m_guardados);
    return chunk;
}

} // namespace RegrasTroca
