#pragma once
#include "boardtests/I2c.h"
#include "shell/Procedimento.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The I2C family's reading: one scan per bus ("i2c -s n"), each graded the moment its answer
// arrives against the devices the reference database expects on that bus; the next bus is
// asked on the answer of the previous one. The window's automatic test gives it every bus of
// the model, a bus button one bus, the diagnosis one bus per step.
//
// An answer with no text says nothing about the devices: they are listed as not read (the
// window shows no verdict for that bus, as it shows none while it waits).
class ProcedimentoI2c : public Procedimento {
    Q_OBJECT
public:
    inline static const QString Codigo = QStringLiteral("6");
    static QString Comando(int barramento) { return QStringLiteral("i2c -s ") + QString::number(barramento); }

    // What one bus gave, in the order the window lists it.
    struct Barramento {
        int barramento = -1;
        QString resposta;         // the answer without the command's echo
        bool respondido = false;  // the phone printed something
        // The database could not say what the bus holds: the standard error box's text and number.
        QString erro;
        int numeroErro = 0;
        QList<ModuloI2C::Dispositivo> dispositivos;
        bool falhou() const; // an expected device did not answer
    };

    ProcedimentoI2c(Ligacao& ligacao, const QString& modelo, const QString& caminhoBanco,
                    QList<int> barramentos, QObject* pai = nullptr);

    // The buses the next inicia() scans (the automatic test goes on after a failed read).
    void defineBarramentos(QList<int> barramentos) { m_barramentos = std::move(barramentos); }
    const QList<int>& barramentosPedidos() const { return m_barramentos; }
    // The buses graded so far in this reading.
    const QList<Barramento>& barramentos() const { return m_lidos; }
    // The bus of the scan in flight or of the last one.
    int barramentoAtual() const { return m_atual; }

    // "I2C <bus> <id> <description>", the name a device has wherever its verdict is shown.
    static QString NomeItem(int barramento, const ModuloI2C::Dispositivo& d);

signals:
    // A bus was graded: barramentos().last() is it.
    void barramentoGraduado();

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;

private:
    bool pedeProximo();
    QList<ItemGraduado> itensDe(const Barramento& b) const;

    QString m_modelo;
    QString m_caminhoBanco;
    QList<int> m_barramentos;
    QList<Barramento> m_lidos;
    QList<ItemGraduado> m_itens;
    int m_atual = -1;
};
