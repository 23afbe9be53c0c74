#include "shell/Globais.h"

Globais& Globais::instancia()
{
    static Globais g;
    return g;
}

void Globais::reinicia(const QString& pastaAplicacao)
{
    *this = Globais();
    TituloPrincipal = QStringLiteral("Vexador Tarrim v.") + VersaoSistema;
    PastaAplicacao = pastaAplicacao;
    CaminhoBanco = pastaAplicacao.isEmpty() ? QString() : pastaAplicacao + QStringLiteral("/Config.qzd");
}

QString Globais::caminhoUsuario() const
{
    return PastaAplicacao + QStringLiteral("/User.qzd");
}
