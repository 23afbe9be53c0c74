#include "shell/Globais.h"

#include "i18n/IdiomaAtivo.h"

Globais& Globais::instancia()
{
    static Globais g;
    return g;
}

void Globais::reinicia(const QString& pastaAplicacao)
{
    *this = Globais();
    DefineIdioma(0); // a fresh start has no language until it is loaded
    PastaAplicacao = pastaAplicacao;
    CaminhoBanco = pastaAplicacao.isEmpty() ? QString() : pastaAplicacao + QStringLiteral("/Config.qzd");
}

QString Globais::caminhoUsuario() const
{
    return PastaAplicacao + QStringLiteral("/User.qzd");
}
