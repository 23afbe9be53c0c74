#include "rails/janelas/PublicacaoMalhas.h"

#include "i18n/Dialogos.h"
#include "i18n/Idioma.h"
#include "i18n/IdiomaAtivo.h"
#include "reports/janelas/PublicacaoRelatorio.h"

#include <QLocale>

std::optional<RelatorioPublicado> GeraRelatorioMalhas(const LocalDados& dados, int familia,
                                                      const QList<LinhaRelatorio>& linhas,
                                                      const QString& modelo, const QString& numero,
                                                      const QString& host)
{
    const QString data = LocalDoPrograma().toString(dialogos().agora().date(), QLocale::ShortFormat);
    const std::optional<QString> nome = PerguntaNomeRelatorio(dados.banco);
    if (!nome)
        return std::nullopt;
    const QString consulta = ConsultaRelatorio(linhas, familia, data, IdiomaAtual(), modelo, nome);
    return PublicaRelatorio(dados, QStringLiteral("index"), consulta, modelo, numero, JanelaDoRelatorio(familia), host);
}

std::optional<RelatorioPublicado> GeraRelatorioMalhas(const LocalDados& dados, int familia,
                                                      const ConsultaMaster& consultaDaGrade,
                                                      const QString& modelo, const QString& numero,
                                                      const QString& host)
{
    return GeraRelatorioMalhas(dados, familia, LinhasRelatorio(dados.banco, consultaDaGrade), modelo, numero, host);
}
