#include "diagnostico/ExecutorDiagnostico.h"

#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/PaginaDiagnostico.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "shell/Sessao.h"
#include "shell/Procedimento.h"

namespace {

// A busy link (the rest of a cut answer being discarded) is waited for this long per step.
constexpr int EsperaRecusaMs = 30000;
constexpr int IntervaloRecusaMs = 100;

// Adds the time of one piece of the run's own work to a total.
class Medida {
public:
    explicit Medida(qint64& total) : m_total(total) { m_relogio.start(); }
    ~Medida() { m_total += m_relogio.nsecsElapsed(); }

private:
    qint64& m_total;
    QElapsedTimer m_relogio;
};

} // namespace

ExecutorDiagnostico::ExecutorDiagnostico(Sessao& sessao, const LocalDados& dados, const QString& etiqueta,
                                         QObject* pai)
    : QObject(pai), m_sessao(sessao), m_dados(dados), m_passos(PassosDoModelo(sessao.modelo(), dados))
{
    m_execucao.modelo = sessao.modelo();
    m_execucao.numero = sessao.numeroModelo();
    m_execucao.etiqueta = etiqueta;
    for (const PassoDiagnostico& p : m_passos)
        m_execucao.passos << ResultadoPasso{p.subsistema, p.titulo(), p.comando, FimPasso::NaoExecutado, {}};
    m_espera.setSingleShot(true);
    m_espera.setInterval(IntervaloRecusaMs);
    connect(&m_espera, &QTimer::timeout, this, &ExecutorDiagnostico::pede);
    // A step whose answer never ends would hold every following step: the run stops there.
    connect(&sessao.ligacao(), &Ligacao::telefoneNaoPara, this, [this] {
        m_espera.stop();
        encerra(L(QStringLiteral("DIAG_SEM_FIM")));
    });
}

ExecutorDiagnostico::~ExecutorDiagnostico()
{
    // Closed mid-run: the answer in flight is no longer wanted (the procedure gives it up as
    // it goes).
}

void ExecutorDiagnostico::inicia()
{
    if (m_rodando)
        return;
    m_rodando = true;
    m_relogio.start();
    m_execucao.inicio = dialogos().agora();
    m_atual = -1;
    proximo();
}

void ExecutorDiagnostico::cancela(const QString& motivo)
{
    if (!m_rodando)
        return;
    const QString porque = motivo.isEmpty() ? L(QStringLiteral("DIAG_CANCELADO")) : motivo;
    m_cancelado = true;
    m_espera.stop();
    // The answer in flight is given up now: the link discards the rest of it as it does for a
    // cut answer, and stays busy until the phone has finished.
    if (m_procedimento && m_procedimento->emCurso()) {
        m_procedimento->disconnect(this);
        m_procedimento->larga(porque);
    }
    encerra(porque);
}

void ExecutorDiagnostico::paraAposPasso(const QString& motivo)
{
    if (!m_rodando || m_cancelado)
        return;
    m_pararApos = motivo;
    // Waiting for a busy link to take the step: nothing is in flight, so it stops now.
    if (m_espera.isActive()) {
        m_espera.stop();
        encerra(motivo);
    }
}

void ExecutorDiagnostico::proximo()
{
    if (!m_rodando)
        return;
    if (m_cancelado) {
        encerra(L(QStringLiteral("DIAG_CANCELADO")));
        return;
    }
    if (!m_pararApos.isEmpty() && m_atual + 1 < m_passos.size()) {
        encerra(m_pararApos);
        return;
    }
    if (++m_atual >= m_passos.size()) {
        encerra(QString());
        return;
    }
    m_recusas.invalidate();
    emit passoIniciado(m_atual);
    pede();
}

void ExecutorDiagnostico::pede()
{
    if (!m_procedimento) {
        m_procedimento = CriaProcedimento(m_passos.at(m_atual), m_sessao.ligacao(), m_execucao.modelo, this);
        connect(m_procedimento, &Procedimento::terminou, this, &ExecutorDiagnostico::procedimentoTerminou);
    }
    if (m_procedimento->inicia())
        return;
    // Refused: the link is busy with the rest of a cut answer, and the step waits its turn.
    const bool semLigacao = m_sessao.estado() == EstadoLigacao::Desconectada;
    if (!semLigacao && !m_cancelado) {
        if (!m_recusas.isValid())
            m_recusas.start();
        if (m_recusas.elapsed() < EsperaRecusaMs) {
            m_espera.start();
            return;
        }
    }
    ResultadoPasso& r = m_execucao.passos[m_atual];
    if (semLigacao) {
        r.fim = FimPasso::NaoExecutado;
        encerra(L(QStringLiteral("DIAG_LIGACAO_PERDIDA")));
        return;
    }
    r.fim = FimPasso::SemResposta;
    emit passoTerminado(m_atual, r);
    QTimer::singleShot(0, this, &ExecutorDiagnostico::proximo);
}

void ExecutorDiagnostico::procedimentoTerminou()
{
    Procedimento* p = m_procedimento;
    m_procedimento = nullptr;
    if (!p)
        return;
    p->deleteLater();
    if (!m_rodando || m_cancelado)
        return;
    ResultadoPasso& r = m_execucao.passos[m_atual];
    switch (p->fim()) {
    case Procedimento::Fim::Concluido:
    case Procedimento::Fim::Recusado: {
        Medida medida(m_nsProprios);
        r.fim = FimPasso::Respondido;
        QList<ItemDiagnostico> itens;
        for (const ItemGraduado& i : p->itens())
            itens << ItemDe(r.subsistema, i);
        r.itens = LimitaItens(std::move(itens));
        m_nsProprios += p->nsGraduacao();
        break;
    }
    case Procedimento::Fim::LigacaoPerdida:
        r.fim = FimPasso::NaoExecutado;
        encerra(L(QStringLiteral("DIAG_LIGACAO_PERDIDA")));
        return;
    case Procedimento::Fim::Largado:
        return;
    case Procedimento::Fim::EmCurso:
    case Procedimento::Fim::SemResposta:
        r.fim = FimPasso::SemResposta;
        break;
    }
    emit passoTerminado(m_atual, r);
    // The next exchange starts once this one has let the link go.
    QTimer::singleShot(0, this, &ExecutorDiagnostico::proximo);
}

void ExecutorDiagnostico::encerra(const QString& interrupcao)
{
    if (!m_rodando)
        return;
    {
        Medida medida(m_nsProprios);
        m_rodando = false;
        m_execucao.completa = interrupcao.isEmpty();
        m_execucao.interrupcao = interrupcao;
        m_execucao.duracaoMs = m_relogio.elapsed();
        // A partial run (box pulled, Cancel) is a poor reference: the last complete one is
        // compared with, and the note says so.
        const auto ultima = UltimaExecucao(m_dados, m_execucao.modelo, m_execucao.numero, m_execucao.etiqueta);
        const auto completa = ultima && !ultima->completa
                                  ? UltimaExecucao(m_dados, m_execucao.modelo, m_execucao.numero, m_execucao.etiqueta, true)
                                  : ultima;
        m_anterior = completa ? completa : ultima;
        m_notaAnterior = ultima ? NotaAnterior(*m_anterior, *ultima) : QString();
        QString erro;
        m_erroHistorico.clear();
        m_historicoDanificado.clear();
        if (!GuardaExecucao(m_dados, m_execucao, &erro, &m_historicoDanificado))
            m_erroHistorico = ArquivoHistorico(m_dados, m_execucao.modelo, m_execucao.numero, m_execucao.etiqueta)
                              + QStringLiteral("\n") + erro;
        // Written only: the window tells what failed and opens the page.
        if (m_escrevePagina)
            m_relatorio = EscrevePagina(m_dados, PaginaDiagnostico(m_execucao, m_anterior, m_notaAnterior), m_execucao.modelo,
                                    m_execucao.numero, QStringLiteral("Diagnostico"), dialogos().agora());
    }
    m_nsTotal = m_relogio.nsecsElapsed();
    emit terminou();
}
