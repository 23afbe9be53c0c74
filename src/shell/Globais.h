#pragma once
#include "db/LocalDados.h"

#include <QString>

// Where the data lives, for the last readers in the logic layer that do not yet take it as a
// parameter: the rail grading (rails/GradeTrilhas), the rail and chip report pages
// (reports/RelatorioMalhas, reports/ArquivoRelatorio, with the diagnosis history beside them). Everything else takes the application
// context (shell/ContextoAplicacao.h) built in main, which also sets this from it.
class Globais {
public:
    static Globais& instancia();
    void reinicia(const QString& pastaAplicacao = QString());

    QString PastaAplicacao;    // folder of the executable (or the test's temporary copy)
    QString CaminhoBanco;      // PastaAplicacao + "/Config.qzd"

    QString caminhoUsuario() const; // PastaAplicacao + "/User.qzd"
    LocalDados dados() const { return {CaminhoBanco, PastaAplicacao}; }
};
