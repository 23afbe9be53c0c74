#include "diagnostico/ModeloHistorico.h"

#include "i18n/Dicionario.h"
#include "i18n/Idioma.h"

#include <QLocale>

void ModeloHistorico::defineHistorico(Historico h)
{
    beginResetModel();
    m_historico = std::move(h);
    endResetModel();
}

void ModeloHistorico::retraduz()
{
    emit headerDataChanged(Qt::Horizontal, 0, NumColunas - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, NumColunas - 1));
}

int ModeloHistorico::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : int(m_historico.execucoes.size());
}

int ModeloHistorico::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : NumColunas;
}

QVariant ModeloHistorico::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const LinhaHistorico& l = m_historico.execucoes.at(indice.row());
    if (papel == PapelVeredito)
        return NomeVeredito(l.veredito);
    if (papel == PapelOrdem) {
        switch (indice.column()) {
        case ColData: return l.inicio;
        case ColDuracao: return l.duracaoMs;
        case ColVeredito: return int(l.veredito);
        case ColContagens: return l.falha * 100000 + l.semLeitura;
        default: return data(indice, Qt::DisplayRole);
        }
    }
    if (papel == Qt::ToolTipRole && indice.column() == ColVeredito && !l.falhas.isEmpty())
        return l.falhas.join(QLatin1Char('\n'));
    if (papel != Qt::DisplayRole)
        return {};
    switch (indice.column()) {
    case ColEtiqueta: return l.etiqueta;
    case ColModelo: return l.modelo;
    case ColNumero: return l.numero;
    case ColData: return LocalDoPrograma().toString(l.inicio, QLocale::ShortFormat);
    case ColDuracao: return LocalDoPrograma().toString(l.duracaoMs / 1000.0, 'f', 1) + QStringLiteral(" s");
    case ColVeredito:
        return MarcaVeredito(l.veredito) + QLatin1Char(' ') + TextoVeredito(l.veredito)
               + (l.completa ? QString() : QStringLiteral(" (") + L(QStringLiteral("HIST_PARCIAL")) + QLatin1Char(')'));
    case ColContagens: return TextoContagens(l);
    }
    return {};
}

QVariant ModeloHistorico::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    switch (secao) {
    case ColEtiqueta: return L(QStringLiteral("DIAG_ETIQUETA_CURTA"));
    case ColModelo: return L(QStringLiteral("Modelo"));
    case ColNumero: return L(QStringLiteral("HIST_NUMERO"));
    case ColData: return L(QStringLiteral("DIAG_DATA"));
    case ColDuracao: return L(QStringLiteral("DIAG_DURACAO"));
    case ColVeredito: return L(QStringLiteral("HIST_VEREDITO"));
    case ColContagens: return L(QStringLiteral("HIST_CONTAGENS"));
    }
    return {};
}

FiltroHistorico::FiltroHistorico(ModeloHistorico* fonte, QObject* pai) : QSortFilterProxyModel(pai), m_fonte(fonte)
{
    setSourceModel(fonte);
    setSortRole(ModeloHistorico::PapelOrdem);
}

void FiltroHistorico::defineCriterio(const CriterioHistorico& c)
{
    m_criterio = c;
    invalidateRowsFilter();
}

const LinhaHistorico& FiltroHistorico::linha(int linhaFiltro) const
{
    return m_fonte->linha(mapToSource(index(linhaFiltro, 0)).row());
}

QList<LinhaHistorico> FiltroHistorico::linhasVisiveis() const
{
    QList<LinhaHistorico> r;
    r.reserve(rowCount());
    for (int k = 0; k < rowCount(); ++k)
        r << linha(k);
    return r;
}

bool FiltroHistorico::filterAcceptsRow(int linhaFonte, const QModelIndex&) const
{
    return Atende(m_fonte->linha(linhaFonte), m_criterio);
}

bool FiltroHistorico::lessThan(const QModelIndex& a, const QModelIndex& b) const
{
    const LinhaHistorico& x = m_fonte->linha(a.row());
    const LinhaHistorico& y = m_fonte->linha(b.row());
    switch (a.column()) {
    case ModeloHistorico::ColData: return x.inicio < y.inicio;
    case ModeloHistorico::ColDuracao: return x.duracaoMs < y.duracaoMs;
    case ModeloHistorico::ColVeredito: return int(x.veredito) < int(y.veredito);
    case ModeloHistorico::ColContagens:
        return std::pair(x.falha, x.semLeitura) < std::pair(y.falha, y.semLeitura);
    default:
        return QString::localeAwareCompare(a.data().toString(), b.data().toString()) < 0;
    }
}
