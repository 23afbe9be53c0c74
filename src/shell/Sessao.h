#pragma once
#include "shell/Ligacao.h"
#include "shell/PerfilModelo.h"

#include <QObject>
#include <QString>

// What the bench is working on right now: the phone model and its regulatory number, the box
// model, the link's state, the charger chip family, and the IC filter of the rail grid. One
// lives beside the link for the whole run; windows read it and follow its signals to derive
// their own enabled state and captions, so no window sets another's widgets.
class Sessao : public QObject {
    Q_OBJECT
public:
    explicit Sessao(Ligacao& ligacao, QObject* pai = nullptr);

    Ligacao& ligacao() const { return m_ligacao; }

    QString modelo() const { return m_modelo; }          // the model chooser's text
    void defineModelo(const QString& modelo);            // emits modeloMudou on a change
    QString numeroModelo() const { return m_numero; }    // regulatory number label
    void defineNumeroModelo(const QString& numero);      // emits numeroModeloMudou on a change
    QString modeloBox() const { return m_ligacao.modeloBox(); } // "1" or "2"
    void defineModeloBox(const QString& box) { m_ligacao.defineModeloBox(box); }

    EstadoLigacao estado() const { return m_ligacao.estado(); }
    bool ociosa() const { return m_ligacao.ociosa(); }

    // The port controller of the model's board: Hydra ("IP 8…", "IP X") or Tristar.
    bool chipHydra() const;
    // The rail grid's IC filter ("Todos", "CPU", "GPU", "NAND"): set by whoever narrows the
    // grid, followed by the grid.
    QString filtroIcs() const { return m_filtroIcs; }
    void defineFiltroIcs(const QString& filtro);
    // Another window asks the grid to read narrowed to `filtro` (the NAND window): the filter
    // is set and filtroIcsPedido told, even when it already was `filtro`.
    void pedeFiltroIcs(const QString& filtro);

signals:
    void modeloMudou(const QString& modelo);
    void numeroModeloMudou(const QString& numero);
    void estadoMudou(EstadoLigacao estado);
    void filtroIcsMudou(const QString& filtro);
    void filtroIcsPedido(const QString& filtro);

private:
    Ligacao& m_ligacao;
    QString m_modelo = PerfilModelo::nomeInicial();
    QString m_numero;
    QString m_filtroIcs;
};
