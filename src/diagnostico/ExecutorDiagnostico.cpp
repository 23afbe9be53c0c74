#include "diagnostico/ExecutorDiagnostico.h"

#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/PaginaDiagnostico.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "shell/Sessao.h"
#include "shell/Troca.h"

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

ExecutorDiagnostico::ExecutorDiagnostico(Sessao& sessao, const QString& etiqueta, QObject* pai)
    : QObject(pai), m_sessao(sessao), m_passos(PassosDoModelo(sessao.modelo()))
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
    // Closed mid-run: the answer in flight is no longer wanted.
    if (m_troca && !m_troca->terminada())
        m_troca->desiste();
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

void ExecutorDiagnostico::cancela()
{
    if (!m_rodando)
        return;
    m_cancelado = true;
    m_espera.stop();
    // The answer in flight is given up now: the link discards the rest of it as it does for a
    // cut answer, and stays busy until the phone has finished.
    if (m_troca && !m_troca->terminada()) {
        m_troca->disconnect(this);
        m_troca->desiste();
        m_sessao.ligacao().largaTroca(L(QStringLiteral("DIAG_CANCELADO")));
    }
    encerra(L(QStringLiteral("DIAG_CANCELADO")));
}

void ExecutorDiagnostico::proximo()
{
    if (!m_rodando)
        return;
    if (m_cancelado) {
        encerra(L(QStringLiteral("DIAG_CANCELADO")));
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
    const PassoDiagnostico& p = m_passos.at(m_atual);
    m_troca = m_sessao.ligacao().pede(p.codigo, p.comando);
    connect(m_troca, &Troca::respondida, this, &ExecutorDiagnostico::respondida);
    connect(m_troca, &Troca::cancelada, this, [this](Troca::Motivo m) { cancelada(int(m)); });
}

void ExecutorDiagnostico::respondida(const QString& R, const QString& A)
{
    // Graded on a turn of its own: the link's delivery of a long answer and the grading of it
    // never hold the window in the same turn.
    QTimer::singleShot(0, this, [this, R, A] { grada(R, A); });
}

void ExecutorDiagnostico::grada(const QString& R, const QString& A)
{
    if (!m_rodando || m_cancelado)
        return;
    {
        Medida medida(m_nsProprios);
        ResultadoPasso& r = m_execucao.passos[m_atual];
        r.fim = FimPasso::Respondido;
        r.itens = GradaPasso(m_passos.at(m_atual), m_execucao.modelo, R, A);
        emit passoTerminado(m_atual, r);
    }
    // The next exchange starts once this one has let the link go.
    QTimer::singleShot(0, this, &ExecutorDiagnostico::proximo);
}

void ExecutorDiagnostico::cancelada(int motivo)
{
    if (!m_rodando)
        return;
    const auto m = Troca::Motivo(motivo);
    const bool semLigacao = m_sessao.estado() == EstadoLigacao::Desconectada;
    if (m == Troca::Motivo::Recusada && !semLigacao && !m_cancelado) {
        // Busy with the rest of a cut answer: the step waits its turn.
        if (!m_recusas.isValid())
            m_recusas.start();
        if (m_recusas.elapsed() < EsperaRecusaMs) {
            m_espera.start();
            return;
        }
    }
    ResultadoPasso& r = m_execucao.passos[m_atual];
    if (semLigacao || m == Troca::Motivo::LigacaoPerdida || m == Troca::Motivo::Abandonada) {
        r.fim = FimPasso::NaoExecutado;
        encerra(L(QStringLiteral("DIAG_LIGACAO_PERDIDA")));
        return;
    }
    r.fim = FimPasso::SemResposta;
    emit passoTerminado(m_atual, r);
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
        const auto ultima = UltimaExecucao(m_execucao.modelo, m_execucao.numero, m_execucao.etiqueta);
        const auto completa = ultima && !ultima->completa
                                  ? UltimaExecucao(m_execucao.modelo, m_execucao.numero, m_execucao.etiqueta, true)
                                  : ultima;
        m_anterior = completa ? completa : ultima;
        m_notaAnterior = ultima ? NotaAnterior(*m_anterior, *ultima) : QString();
        QString erro;
        m_erroHistorico.clear();
        m_historicoDanificado.clear();
        if (!GuardaExecucao(m_execucao, &erro, &m_historicoDanificado))
            m_erroHistorico = ArquivoHistorico(m_execucao.modelo, m_execucao.numero, m_execucao.etiqueta)
                              + QStringLiteral("\n") + erro;
        // Written only: the window tells what failed and opens the page.
        m_relatorio = EscrevePagina(PaginaDiagnostico(m_execucao, m_anterior, m_notaAnterior), m_execucao.modelo,
                                    m_execucao.numero, QStringLiteral("Diagnostico"), dialogos().agora());
    }
    m_nsTotal = m_relogio.nsecsElapsed();
    emit terminou();
}
