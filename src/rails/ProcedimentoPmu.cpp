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
    : ProcedimentoTrilhas(ligacao, CodigoPmu, VarianteGrade::Pmu, banco, pai)
{
    defineModelo(modelo);
    defineFamilia(familia);
}
