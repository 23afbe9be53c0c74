#include "boardtests/ProcedimentoRf.h"

ProcedimentoRf::ProcedimentoRf(Ligacao& ligacao, const QString& modelo, int radio, Acao acao, QObject* pai)
    : Procedimento(ligacao, Codigo, pai), m_modelo(modelo), m_radio(radio), m_acao(acao)
{
}

QString ProcedimentoRf::Comando(int radio, Acao acao)
{
    const ModuloRf::Radio& r = ModuloRf::radio(radio);
    switch (acao) {
    case Acao::Liga: return r.comandoOn;
    case Acao::Desliga: return r.comandoOff;
    case Acao::Propriedades: break;
    }
    return r.comandoPropriedades;
}

bool ProcedimentoRf::comeca()
{
    if (!Serve(m_modelo, m_radio)) {
        termina(Fim::Recusado);
        return true;
    }
    return pede(Comando(m_radio, m_acao));
}

void ProcedimentoRf::responde(const QString& R, const QString& A)
{
    Q_UNUSED(R);
    // Only a switch-on is graded, and only on an answer with text.
    if (m_acao != Acao::Liga || A.isEmpty()) {
        conclui({});
        return;
    }
    m_veredicto = ModuloRf::AvaliaRadio(m_radio, A);
    conclui({ItemGraduado{ModuloRf::radio(m_radio).nome, m_veredicto->lbStatius.section(QStringLiteral("\r\n"), 1),
                          QString(), VereditoDe(m_veredicto->ok)}});
}
