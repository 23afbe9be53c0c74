#include "rails/Acompanhamento.h"
#include "rails/VereditoTrilha.h"

#include "i18n/Dicionario.h"
#include "rails/ProcedimentoTrilhas.h"
#include "shell/Ligacao.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

namespace {
// How many exchanges the rate is taken over: recent enough to follow a slower box.
constexpr int TrocasDaTaxa = 10;
// The watch's readings in the session log go under this window name.
const QString NomeNoRegistro = QStringLiteral("Acompanhar");

QString numeroCsv(double v)
{
    return QString::number(v, 'g', 10);
}
} // namespace

// ---- SerieAmostras ---------------------------------------------------------------------

SerieAmostras::SerieAmostras(int capacidade) : m_capacidade(qMax(8, capacidade))
{
    m_amostras.reserve(m_capacidade);
}

void SerieAmostras::acrescenta(const Amostra& a)
{
    if (m_amostras.size() >= m_capacidade)
        desbasta();
    m_amostras.append(a);
    ++m_recebidas;
}

void SerieAmostras::limpa()
{
    m_amostras.clear();
    m_recebidas = 0;
}

void SerieAmostras::desbasta()
{
    // The older half, pair by pair, into a quarter; what the technician must still see (a
    // reading out of band, the start after a gap) wins its pair. The very first reading stays:
    // the plot of everything starts where the watch started.
    const qsizetype metade = m_amostras.size() / 2;
    qsizetype escrita = 1;
    for (qsizetype i = 1; i + 1 < metade; i += 2) {
        const Amostra& a = m_amostras.at(i);
        const Amostra& b = m_amostras.at(i + 1);
        Amostra fica = b.fora && !a.fora ? b : a;
        // A gap's start is not lost when the other reading of its pair is kept.
        fica.aposLacuna = a.aposLacuna || b.aposLacuna;
        m_amostras[escrita++] = fica;
    }
    if ((metade - 1) % 2)
        m_amostras[escrita++] = m_amostras.at(metade - 1);
    m_amostras.remove(escrita, metade - escrita);
}

// ---- Acompanhamento --------------------------------------------------------------------

Acompanhamento::Acompanhamento(Ligacao& ligacao, const QString& codigo, const QString& banco, QObject* pai,
                               Relogio relogio)
    : QObject(pai), m_ligacao(ligacao), m_codigo(codigo), m_banco(banco), m_relogio(std::move(relogio))
{
    if (!m_relogio)
        m_relogio = [] { return QDateTime::currentMSecsSinceEpoch(); };
    connect(&m_ligacao, &Ligacao::estadoMudou, this, &Acompanhamento::ligacaoMudou);
}

Acompanhamento::~Acompanhamento() = default;

QString Acompanhamento::adiciona(VarianteGrade variante, int familia, const QString& nome)
{
    for (const TrilhaAcompanhada& t : std::as_const(m_trilhas))
        if (t.variante == variante && t.familia == familia && t.nome == nome)
            return {};
    const QList<TrilhaDoModelo> doModelo = TrilhasDoModelo(m_banco, variante, m_modelo, familia);
    const auto it = std::find_if(doModelo.cbegin(), doModelo.cend(),
                                 [&nome](const TrilhaDoModelo& t) { return t.nome == nome; });
    if (it == doModelo.cend())
        return L(QStringLiteral("ACOMP_DESCONHECIDA")).arg(nome, m_modelo);
    // Its reading is only a marker: a plot of it would show nothing, said instead.
    if (!it->mensuravel)
        return L(QStringLiteral("ACOMP_SEM_VALOR_PURPLE")).arg(nome, m_modelo);
    if (m_trilhas.size() >= MaximoTrilhas)
        return L(QStringLiteral("ACOMP_LIMITE")).arg(MaximoTrilhas);

    TrilhaAcompanhada t;
    t.variante = variante;
    t.familia = familia;
    t.nome = nome;
    t.ref = it->ref;
    if (const auto limite = LimiteCorrente(it->ref)) {
        t.corrente = true;
        t.bandaMin = 0;
        t.bandaMax = *limite;
    } else {
        t.corrente = it->linha.orig.trimmed().startsWith(QLatin1String("mA"), Qt::CaseInsensitive);
        QString refV = it->linha.refV;
        bool ok = false;
        const double v = refV.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (ok && v > 0) {
            t.bandaMin = v * (1 - ToleranciaPadrao / 100);
            t.bandaMax = v * (1 + ToleranciaPadrao / 100);
        }
    }
    m_trilhas << t;
    m_series << SerieAmostras();
    m_foraAntes << false;
    m_aposLacuna << false;
    procedimentoDe(variante, familia);
    emit trilhasMudaram();
    return {};
}

void Acompanhamento::remove(int indice)
{
    if (indice < 0 || indice >= m_trilhas.size())
        return;
    m_trilhas.removeAt(indice);
    m_series.removeAt(indice);
    m_foraAntes.removeAt(indice);
    m_aposLacuna.removeAt(indice);
    for (qsizetype i = m_marcas.size() - 1; i >= 0; --i) {
        if (m_marcas[i].trilha == indice)
            m_marcas.removeAt(i);
        else if (m_marcas[i].trilha > indice)
            --m_marcas[i].trilha;
    }
    emit trilhasMudaram();
}

ProcedimentoTrilhas* Acompanhamento::procedimentoDe(VarianteGrade variante, int familia)
{
    for (ProcedimentoTrilhas* p : std::as_const(m_procedimentos))
        if (p->variante() == variante && p->familia() == familia)
            return p;
    auto* p = new ProcedimentoTrilhas(m_ligacao, m_codigo, variante, m_banco, this);
    p->defineFamilia(familia);
    p->defineSoGradua(true);
    // The most decimals the grids offer: the plot wants the number, not the grid's rounding.
    p->defineDecimais(Decimais{3, 3});
    connect(p, &ProcedimentoTrilhas::graduado, this, [this, p] { graduado(p); });
    connect(p, &Procedimento::terminou, this, [this, p] { terminou(p); });
    m_procedimentos << p;
    return p;
}

void Acompanhamento::inicia()
{
    if (m_estado == Estado::Lendo || m_estado == Estado::SemLigacao)
        return;
    mudaEstado(Estado::Lendo);
    proxima();
}

void Acompanhamento::pausa()
{
    if (m_estado == Estado::Parado || m_estado == Estado::Pausado)
        return;
    // The exchange in flight ends on its own; its reading is still kept.
    mudaEstado(Estado::Pausado);
}

void Acompanhamento::limpa()
{
    for (SerieAmostras& s : m_series)
        s.limpa();
    for (bool& f : m_foraAntes)
        f = false;
    for (bool& f : m_aposLacuna)
        f = false;
    m_marcas.clear();
    m_lacunas = 0;
    m_lacunaPendente = false;
    m_tempos.clear();
    emit leituraFeita();
}

double Acompanhamento::taxa() const
{
    if (m_tempos.size() < 2)
        return 0;
    const qint64 ms = m_tempos.last() - m_tempos.first();
    return ms > 0 ? (m_tempos.size() - 1) * 1000.0 / ms : 0;
}

void Acompanhamento::proxima()
{
    m_agendada = false;
    if (m_estado != Estado::Lendo || m_emCurso || m_trilhas.isEmpty())
        return;
    // Only the families of the rails still watched, in turn.
    QList<ProcedimentoTrilhas*> usados;
    for (ProcedimentoTrilhas* p : std::as_const(m_procedimentos))
        for (const TrilhaAcompanhada& t : std::as_const(m_trilhas))
            if (t.variante == p->variante() && t.familia == p->familia()) {
                usados << p;
                break;
            }
    ProcedimentoTrilhas* p = usados.at(m_vez++ % usados.size());
    p->defineModelo(m_modelo);
    if (!p->inicia()) {
        // The link is busy with another window or not connected: tried again when it is idle.
        if (!m_ligacao.ociosa() && m_ligacao.estado() != EstadoLigacao::Ocupada)
            mudaEstado(Estado::SemLigacao);
        return;
    }
    m_emCurso = p;
}

void Acompanhamento::graduado(ProcedimentoTrilhas* p)
{
    const qint64 agora = m_relogio();
    const ResultadoGrade& r = p->resultado();
    for (int i = 0; i < m_trilhas.size(); ++i) {
        const TrilhaAcompanhada& t = m_trilhas.at(i);
        if (t.variante != p->variante() || t.familia != p->familia())
            continue;
        for (const TrilhaGraduada& g : r.trilhas) {
            if (NomeDaTrilha(t.variante, g.malha, g.orig) != t.nome)
                continue;
            AnotaVeredito(NomeNoRegistro, t.nome, g.leitura, g.ref, g.veredito);
            const auto valor = ValorDaLeitura(g.leitura);
            if (!valor)
                break; // no reading this time: logged, nothing to plot
            acrescenta(i, Amostra{agora, valor->valor, g.veredito == Veredito::Falha, m_aposLacuna.at(i)}, g.leitura);
            m_aposLacuna[i] = false;
            break;
        }
    }
    m_lacunaPendente = false;
    ++m_trocas;
    m_tempos << agora;
    if (m_tempos.size() > TrocasDaTaxa)
        m_tempos.removeFirst();
    emit leituraFeita();
}

void Acompanhamento::acrescenta(int indice, const Amostra& a, const QString& leitura)
{
    if (indice < 0 || indice >= m_series.size())
        return;
    m_series[indice].acrescenta(a);
    if (a.fora && (!m_foraAntes.at(indice) || a.aposLacuna)) {
        if (m_marcas.size() >= MaximoMarcas)
            m_marcas.removeFirst();
        m_marcas << MarcaSaida{indice, a.ms, a.valor, leitura};
        emit marcou(m_marcas.last());
    }
    m_foraAntes[indice] = a.fora;
}

void Acompanhamento::terminou(ProcedimentoTrilhas* p)
{
    if (p != m_emCurso)
        return;
    m_emCurso = nullptr;
    if (p->fim() == Procedimento::Fim::LigacaoPerdida || p->fim() == Procedimento::Fim::SemResposta) {
        perdeuLigacao();
        if (m_estado == Estado::Lendo)
            mudaEstado(Estado::SemLigacao);
        return;
    }
    // The next exchange on a turn of its own: the link is back to idle and others may be told.
    if (m_estado == Estado::Lendo && !m_agendada) {
        m_agendada = true;
        QTimer::singleShot(0, this, &Acompanhamento::proxima);
    }
}

void Acompanhamento::ligacaoMudou()
{
    const EstadoLigacao e = m_ligacao.estado();
    if (e == EstadoLigacao::Desconectada && !m_emCurso && m_estado == Estado::Lendo) {
        perdeuLigacao();
        mudaEstado(Estado::SemLigacao);
        return;
    }
    if (e != EstadoLigacao::Ociosa || m_emCurso)
        return;
    if (m_estado == Estado::SemLigacao)
        mudaEstado(Estado::Lendo);
    if (m_estado == Estado::Lendo && !m_agendada) {
        m_agendada = true;
        QTimer::singleShot(0, this, &Acompanhamento::proxima);
    }
}

void Acompanhamento::perdeuLigacao()
{
    // What every rail reads after the reconnection is drawn apart from what came before; one
    // gap however many exchanges failed before the link was back.
    if (!m_lacunaPendente)
        ++m_lacunas;
    m_lacunaPendente = true;
    for (bool& f : m_aposLacuna)
        f = true;
    m_tempos.clear();
}

void Acompanhamento::mudaEstado(Estado e)
{
    if (m_estado == e)
        return;
    m_estado = e;
    emit estadoMudou(e);
}

bool Acompanhamento::exportaCsv(const QString& arquivo, QString* erro) const
{
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    QByteArray texto = "time,rail,value,unit,band_min,band_max,out_of_band,after_gap\n";
    for (int i = 0; i < m_trilhas.size(); ++i) {
        const TrilhaAcompanhada& t = m_trilhas.at(i);
        QString nome = t.nome;
        if (nome.contains(QLatin1Char(',')) || nome.contains(QLatin1Char('"')))
            nome = QLatin1Char('"') + nome.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        const QString min = t.bandaMin ? numeroCsv(*t.bandaMin) : QString();
        const QString max = t.bandaMax ? numeroCsv(*t.bandaMax) : QString();
        for (const Amostra& a : m_series.at(i).amostras())
            texto += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8\n")
                         .arg(QDateTime::fromMSecsSinceEpoch(a.ms).toString(Qt::ISODateWithMs), nome,
                              numeroCsv(a.valor), t.unidade(), min, max, a.fora ? QStringLiteral("1") : QStringLiteral("0"),
                              a.aposLacuna ? QStringLiteral("1") : QStringLiteral("0"))
                         .toUtf8();
    }
    if (f.write(texto) != texto.size() || !f.commit()) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    return true;
}
