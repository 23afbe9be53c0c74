#pragma once
#include <QString>

// A temporary application folder holding a fresh copy of the built Config.qzd and the report
// pages; the process-wide values point at it while the object lives.
class PastaAplicacaoTemporaria {
public:
    explicit PastaAplicacaoTemporaria(bool comBanco = true);
    ~PastaAplicacaoTemporaria();
    QString caminho() const;
    QString banco() const; // path of the copy of Config.qzd
private:
    struct Dados;
    Dados* d;
};

// The report query a published report carries: read from inside a written report file, or
// from the query of an address. Empty when there is none.
QString ConsultaDoRelatorio(const QString& arquivoOuEndereco);
