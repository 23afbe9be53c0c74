#include "app/janelas/AvisosInicio.h"

#include "i18n/Dialogos.h"
#include "shell/Inicio.h"

namespace Inicio {

bool recuperaBanco(const QString& caminho, const ExameBanco& exame, const QString& pastaInstalacao)
{
    if (exame.bom())
        return true;
    if (exame.estado == ExameBanco::Estado::Ausente) {
        dialogos().mensagem(textoBancoAusente(), tituloBancoAusente(), Dialogos::Icone::Critico);
        return false;
    }
    const QString instalado = bancoDaInstalacao(pastaInstalacao, caminho);
    if (instalado.isEmpty()) {
        dialogos().mensagem(textoBancoDanificado(exame, caminho, QString()), tituloBancoDanificado(),
                            Dialogos::Icone::Critico);
        return false;
    }
    const QString guardarComo = nomeGuardado(caminho, dialogos().agora());
    const auto resposta = dialogos().mensagem(textoBancoDanificado(exame, caminho, guardarComo),
                                              tituloBancoDanificado(), Dialogos::Icone::Critico,
                                              Dialogos::Botoes::SimNao);
    if (resposta != Dialogos::Resposta::Sim)
        return false;
    const QString erro = recomecaDaInstalacao(caminho, instalado, guardarComo);
    if (!erro.isEmpty()) {
        dialogos().mensagem(textoNaoSubstituido(erro), tituloBancoDanificado(), Dialogos::Icone::Critico);
        return false;
    }
    return true;
}

QString avisaSomenteLeitura(const QString& banco)
{
    const QString texto = textoSomenteLeitura(banco);
    if (!texto.isEmpty())
        dialogos().mensagem(texto, QStringLiteral("Vexador Tarrim"), Dialogos::Icone::Exclamacao);
    return texto;
}

} // namespace Inicio
