#pragma once
// A bench board playing one model, the windows environment linked to it, a copy of the
// reference database and scripted dialogs: what every rail window test starts from.
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "db/Banco.h"
#include "i18n/Dialogos.h"
#include "shell/Globais.h"

#include <QSqlRecord>
#include <QTest>
#include <memory>

struct CenarioTrilhas {
    PastaAplicacaoTemporaria pasta;
    RoteiroInstalado dialogos;
    Bancada bancada;
    std::unique_ptr<AmbienteJanelas> ambiente;

    CenarioTrilhas() { Globais::instancia().IdiomaAtual = 1; }
    ~CenarioTrilhas() { ambiente.reset(); }

    // Starts the board as `modelo` with the extra options and links the environment to it.
    bool inicia(const QString& modelo, const QString& numero, const QStringList& opcoes = {})
    {
        QStringList o{QStringLiteral("--modelo"), modelo};
        o += opcoes;
        if (!bancada.inicia(o, 0))
            return false;
        ambiente = std::make_unique<AmbienteJanelas>();
        return ambiente->conecta(bancada.dispositivo(), modelo, numero);
    }

    GerenciadorJanelas& janelas() { return ambiente->janelas; }
    Ligacao& ligacao() { return ambiente->ligacao; }

    // How many times the board was asked for `comando`.
    int pedidos(const QByteArray& comando) const { return bancada.registro().count(comando + '\r'); }

    // Rows of Master for a condition, as maps of field to text.
    QList<QSqlRecord> master(const QString& condicao, const QVariantList& valores = {}) const
    {
        Banco b(Globais::instancia().CaminhoBanco);
        return b.linhas(QStringLiteral("Select * from Master where ") + condicao, valores);
    }
};

template <class T>
T* filho(QWidget* w, const QString& nome)
{
    T* c = w->findChild<T*>(nome);
    if (!c)
        qWarning("control %s not found", qPrintable(nome));
    return c;
}
