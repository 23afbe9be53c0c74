#include "rails/ProcedimentoTrilhas.h"

#include <QElapsedTimer>
#include <QTimer>

const QString ProcedimentoTrilhas::Comando = QStringLiteral("pmuadc --read all");

ProcedimentoTrilhas::ProcedimentoTrilhas(Ligacao& ligacao, const QString& codigo, VarianteGrade variante,
                                         const QString& banco, QObject* pai)
    : Procedimento(ligacao, codigo, pai), m_variante(variante), m_banco(banco)
{
}

void ProcedimentoTrilhas::limpa()
{
    m_gravacaoPendente = false; // a grading given up and not yet stored: this reading replaces it
    m_resultado = {};
    m_nsGrade = m_nsGravacao = 0;
    ++m_geracao;
}

bool ProcedimentoTrilhas::comeca()
{
    // The decimals of this reading are those of its start: a choice made while it is in
    // flight applies to the next one.
    m_decimaisDaLeitura = m_decimais ? *m_decimais : CarregaDecimais(m_banco, m_variante);
    return pede(Comando);
}

void ProcedimentoTrilhas::responde(const QString& R, const QString& A)
{
    Q_UNUSED(A);
    QElapsedTimer relogio;
    relogio.start();
    m_resultado = GradaLeitura(m_banco, m_variante, m_modelo, m_familia, R, m_decimaisDaLeitura.casasV,
                               m_decimaisDaLeitura.casasA, m_tolerancia, !m_soGradua);
    m_nsGrade = relogio.nsecsElapsed();
    if (m_soGradua) {
        emit graduado();
        conclui(itensDaLeitura());
        return;
    }
    m_gravacaoPendente = true;
    emit graduado();
    // Stored on the next turn: the commit waits for the disk (tens of milliseconds on a busy
    // one), and the grid shows the grading meanwhile.
    const quint64 geracao = m_geracao;
    QTimer::singleShot(0, this, [this, geracao] {
        if (geracao != m_geracao)
            return; // another reading started: its grading replaces this one
        grava();
        // Given up meanwhile: stored all the same (it is the board's reading), not told.
        if (emCurso())
            conclui(itensDaLeitura());
    });
}

void ProcedimentoTrilhas::grava()
{
    if (!m_gravacaoPendente)
        return;
    m_gravacaoPendente = false;
    QElapsedTimer gravacao;
    gravacao.start();
    GravaGraduacao(m_banco, m_variante, m_resultado);
    m_nsGravacao = gravacao.nsecsElapsed();
}

QList<ItemGraduado> ProcedimentoTrilhas::itensDaLeitura() const
{
    return ItensDasTrilhas(m_resultado, m_tolerancia);
}

ProcedimentoTrilhas::~ProcedimentoTrilhas()
{
    // Its window closed between the grading and its storing: Master still gets the reading.
    grava();
}

QList<ItemGraduado> ItensDasTrilhas(const ResultadoGrade& resultado, double tolerancia)
{
    QList<ItemGraduado> itens;
    itens.reserve(resultado.trilhas.size());
    for (const TrilhaGraduada& t : resultado.trilhas)
        itens << ItemDaTrilha(t, tolerancia);
    return itens;
}
