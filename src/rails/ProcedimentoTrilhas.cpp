#include "rails/ProcedimentoTrilhas.h"

#include <QElapsedTimer>
#include <QTimer>

const QString ProcedimentoTrilhas::Comando = QStringLiteral("pmuadc --read all");

ProcedimentoTrilhas::ProcedimentoTrilhas(Ligacao& ligacao, const QString& codigo, VarianteGrade variante,
                                         QObject* pai)
    : Procedimento(ligacao, codigo, pai), m_variante(variante)
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
    m_decimaisDaLeitura = m_decimais ? *m_decimais : CarregaDecimais(m_variante);
    return pede(Comando);
}

void ProcedimentoTrilhas::responde(const QString& R, const QString& A)
{
    Q_UNUSED(A);
    QElapsedTimer relogio;
    relogio.start();
    m_resultado = GradaLeitura(m_variante, m_modelo, m_familia, R, m_decimaisDaLeitura.casasV,
                               m_decimaisDaLeitura.casasA, m_tolerancia);
    m_nsGrade = relogio.nsecsElapsed();
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
            conclui(ItensDasTrilhas(m_resultado, m_tolerancia));
    });
}

void ProcedimentoTrilhas::grava()
{
    if (!m_gravacaoPendente)
        return;
    m_gravacaoPendente = false;
    QElapsedTimer gravacao;
    gravacao.start();
    GravaGraduacao(m_variante, m_resultado);
    m_nsGravacao = gravacao.nsecsElapsed();
}

ProcedimentoTrilhas::~ProcedimentoTrilhas()
{
    // Its window closed between the grading and its storing: Master still gets the reading.
    grava();
}

namespace {

// "4.1 %" or "-12,5 %" as a number; nothing for an empty or other text.
std::optional<double> desvioDe(const QString& porc)
{
    QString t = porc;
    t.remove(QLatin1Char('%'));
    t = t.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

} // namespace

QList<ItemGraduado> ItensDasTrilhas(const ResultadoGrade& resultado, double tolerancia)
{
    QList<ItemGraduado> itens;
    itens.reserve(resultado.trilhas.size());
    for (const TrilhaGraduada& t : resultado.trilhas) {
        ItemGraduado i{t.malha.isEmpty() ? t.orig : t.malha, t.leitura, t.ref, t.veredito, std::nullopt, tolerancia};
        // Only a voltage has a deviation to draw against the band; a current has a limit.
        if (!LimiteCorrente(t.ref) && (t.veredito == Veredito::Passa || t.veredito == Veredito::Falha))
            i.desvio = desvioDe(t.porc);
        itens << i;
    }
    return itens;
}
