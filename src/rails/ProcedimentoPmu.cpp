#include "rails/ProcedimentoPmu.h"

#include <QSet>

QList<LinhaPmu> LinhasPmu(const QList<TrilhaGraduada>& trilhas)
{
    QList<LinhaPmu> linhas;
    for (const TrilhaGraduada& t : trilhas)
        if (!t.refV.isEmpty())
            linhas.append({t, std::nullopt});
    for (const TrilhaGraduada& t : trilhas) {
        if (!t.porc.isEmpty())
            continue;
        for (LinhaPmu& l : linhas)
            if (CorrenteDaSaida(l.tensao.orig.toUpper(), t.orig))
                l.corrente = t;
    }
    return linhas;
}

QList<ItemGraduado> ItensPmu(const QList<LinhaPmu>& linhas, double tolerancia)
{
    QList<ItemGraduado> itens;
    QSet<QString> correntes; // by output: a current on two lines is one item
    for (const LinhaPmu& l : linhas) {
        itens << ItemDaTrilha(l.tensao, tolerancia);
        if (l.corrente && !correntes.contains(l.corrente->orig)) {
            correntes.insert(l.corrente->orig);
            itens << ItemDaTrilha(*l.corrente, tolerancia);
        }
    }
    return itens;
}

ProcedimentoPmu::ProcedimentoPmu(Ligacao& ligacao, const QString& modelo, int familia, const QString& banco,
                                 QObject* pai)
    : Procedimento(ligacao, CodigoPmu, pai), m_modelo(modelo), m_familia(familia), m_banco(banco)
{
}

bool ProcedimentoPmu::comeca()
{
    return pede(QStringLiteral("pmuadc --read all"));
}

void ProcedimentoPmu::responde(const QString& R, const QString& A)
{
    Q_UNUSED(A);
    m_resultado.tolerancia = m_tolerancia;
    m_resultado.grade = ProcessaLeitura(m_banco, VarianteGrade::Pmu, m_modelo, m_familia, R, m_decimais.casasV,
                                        m_decimais.casasA, m_tolerancia);
    m_resultado.linhas = LinhasPmu(m_resultado.grade.trilhas);
    conclui(ItensPmu(m_resultado.linhas, m_tolerancia));
}
