#pragma once
#include "shell/ContextoAplicacao.h"

#include <QList>
#include <QPair>
#include <QString>

// A temporary application folder holding a fresh copy of the built Config.qzd and the report
// pages; the tests' context (ContextoTeste) points at it while the object lives.
class PastaAplicacaoTemporaria {
public:
    explicit PastaAplicacaoTemporaria(bool comBanco = true);
    ~PastaAplicacaoTemporaria();
    QString caminho() const;
    QString banco() const; // path of the copy of Config.qzd
    // Writes the page addresses file of the folder: one "number = address" line each.
    void defineEnderecos(const QList<QPair<int, QString>>& paginas) const;
private:
    struct Dados;
    Dados* d;
};

// The application context the tests run with: the application folder a test set up last
// (PastaAplicacaoTemporaria, or ReiniciaTeste for a folder of its own), as main builds it.
ContextoAplicacao ContextoTeste();

// A fresh start as main makes one: no language until it is loaded, and the tests' data place on
// application folder `pastaAplicacao` (its Config.qzd); an empty folder gives no paths at all.
void ReiniciaTeste(const QString& pastaAplicacao = QString());
// The tests' data place that ContextoTeste carries; a test may point its database or folder
// elsewhere (a missing file, the shipped pages) until the next ReiniciaTeste.
LocalDados& DadosTeste();

// The report query a published report carries: read from inside a written report file, or
// from the query of an address. Empty when there is none.
QString ConsultaDoRelatorio(const QString& arquivoOuEndereco);
