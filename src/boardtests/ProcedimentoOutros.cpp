#include "boardtests/ProcedimentoOutros.h"

#include "i18n/Dicionario.h"

ProcedimentoOutros::ProcedimentoOutros(Ligacao& ligacao, int teste, QObject* pai)
    : Procedimento(ligacao, Codigo, pai), m_teste(teste)
{
}

QString ProcedimentoOutros::status() const
{
    if (!m_julgado)
        return QString();
    return L(m_passou ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF"));
}

bool ProcedimentoOutros::comeca()
{
    const ModuloOutros::Teste t = ModuloOutros::teste(m_teste);
    if (t.comando.isEmpty()) {
        termina(Fim::Recusado);
        return true;
    }
    return pede(t.comando, t.espelho ? Ligacao::Modo::Espelhada : Ligacao::Modo::Normal);
}

void ProcedimentoOutros::responde(const QString& R, const QString& A)
{
    Q_UNUSED(R);
    m_julgado = A.size() >= ModuloOutros::MinimoAvaliacao;
    m_passou = m_julgado && ModuloOutros::Passou(A);
    const Veredito v = m_julgado ? VereditoDe(m_passou) : Veredito::NaoGraduado;
    conclui({ItemGraduado{ModuloOutros::teste(m_teste).nomeCI + QLatin1Char(' ') + comando(), status(), QString(), v}});
}
