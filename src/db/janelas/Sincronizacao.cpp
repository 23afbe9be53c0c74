#include "db/janelas/Sincronizacao.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"

namespace {

// The closing box of a merge.
void MostraResultadoImportacao(const ResultadoImportacao& res)
{
    if (res.falha.ok())
        MostraMensagem(QStringLiteral("MSG_DADOS_SYNC"));
    else
        dialogos().mensagem(res.falha.mensagem(), L(QStringLiteral("Sincronização")), Dialogos::Icone::Critico);
}

} // namespace

ResultadoBanco PerguntaImportacao()
{
    if (!ImportacaoAPerguntar())
        return {};
    const auto resposta = dialogos().mensagem(
        L(QStringLiteral("Dados UPDATE1")) + QStringLiteral("\r\n") + L(QStringLiteral("Dados UPDATE2")),
        L(QStringLiteral("Sincronização")), Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao);
    const std::optional<ResultadoImportacao> res = RespondeImportacao(resposta == Dialogos::Resposta::Sim);
    if (!res)
        return {};
    MostraResultadoImportacao(*res);
    return res->falha;
}

ResultadoImportacao SincronizaDadosUsuario()
{
    const ResultadoImportacao res = ImportaDadosUsuario();
    MostraResultadoImportacao(res);
    return res;
}

