#include "shell/ConsultaModelo.h"

const QString ConsultaModelo::Comando = QStringLiteral("syscfg print RMd#");

ConsultaModelo::ConsultaModelo(Ligacao& ligacao, QObject* pai) : Procedimento(ligacao, SemRequisitante, pai)
{
}

void ConsultaModelo::limpa()
{
    m_resultado = {};
    m_consultas = 0;
}

bool ConsultaModelo::consulta()
{
    // The number comes with the prompt: never closed at the first poll.
    if (!pede(Comando, Ligacao::Modo::Conexao, RegrasTroca::RegraFim::SemAtalho))
        return false;
    ++m_consultas;
    return true;
}

bool ConsultaModelo::comeca()
{
    return consulta();
}

void ConsultaModelo::responde(const QString& R, const QString&)
{
    m_resultado = AvaliaConsultaModelo(R, m_consultas == 1);
    if (m_resultado.acao == AvaliacaoConsulta::Acao::Repete && consulta())
        return;
    conclui({});
}
