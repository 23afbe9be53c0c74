#include "boardtests/ProcedimentoNand.h"

#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"

ProcedimentoNand::ProcedimentoNand(Ligacao& ligacao, const QString& modelo, int funcao, QObject* pai)
    : Procedimento(ligacao, Codigo, pai), m_modelo(modelo), m_funcao(funcao)
{
}

bool ProcedimentoNand::Serve(const QString& modelo, int funcao)
{
    return funcao != 2 || PerfilModelo::de(modelo).syscfgNand;
}

QString ProcedimentoNand::Titulo(int funcao)
{
    switch (funcao) {
    case 0: return L(QStringLiteral("Identificação Única NAND"));
    case 1: return L(QStringLiteral("Tamanho da NAND"));
    case 2: return L(QStringLiteral("Informações da NAND"));
    default: return ModuloNand::ComandoNand(funcao);
    }
}

void ProcedimentoNand::limpa()
{
    m_veredicto = {};
    m_capacidade.reset();
}

bool ProcedimentoNand::comeca()
{
    if (!Serve(m_modelo, m_funcao)) {
        termina(Fim::Recusado);
        return true;
    }
    return pede(ModuloNand::ComandoNand(m_funcao), m_funcao == 3 ? Ligacao::Modo::Espelhada : Ligacao::Modo::Normal);
}

void ProcedimentoNand::responde(const QString& R, const QString& A)
{
    Q_UNUSED(R);
    m_veredicto = ModuloNand::AvaliaNand(m_funcao, A);
    if (A.size() >= ModuloNand::MinimoTamanho)
        if (const auto texto = ModuloNand::TextoTamanho(A))
            m_capacidade = ModuloNand::ClassificaTamanho(*texto);
    // An answer too short to be judged gets no verdict.
    Veredito veredito = Veredito::NaoGraduado;
    QString leitura;
    if (m_veredicto.naoDisponivel) {
        veredito = Veredito::NaoMensuravel;
        leitura = L(QStringLiteral("Não disponível para 6/6P"));
    } else if (m_veredicto.tipo != ModuloNand::Veredicto::Tipo::Nenhum) {
        const bool ok = m_veredicto.tipo == ModuloNand::Veredicto::Tipo::Ok;
        veredito = VereditoDe(ok);
        leitura = L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF"));
        if (m_funcao == 1 && ok && m_capacidade)
            leitura = *m_capacidade;
    }
    conclui({ItemGraduado{Titulo(m_funcao), leitura, QString(), veredito}});
}
