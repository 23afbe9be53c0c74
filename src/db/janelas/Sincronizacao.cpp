#include "db/janelas/Sincronizacao.h"

#include "db/Combos.h"
#include "db/janelas/AvisoNaoGravado.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"

#include <QCoreApplication>
#include <QTimer>

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

ResultadoBanco PerguntaImportacao(const LocalDados& dados)
{
    if (!ImportacaoAPerguntar(dados))
        return {};
    const auto resposta = dialogos().mensagem(
        L(QStringLiteral("Dados UPDATE1")) + QStringLiteral("\r\n") + L(QStringLiteral("Dados UPDATE2")),
        L(QStringLiteral("Sincronização")), Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao);
    const std::optional<ResultadoImportacao> res = RespondeImportacao(dados, resposta == Dialogos::Resposta::Sim);
    if (!res)
        return {};
    MostraResultadoImportacao(*res);
    return res->falha;
}

ResultadoImportacao SincronizaDadosUsuario(const LocalDados& dados)
{
    const ResultadoImportacao res = ImportaDadosUsuario(dados);
    MostraResultadoImportacao(res);
    return res;
}


namespace {

void ofereceSaidaDaImportacao(const LocalDados& dados, const QString& titulo)
{
    const auto resposta = dialogos().mensagem(L(QStringLiteral("COPIA_PENDENTE")).arg(NomeCopiaGuardada(dados.pasta)),
                                              L(QStringLiteral("Sincronização")), Dialogos::Icone::Pergunta,
                                              Dialogos::Botoes::SimNaoCancelar);
    if (resposta == Dialogos::Resposta::Sim) {
        // The recordings made since this installation are newer: they stay, the old data only
        // fills what is empty, and the old file is kept aside whole as well.
        const ResultadoImportacao res = ImportaDados(dados.banco, dados.usuario(), true);
        MostraResultadoImportacao(res);
        if (!res.completa())
            return; // still pending: User.qzd stays as it is
        const ResultadoCopiaGuardada r = GuardaCopiaAntigaERetoma(dados);
        if (!r.copia.ok())
            AvisaNaoGravado(r.copia, titulo);
    } else if (resposta == Dialogos::Resposta::Nao) {
        const ResultadoCopiaGuardada r = GuardaCopiaAntigaERetoma(dados);
        if (!r.copia.ok())
            AvisaNaoGravado(r.copia, titulo);
        else
            dialogos().mensagem(L(QStringLiteral("COPIA_GUARDADA")).arg(r.guardada), titulo,
                                Dialogos::Icone::Informacao);
    }
}

} // namespace

ResultadoBanco CopiaBancoUsuarioAvisando(const LocalDados& dados, const QString& titulo)
{
    const ResultadoBanco r = CopiaBancoUsuario(dados.pasta);
    if (r.ok())
        return r;
    // Said once the closing window is gone: a box must not run inside its destruction.
    QTimer::singleShot(0, QCoreApplication::instance(), [r, titulo, dados] {
        if (r.motivo() != MotivoFalhaBanco::ImportacaoPendente) {
            AvisaNaoGravado(r, titulo);
            return;
        }
        // Once per session (of an application folder).
        static QString oferecidaEm;
        const QString pasta = dados.pasta;
        if (oferecidaEm == pasta)
            return;
        oferecidaEm = pasta;
        ofereceSaidaDaImportacao(dados, titulo);
    });
    return r;
}
