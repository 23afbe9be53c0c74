#pragma once
#include "db/LocalDados.h"

#include <QHash>
#include <QString>

// The process-wide values every window shares. One instance lives for the whole run
// (Globais::instancia()); tests may reset it with reinicia().
class Globais {
public:
    static Globais& instancia();
    void reinicia(const QString& pastaAplicacao = QString());

    QString VersaoSistema = QStringLiteral("2.31");
    QString TituloPrincipal;   // "Vexador Tarrim v." + VersaoSistema
    QString PastaAplicacao;    // folder of the executable (or the test's temporary copy)
    QString CaminhoBanco;      // PastaAplicacao + "/Config.qzd"

    QString caminhoUsuario() const; // PastaAplicacao + "/User.qzd"
    LocalDados dados() const { return {CaminhoBanco, PastaAplicacao}; }
};
