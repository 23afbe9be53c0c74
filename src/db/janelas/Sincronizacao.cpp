#include "db/janelas/Sincronizacao.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"

namespace {

// What a merge that left tables out brought over, and what not.
QString TextoImportacaoParcial(const ResultadoImportacao& res)
{
    QStringList faltam;
    for (const QString& tabela : res.tabelasNaoLidas)
        faltam << L(QStringLiteral("IMPORTACAO_TABELA_") + tabela);
    return L(QStringLiteral("IMPORTACAO_PARCIAL"))
        .arg(res.gravacoes)
        .arg(res.dadosNovos + res.dadosAtualizados)
        .arg(res.comandosNovos)
        .arg(res.combos ? 1 : 0)
        .arg(faltam.join(QStringLiteral(", ")));
}

// The closing box of a merge.
void MostraResultadoImportacao(const ResultadoImportacao& res)
{
    if (res.completa())
        MostraMensagem(QStringLiteral("MSG_DADOS_SYNC"));
    else if (res.falha.ok())
        dialogos().mensagem(TextoImportacaoParcial(res), L(QStringLiteral("Sincronização")),
                            Dialogos::Icone::Exclamacao);
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

