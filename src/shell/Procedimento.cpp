#include "shell/Procedimento.h"

#include "shell/EsperaOciosa.h"

#include <QElapsedTimer>
#include <QTimer>

Procedimento::Procedimento(Ligacao& ligacao, const QString& codigo, QObject* pai)
    : QObject(pai), m_ligacao(ligacao), m_codigo(codigo)
{
}

Procedimento::~Procedimento()
{
    // Gone mid-reading (its window closed): the answer in flight is nobody's any more.
    if (m_troca && !m_troca->terminada())
        m_troca->desiste();
}

bool Procedimento::inicia()
{
    if (m_emCurso)
        return false;
    ++m_geracao;
    m_itens.clear();
    m_R.clear();
    m_A.clear();
    m_motivo.reset();
    m_nsGraduacao = 0;
    m_fim = Fim::EmCurso;
    limpa();
    m_emCurso = true;
    if (!comeca() && m_fim == Fim::EmCurso) {
        m_emCurso = false;
        return false;
    }
    return true;
}

void Procedimento::larga(const QString& motivo)
{
    if (!m_emCurso)
        return;
    ++m_geracao;
    if (m_troca && !m_troca->terminada()) {
        m_troca->disconnect(this);
        m_troca->desiste();
        m_ligacao.largaTroca(motivo);
    }
    m_emCurso = false;
    m_fim = Fim::Largado;
    emit terminou();
}

bool Procedimento::pede(const QString& comando, Ligacao::Modo modo)
{
    return pede(comando, modo, RegrasTroca::RegraDoComando(comando));
}

bool Procedimento::pede(const QString& comando, Ligacao::Modo modo, RegrasTroca::RegraFim regra)
{
    Troca* troca = m_ligacao.pede(m_codigo, comando, modo, regra);
    if (troca->recusada())
        return false;
    m_comando = comando;
    m_troca = troca;
    connect(troca, &Troca::respondida, this, &Procedimento::respondida);
    connect(troca, &Troca::parcial, this, &Procedimento::parcial);
    connect(troca, &Troca::cancelada, this, &Procedimento::cancelada);
    emit enviado(comando);
    return true;
}

void Procedimento::respondida(const QString& R, const QString& A)
{
    m_R = R;
    m_A = A;
    // Graded on a turn of its own: the link's delivery of a long answer and its grading never
    // hold the window in one turn.
    const quint64 geracao = m_geracao;
    QTimer::singleShot(0, this, [this, geracao] {
        if (geracao != m_geracao || !m_emCurso)
            return;
        m_relogio.start();
        responde(m_R, m_A);
        contaGraduacao();
    });
}

void Procedimento::cancelada(Troca::Motivo motivo)
{
    if (!m_emCurso)
        return;
    m_motivo = motivo;
    termina(motivo == Troca::Motivo::Falha || motivo == Troca::Motivo::Recusada ? Fim::SemResposta
                                                                                : Fim::LigacaoPerdida);
}

void Procedimento::contaGraduacao()
{
    if (m_relogio.isValid())
        m_nsGraduacao += m_relogio.nsecsElapsed();
    m_relogio.invalidate();
}

void Procedimento::conclui(QList<ItemGraduado> itens)
{
    if (!m_emCurso)
        return;
    contaGraduacao(); // before terminou: whoever is told reads the whole figure
    m_itens = std::move(itens);
    m_emCurso = false;
    m_fim = Fim::Concluido;
    emit terminou();
}

void Procedimento::termina(Fim fim)
{
    if (!m_emCurso)
        return;
    contaGraduacao();
    m_fim = fim;
    if (fim == Fim::Recusado) {
        // Told on the next turn, as a refusal before anything was sent: the asker has returned
        // from inicia() first.
        const quint64 geracao = m_geracao;
        QTimer::singleShot(0, this, [this, geracao] {
            if (geracao != m_geracao || !m_emCurso)
                return;
            m_emCurso = false;
            emit terminou();
        });
        return;
    }
    m_emCurso = false;
    emit terminou();
}

void Procedimento::quandoOciosa(std::function<void()> segue)
{
    QuandoOciosa(m_ligacao, this, [this, geracao = m_geracao, segue = std::move(segue)](bool ociosa) {
        if (geracao != m_geracao || !m_emCurso)
            return;
        if (!ociosa)
            termina(Fim::LigacaoPerdida);
        else
            segue();
    });
}
