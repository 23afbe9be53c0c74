#pragma once
// A bench board playing one model, the windows environment linked to it, a copy of the
// reference database and scripted dialogs: what every rail window test starts from.
#include "apoio/CenarioJanela.h"
#include "db/Banco.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QSqlRecord>
#include <QTest>

struct CenarioTrilhas : CenarioJanela {
    RoteiroInstalado& dialogos = roteiro;
    std::unique_ptr<AmbienteJanelas>& ambiente = amb;

    CenarioTrilhas() { DefineIdioma(1); }
    ~CenarioTrilhas() { ambiente.reset(); }

    // Starts the board as `modelo` (built-in readings) with the extra options and links the
    // environment to it.
    bool inicia(const QString& modelo, const QString& numero, const QStringList& opcoes = {})
    {
        return iniciaBancada(modelo, {}, opcoes, numero, false);
    }

    GerenciadorJanelas& janelas() { return ambiente->janelas; }
    Ligacao& ligacao() { return ambiente->ligacao; }
    Sessao& sessao() { return ambiente->sessao; }

    // How many times the board was asked for `comando`.
    int pedidos(const QByteArray& comando) const { return vezes(comando); }

    // Rows of Master for a condition, as maps of field to text.
    QList<QSqlRecord> master(const QString& condicao, const QVariantList& valores = {}) const
    {
        Banco b(DadosTeste().banco);
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
