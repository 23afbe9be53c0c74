#include "shell/ContextoAplicacao.h"

#include "shell/Paginas.h"

ContextoAplicacao ContextoAplicacao::daPasta(const QString& pasta)
{
    ContextoAplicacao c;
    c.dados.pasta = pasta;
    c.dados.banco = pasta.isEmpty() ? QString() : pasta + QStringLiteral("/Config.qzd");
    return c;
}

QString ContextoAplicacao::titulo() const
{
    return QStringLiteral("Vexador Tarrim v.") + versao;
}

bool ContextoAplicacao::paginaConfigurada(int numero) const
{
    return PaginaConfigurada(dados.pasta, numero);
}

void ContextoAplicacao::abrePagina(int numero) const
{
    AbrePagina(dados.pasta, numero);
}
