#include "boardtests/ProcedimentoIc.h"

#include "i18n/Dicionario.h"

ProcedimentoIc::ProcedimentoIc(Ligacao& ligacao, const QString& modelo, int teste, QObject* pai)
    : Procedimento(ligacao, Codigo, pai), m_modelo(modelo), m_teste(teste)
{
}

QString ProcedimentoIc::status() const
{
    if (m_veredicto == ModuloIC::Veredicto::Nenhum)
        return QString();
    return L(m_veredicto == ModuloIC::Veredicto::Ok ? QStringLiteral("COMUNICAÇÃO OK")
                                                    : QStringLiteral("COMUNICAÇÃO OFF"));
}

bool ProcedimentoIc::comeca()
{
    return pede(ModuloIC::ComandoIC(m_teste));
}

void ProcedimentoIc::responde(const QString& R, const QString& A)
{
    Q_UNUSED(R);
    m_veredicto = ModuloIC::AvaliaIC(A);
    const Veredito v = m_veredicto == ModuloIC::Veredicto::Nenhum ? Veredito::NaoGraduado
                                                                   : VereditoDe(m_veredicto == ModuloIC::Veredicto::Ok);
    conclui({ItemGraduado{nomeCI() + QLatin1Char(' ') + comando(), status(), QString(), v}});
}
