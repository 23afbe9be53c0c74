#pragma once
#include "db/LocalDados.h"

#include <QString>

// What the running program shares: where its data lives, its version and caption, and the
// numbered pages its folder offers. Built once by whoever starts the program (main, or a
// test's support) and handed down: the windows reach it through their window manager, the
// logic takes only the part it needs (a LocalDados, a folder, a path) as a parameter.
// The language is IdiomaAtual() (i18n/IdiomaAtivo.h); the boxes are the Dialogos seam.
struct ContextoAplicacao {
    LocalDados dados;
    QString versao = QStringLiteral("2.31");

    // The context of application folder `pasta` (its database is pasta/Config.qzd); an empty
    // folder gives no paths at all.
    static ContextoAplicacao daPasta(const QString& pasta);

    // "Vexador Tarrim v." + versao: the main window's caption while no board is identified.
    QString titulo() const;

    // The page seam (shell/Paginas.h) on this context's folder.
    bool paginaConfigurada(int numero) const;
    void abrePagina(int numero) const;
};
