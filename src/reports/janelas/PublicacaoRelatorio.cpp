#include "reports/janelas/PublicacaoRelatorio.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"

RelatorioPublicado PublicaRelatorio(const LocalDados& dados, const QString& pagina, const QString& consulta,
                                    const QString& modelo, const QString& numero,
                                    const QString& janela, const QString& host)
{
    return AbreRelatorioEscrito(EscreveRelatorio(dados, pagina, consulta, modelo, numero, janela, dialogos().agora(), host));
}

RelatorioPublicado AbreRelatorioEscrito(RelatorioPublicado r)
{
    if (!r.erro.isEmpty()) {
        dialogos().mensagem(L(QStringLiteral("RELATORIO_NAO_SALVO")) + QStringLiteral("\n\n") + r.erro,
                            L(QStringLiteral("Relatório")), Dialogos::Icone::Exclamacao);
        return r;
    }
    r.abriu = AbreDocumento(r.aberto);
    return r;
}

bool AbreDocumento(const QString& caminho)
{
    if (dialogos().abre(caminho))
        return true;
    dialogos().mensagem(L(QStringLiteral("SEM_VISUALIZADOR")) + QStringLiteral("\n\n") + caminho,
                        L(QStringLiteral("Relatório")), Dialogos::Icone::Exclamacao);
    return false;
}

std::optional<QString> PerguntaNomeRelatorio(const QString& banco)
{
    const std::optional<QString> nome = dialogos().entrada(
        L(QStringLiteral("DIGITE SEU NOME")), L(QStringLiteral("Relatório")) + QStringLiteral(" - PDF"),
        LeNomeRelatorio(banco));
    if (nome)
        GravaNomeRelatorio(banco, *nome);
    return nome;
}
