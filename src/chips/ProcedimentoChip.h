#pragma once
#include "chips/Painel.h"
#include "shell/Procedimento.h"

#include <QElapsedTimer>
#include <QTimer>

// The reading of one chip (Tigris, Tristar/Hydra, Chestnut, Acorn): its command under its
// requester code, graded the moment the answer arrives into the panel its window shows
// (values, tints, verdicts, marks, status text) and into items named "<chip> <rail>" as the
// technician knows them. The chip's window and the whole-board diagnosis both run it.
class ProcedimentoChip : public Procedimento {
    Q_OBJECT
public:
    enum class Chip { Tigris, Tristar, Chestnut, Acorn };

    // The procedure of `chip` for `modelo`.
    static ProcedimentoChip* cria(Chip chip, Ligacao& ligacao, const QString& modelo, QObject* pai = nullptr);

    Chip chip() const { return m_chip; }
    QString modelo() const { return m_modelo; }
    // The model the next reading grades for (a window follows the session's).
    void defineModelo(const QString& modelo) { m_modelo = modelo; }
    // The chip as the technician knows it: "Tigris", "Tristar" or "Hydra", "Chestnut", "Acorn".
    QString titulo() const;

    // The panel of the last reading; the cleared one from inicia() until a reading is graded.
    const Painel& painel() const { return m_painel; }
    // The model is one the chip does not serve: a reading ends as refused, nothing is sent.
    virtual bool recusaModelo() const { return false; }
    // The panel before any reading, for the model.
    virtual Painel painelLimpo() const = 0;
    // The answer as the window keeps it (Tigris and Chestnut without the echoes, the others
    // whole).
    const QString& dados() const { return m_dados; }

signals:
    // A reading was graded into the panel. Chestnut may read once more before terminou().
    void lido();

protected:
    ProcedimentoChip(Chip chip, Ligacao& ligacao, const QString& codigo, const QString& comando,
                     const QString& modelo, QObject* pai);

    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;

    // Grades the answer into m_painel (cleared before) and keeps m_dados.
    virtual void carrega(const QString& R, const QString& A) = 0;
    // The items of the panel, in the order the window shows the rails.
    virtual QList<ItemGraduado> itensDoPainel() const = 0;

    // One item: the rail's name after the chip's, the value control's text as its reading,
    // the verdict of `controleVeredito` (not graded when the panel gives it none).
    ItemGraduado item(const QString& malha, const QString& controleValor, const QString& controleVeredito,
                      const QString& referencia = QString()) const;
    // The same for a rail graded within ±10 % of its reference: the deviation its percentage
    // control shows goes with a compared reading.
    ItemGraduado itemNaFaixa(const QString& malha, const QString& controleValor, const QString& porc,
                             const QString& referencia) const;
    // Graded and shown: the panel goes to the window, the items to whoever ran it.
    void concluiLeitura(const QString& R, const QString& A);
    const QString m_comando;
    Painel m_painel;
    QString m_dados;

private:
    Chip m_chip;
    QString m_modelo;
};

// Chestnut: a touch supply read out of range may only mean the touch controller is off. Once
// per procedure (a window's: per opening) it is switched on and the chip read again once it
// has settled; the technician's own switching (alternaToque) counts as that once.
class ProcedimentoChestnut : public ProcedimentoChip {
    Q_OBJECT
public:
    ProcedimentoChestnut(Ligacao& ligacao, const QString& modelo, QObject* pai = nullptr);

    Painel painelLimpo() const override;
    bool recusaModelo() const override;
    // Sends "touch --on" or "touch --off", then reads the chip once it has settled. False as
    // inicia() when the link was not idle.
    bool alternaToque(bool ligar);
    bool toqueAcionado() const { return m_toqueAcionado; }
    void defineToqueAcionado(bool acionado) { m_toqueAcionado = acionado; }

    // The pause before the touch controller is switched (the reading stays on show), and
    // from the switch to the next reading (the controller settles).
    static constexpr int PausaAntesDoToqueMs = 200;
    static constexpr int PausaAposToqueMs = 1000;

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;
    void carrega(const QString& R, const QString& A) override;
    QList<ItemGraduado> itensDoPainel() const override;

private:
    void pedeToque(const QString& comando);
    void depoisDaPausa();

    QTimer m_pausa;
    QElapsedTimer m_desdeToque;
    QElapsedTimer m_esperaLivre; // how long the link was busy at the end of a pause
    QString m_toquePedido;       // the touch command the next start sends first
    QString m_proximo;           // what the pause ends with: a touch command, or the reading
    bool m_toqueAcionado = false;
    bool m_foraDaFaixa = false;
};
