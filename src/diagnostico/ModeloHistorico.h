#pragma once
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include "diagnostico/AcervoHistorico.h"

// The history as a table for a view: one row per run, newest first, in the program's language.
class ModeloHistorico : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { ColEtiqueta, ColModelo, ColNumero, ColData, ColDuracao, ColVeredito, ColContagens, NumColunas };
    // The run's verdict name (NomeVeredito) on every column, for the view to tint.
    static constexpr int PapelVeredito = Qt::UserRole + 1;
    // The value a column sorts by (the date as a date, the duration as a number).
    static constexpr int PapelOrdem = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;
    void defineHistorico(Historico h);
    const Historico& historico() const { return m_historico; }
    const LinhaHistorico& linha(int linha) const { return m_historico.execucoes.at(linha); }
    // The texts follow a language change.
    void retraduz();

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

private:
    Historico m_historico;
};

// The rows the technician's criterion accepts (Atende), sortable by any column.
class FiltroHistorico : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FiltroHistorico(ModeloHistorico* fonte, QObject* pai = nullptr);
    void defineCriterio(const CriterioHistorico& c);
    const CriterioHistorico& criterio() const { return m_criterio; }
    // The run on a row of this filter.
    const LinhaHistorico& linha(int linhaFiltro) const;
    // The runs shown, in the order shown.
    QList<LinhaHistorico> linhasVisiveis() const;

protected:
    bool filterAcceptsRow(int linhaFonte, const QModelIndex& pai) const override;
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override;

private:
    ModeloHistorico* m_fonte;
    CriterioHistorico m_criterio;
};
