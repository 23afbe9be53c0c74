#include "diagnostico/janelas/JanelaHistorico.h"

#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/PaginaDiagnostico.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Idioma.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

// The list tinted by each run's verdict, as every grid of the program tints its readings.
class FiltroPintado : public FiltroHistorico {
public:
    using FiltroHistorico::FiltroHistorico;
    QVariant data(const QModelIndex& indice, int papel) const override
    {
        if (papel == Qt::BackgroundRole && indice.column() == ModeloHistorico::ColVeredito) {
            const QColor cor = corVeredito(linha(indice.row()).veredito);
            return cor.isValid() ? QVariant(cor) : QVariant();
        }
        return FiltroHistorico::data(indice, papel);
    }
};

constexpr int DiasDoPeriodo[] = {0, 1, 7, 30, 90, 365};

QString textoData(const QDateTime& d)
{
    return LocalDoPrograma().toString(d, QLocale::ShortFormat);
}

QChart* graficoNovo()
{
    auto* g = new QChart;
    g->setMargins(QMargins(2, 2, 2, 2));
    g->setBackgroundRoundness(0);
    // Beside the plot, not under it: the tab is low on a laptop screen, and a plot squeezed
    // under its legend leaves its value axis no room but "...".
    g->legend()->setAlignment(Qt::AlignRight);
    return g;
}

} // namespace

JanelaHistorico::JanelaHistorico(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Historico"), janelas)
{
    m_pasta = QFileInfo(ArquivoHistorico(contexto().dados, QString(), QString(), QString())).absolutePath();
    m_modelo = new ModeloHistorico(this);
    m_filtro = new FiltroPintado(m_modelo, this);

    const auto nomeia = [](QWidget* w, const char* nome) {
        w->setObjectName(QLatin1String(nome));
        return w;
    };
    m_lbEtiqueta = new QLabel(this);
    m_edEtiqueta = new QLineEdit(this);
    nomeia(m_edEtiqueta, "edEtiqueta");
    m_edEtiqueta->setClearButtonEnabled(true);
    m_lbModelo = new QLabel(this);
    m_cbModelo = new QComboBox(this);
    nomeia(m_cbModelo, "cbModelo");
    m_lbPeriodo = new QLabel(this);
    m_cbPeriodo = new QComboBox(this);
    nomeia(m_cbPeriodo, "cbPeriodo");
    m_lbVeredito = new QLabel(this);
    m_cbVeredito = new QComboBox(this);
    nomeia(m_cbVeredito, "cbVeredito");
    for (int k = 0; k < int(std::size(DiasDoPeriodo)); ++k)
        m_cbPeriodo->addItem(QString(), DiasDoPeriodo[k]);
    m_cbVeredito->addItem(QString());
    for (Veredito v : {Veredito::Passa, Veredito::Falha, Veredito::SemLeitura})
        m_cbVeredito->addItem(iconeVeredito(v), QString(), int(v));

    auto* filtros = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_lbEtiqueta, m_edEtiqueta, m_lbModelo, m_cbModelo, m_lbPeriodo,
                                                      m_cbPeriodo, m_lbVeredito, m_cbVeredito})
        filtros->addWidget(w, w == m_edEtiqueta ? 1 : 0);
    m_lbEtiqueta->setBuddy(m_edEtiqueta);

    m_lbTotal = new QLabel(this);
    nomeia(m_lbTotal, "lbTotal");
    m_btPagina = new QPushButton(this);
    nomeia(m_btPagina, "btPagina");
    m_btCsv = new QPushButton(this);
    nomeia(m_btCsv, "btCsv");
    m_btRecarregar = new QPushButton(this);
    nomeia(m_btRecarregar, "btRecarregar");
    auto* acoes = new QHBoxLayout;
    acoes->addWidget(m_lbTotal, 1);
    acoes->addWidget(m_btPagina);
    acoes->addWidget(m_btCsv);
    acoes->addWidget(m_btRecarregar);


    m_tabela = new QTableView(this);
    nomeia(m_tabela, "tabela");
    m_tabela->setModel(m_filtro);
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabela->verticalHeader()->hide();
    // Rows of one height are laid out without asking every row: ten thousand runs scroll smoothly.
    m_tabela->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabela->verticalHeader()->setDefaultSectionSize(m_tabela->fontMetrics().height() + 6);
    m_tabela->horizontalHeader()->setStretchLastSection(true);
    m_tabela->horizontalHeader()->setSortIndicator(ModeloHistorico::ColData, Qt::DescendingOrder);
    m_tabela->setSortingEnabled(true);
    m_tabela->setMinimumHeight(3 * m_tabela->verticalHeader()->defaultSectionSize());
    // Columns sized by the first rows' texts: ten thousand rows are not measured one by one.
    m_tabela->horizontalHeader()->setResizeContentsPrecision(200);

    // The chosen run's comparison, rail chart and the model's failures.
    m_abas = new QTabWidget(this);
    nomeia(m_abas, "abas");
    auto* comparacao = new QWidget(m_abas);
    m_lbComparar = new QLabel(comparacao);
    m_cbComparar = new QComboBox(comparacao);
    nomeia(m_cbComparar, "cbComparar");
    m_cbComparar->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_arvComparacao = new QTreeWidget(comparacao);
    nomeia(m_arvComparacao, "arvComparacao");
    m_arvComparacao->setColumnCount(4);
    m_arvComparacao->setRootIsDecorated(true);
    {
        auto* c = new QVBoxLayout(comparacao);
        c->setContentsMargins(4, 4, 4, 4);
        auto* l = new QHBoxLayout;
        l->addWidget(m_lbComparar);
        l->addWidget(m_cbComparar, 1);
        c->addLayout(l);
        c->addWidget(m_arvComparacao, 1);
    }
    auto* trilha = new QWidget(m_abas);
    m_lbTrilha = new QLabel(trilha);
    m_cbTrilha = new QComboBox(trilha);
    nomeia(m_cbTrilha, "cbTrilha");
    m_grTrilha = new QChartView(graficoNovo(), trilha);
    nomeia(m_grTrilha, "grTrilha");
    m_grTrilha->setRenderHint(QPainter::Antialiasing);
    {
        auto* c = new QVBoxLayout(trilha);
        c->setContentsMargins(4, 4, 4, 4);
        auto* l = new QHBoxLayout;
        l->addWidget(m_lbTrilha);
        l->addWidget(m_cbTrilha, 1);
        c->addLayout(l);
        c->addWidget(m_grTrilha, 1);
    }
    auto* falhas = new QWidget(m_abas);
    m_lbFalhas = new QLabel(falhas);
    nomeia(m_lbFalhas, "lbFalhas");
    m_lbFalhas->setTextFormat(Qt::PlainText);
    m_lbFalhas->setWordWrap(true);
    m_grFalhas = new QChartView(graficoNovo(), falhas);
    nomeia(m_grFalhas, "grFalhas");
    {
        auto* c = new QVBoxLayout(falhas);
        c->setContentsMargins(4, 4, 4, 4);
        c->addWidget(m_lbFalhas);
        c->addWidget(m_grFalhas, 1);
    }
    // The damaged files have a tab of their own, shown first while there are any; the count
    // line above the list names them too.
    auto* danificados = new QWidget(m_abas);
    m_lbDanificados = new QLabel(danificados);
    nomeia(m_lbDanificados, "lbDanificados");
    m_lbDanificados->setTextFormat(Qt::PlainText);
    m_lbDanificados->setWordWrap(true);
    m_lstDanificados = new QListWidget(danificados);
    nomeia(m_lstDanificados, "lstDanificados");
    {
        auto* c = new QVBoxLayout(danificados);
        c->setContentsMargins(4, 4, 4, 4);
        c->addWidget(m_lbDanificados);
        c->addWidget(m_lstDanificados, 1);
    }
    m_abas->addTab(comparacao, QString());
    m_abas->addTab(trilha, QString());
    m_abas->addTab(falhas, QString());
    m_abas->addTab(danificados, QString());
    // Low enough for a laptop screen at 150 %: the splitter gives them the room there is.
    for (QAbstractScrollArea* v : std::initializer_list<QAbstractScrollArea*>{m_grTrilha, m_grFalhas, m_arvComparacao, m_lstDanificados})
        v->setMinimumHeight(3 * fontMetrics().height());

    auto* divisao = new QSplitter(Qt::Vertical, this);
    nomeia(divisao, "divisao");
    divisao->addWidget(m_tabela);
    divisao->addWidget(m_abas);
    divisao->setChildrenCollapsible(false);
    divisao->setStretchFactor(0, 3);
    divisao->setStretchFactor(1, 2);

    m_aviso = new AvisoRelatorio(this);

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(filtros);
    coluna->addLayout(acoes);
    coluna->addWidget(divisao, 1);
    coluna->addWidget(m_aviso);

    connect(m_edEtiqueta, &QLineEdit::textChanged, this, &JanelaHistorico::filtra);
    for (QComboBox* c : {m_cbModelo, m_cbPeriodo, m_cbVeredito})
        connect(c, &QComboBox::currentIndexChanged, this, &JanelaHistorico::filtra);
    // The selection, not the current cell: a click moves the current cell before it selects.
    connect(m_tabela->selectionModel(), &QItemSelectionModel::selectionChanged, this, &JanelaHistorico::selecaoMudou);
    connect(m_cbComparar, &QComboBox::currentIndexChanged, this, &JanelaHistorico::mostraComparacao);
    connect(m_cbTrilha, &QComboBox::currentIndexChanged, this, &JanelaHistorico::mostraTrilha);
    connect(m_btPagina, &QPushButton::clicked, this, [this] { abrePagina(); });
    connect(m_btCsv, &QPushButton::clicked, this, [this] { exportaCsv(); });
    connect(m_btRecarregar, &QPushButton::clicked, this, &JanelaHistorico::recarrega);
    traduz();
    recarrega();
}

JanelaHistorico::~JanelaHistorico()
{
    if (m_desistir)
        *m_desistir = true;
    if (m_leitor)
        m_leitor->wait();
}

QSize JanelaHistorico::sizeHint() const
{
    return {Twips::paraPixels(13500), Twips::paraPixels(9000)};
}

void JanelaHistorico::definePasta(const QString& pasta)
{
    m_pasta = pasta;
    recarrega();
}

void JanelaHistorico::recarrega()
{
    const int leitura = ++m_leitura;
    m_lendo = true;
    m_lbTotal->setText(L(QStringLiteral("HIST_LENDO")));
    // A reading still under way is of no use any more.
    if (m_desistir)
        *m_desistir = true;
    auto lido = std::make_shared<Historico>();
    m_desistir = std::make_shared<std::atomic_bool>(false);
    QThread* t = QThread::create([lido, desistir = m_desistir, pasta = m_pasta] { *lido = LeHistorico(pasta, desistir.get()); });
    m_leitor = t;
    connect(t, &QThread::finished, t, &QObject::deleteLater);
    // Only the last reading asked for is shown; a window closed meanwhile gets nothing.
    connect(t, &QThread::finished, this, [this, lido, leitura] {
        if (leitura == m_leitura)
            mostraHistorico(std::move(*lido));
    });
    t->start(QThread::LowPriority);
}

void JanelaHistorico::mostraDanificados()
{
    const QList<ArquivoDanificado>& danificados = m_modelo->historico().danificados;
    m_lstDanificados->clear();
    for (const ArquivoDanificado& d : danificados) {
        auto* item = new QListWidgetItem(QFileInfo(d.arquivo).fileName() + QStringLiteral(" \u2014 ") + d.motivo(),
                                         m_lstDanificados);
        item->setToolTip(QDir::toNativeSeparators(d.arquivo));
        item->setIcon(iconeVeredito(Veredito::Falha));
    }
    m_abas->setTabVisible(3, !danificados.isEmpty());
    m_abas->setTabText(3, L(QStringLiteral("HIST_ABA_DANIFICADOS")).arg(danificados.size()));
}

void JanelaHistorico::mostraHistorico(Historico h)
{
    const std::optional<LinhaHistorico> antes = selecionada();
    m_modelo->defineHistorico(std::move(h));
    m_lendo = false;
    mostraDanificados();
    if (!m_modelo->historico().danificados.isEmpty())
        m_abas->setCurrentIndex(3);
    preencheCombos();
    filtra();
    m_tabela->resizeColumnsToContents();
    // The run chosen before stays chosen.
    if (antes)
        for (int k = 0; k < m_filtro->rowCount(); ++k)
            if (MesmaPlaca(m_filtro->linha(k), *antes) && m_filtro->linha(k).inicio == antes->inicio) {
                seleciona(k);
                break;
            }
    // Else the newest run: its comparison and rail on show at once.
    if (!selecionada() && m_filtro->rowCount() > 0)
        seleciona(0);
    mostraFalhas();
    emit lido();
}

void JanelaHistorico::preencheCombos()
{
    const QString escolhido = m_cbModelo->currentData().toString();
    QStringList modelos;
    for (const LinhaHistorico& l : m_modelo->historico().execucoes)
        if (!modelos.contains(l.modelo))
            modelos << l.modelo;
    modelos.sort();
    const QSignalBlocker bloqueio(m_cbModelo);
    m_cbModelo->clear();
    m_cbModelo->addItem(L(QStringLiteral("HIST_TODOS_MODELOS")), QString());
    for (const QString& m : modelos)
        m_cbModelo->addItem(m, m);
    m_cbModelo->setCurrentIndex(std::max(0, m_cbModelo->findData(escolhido)));
}

QDateTime JanelaHistorico::inicioDoPeriodo() const
{
    const int dias = m_cbPeriodo->currentData().toInt();
    return dias > 0 ? dialogos().agora().addDays(-dias) : QDateTime();
}

void JanelaHistorico::filtra()
{
    CriterioHistorico c;
    c.etiqueta = m_edEtiqueta->text().trimmed();
    c.modelo = m_cbModelo->currentData().toString();
    c.desde = inicioDoPeriodo();
    if (m_cbVeredito->currentIndex() > 0)
        c.veredito = Veredito(m_cbVeredito->currentData().toInt());
    m_filtro->defineCriterio(c);
    mostraTotal();
    m_btCsv->setEnabled(m_filtro->rowCount() > 0);
    if (!m_tabela->selectionModel()->hasSelection())
        selecaoMudou();
    mostraFalhas();
}

void JanelaHistorico::mostraTotal()
{
    QString t = L(QStringLiteral("HIST_TOTAL")).arg(m_filtro->rowCount()).arg(m_modelo->rowCount());
    const qsizetype danificados = m_modelo->historico().danificados.size();
    if (danificados > 0)
        t += QStringLiteral("   \u2718 ") + L(QStringLiteral("HIST_N_DANIFICADOS")).arg(danificados);
    m_lbTotal->setText(t);
}

void JanelaHistorico::seleciona(int linhaFiltro)
{
    m_tabela->selectionModel()->setCurrentIndex(m_filtro->index(linhaFiltro, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_tabela->scrollTo(m_filtro->index(linhaFiltro, 0));
}

std::optional<LinhaHistorico> JanelaHistorico::selecionada() const
{
    const QModelIndexList linhas = m_tabela->selectionModel()->selectedRows();
    if (linhas.isEmpty())
        return std::nullopt;
    return m_filtro->linha(linhas.first().row());
}

void JanelaHistorico::selecaoMudou()
{
    const auto l = selecionada();
    m_placa.clear();
    m_naPlaca = -1;
    if (l) {
        m_placa = ExecucoesDaPlaca(m_modelo->historico().execucoes, *l);
        for (int k = 0; k < m_placa.size(); ++k)
            if (m_placa.at(k).first.arquivo == l->arquivo && m_placa.at(k).first.indice == l->indice)
                m_naPlaca = k;
    }
    m_btPagina->setEnabled(m_naPlaca >= 0);
    // The other runs of the board, the one before this first (what a repair is judged against).
    {
        const QSignalBlocker bloqueio(m_cbComparar);
        m_cbComparar->clear();
        const auto junta = [this](int k) {
            const LinhaHistorico& o = m_placa.at(k).first;
            m_cbComparar->addItem(iconeVeredito(o.veredito), textoData(o.inicio) + QStringLiteral("  ") + TextoVeredito(o.veredito), k);
        };
        for (int k = m_naPlaca - 1; k >= 0; --k)
            junta(k);
        for (int k = m_naPlaca + 1; m_naPlaca >= 0 && k < m_placa.size(); ++k)
            junta(k);
    }
    {
        const QSignalBlocker bloqueio(m_cbTrilha);
        const QString antes = m_cbTrilha->currentData().toString();
        m_cbTrilha->clear();
        if (m_naPlaca >= 0)
            for (const ItemDiagnostico& i : ItensComValor(m_placa.at(m_naPlaca).second))
                m_cbTrilha->addItem(i.item + QStringLiteral("  (") + i.subsistema + QLatin1Char(')'), i.chave());
        m_cbTrilha->setCurrentIndex(std::max(0, m_cbTrilha->findData(antes)));
    }
    mostraComparacao();
    mostraTrilha();
    mostraFalhas();
}

void JanelaHistorico::mostraComparacao()
{
    m_arvComparacao->clear();
    const int outra = m_cbComparar->currentData().isValid() ? m_cbComparar->currentData().toInt() : -1;
    if (m_naPlaca < 0 || outra < 0) { // nothing to compare: named columns, no run's dates
        m_arvComparacao->setHeaderLabels({L(QStringLiteral("HIST_ITEM")), QString(), QString(),
                                          L(QStringLiteral("HIST_VARIACAO"))});
        return;
    }
    const bool outraAntes = outra < m_naPlaca;
    const ExecucaoDiagnostico& antes = m_placa.at(outraAntes ? outra : m_naPlaca).second;
    const ExecucaoDiagnostico& depois = m_placa.at(outraAntes ? m_naPlaca : outra).second;
    m_arvComparacao->setHeaderLabels({L(QStringLiteral("HIST_ITEM")), textoData(antes.inicio), textoData(depois.inicio),
                                      L(QStringLiteral("HIST_VARIACAO"))});
    const ComparacaoExecucoes c = ComparaLadoALado(antes, depois);
    const auto lado = [](const ItemDiagnostico& i) {
        return (i.leitura.isEmpty() ? QStringLiteral("\u2014") : i.leitura) + QStringLiteral("  ") + MarcaVeredito(i.veredito);
    };
    const auto grupo = [&](const QString& titulo, const QList<DiferencaItem>& itens) {
        auto* g = new QTreeWidgetItem(m_arvComparacao, {titulo + QStringLiteral(" (%1)").arg(itens.size())});
        QFont negrito = g->font(0);
        negrito.setBold(true);
        g->setFont(0, negrito);
        g->setFirstColumnSpanned(true);
        for (const DiferencaItem& d : itens) {
            QString variacao;
            if (d.variacao)
                variacao = (*d.variacao > 0 ? QStringLiteral("+") : QString()) + LocalDoPrograma().toString(*d.variacao, 'g', 4)
                           + QLatin1Char(' ') + ValorDaLeitura(d.depois.leitura)->unidade;
            auto* linha = new QTreeWidgetItem(g, {d.item + QStringLiteral("  (") + d.antes.subsistema + QLatin1Char(')'),
                                                  lado(d.antes), lado(d.depois), variacao});
            for (int col : {1, 2}) {
                const Veredito v = col == 1 ? d.antes.veredito : d.depois.veredito;
                if (const QColor cor = corVeredito(v); cor.isValid())
                    linha->setBackground(col, cor);
                linha->setToolTip(col, LinhaFalha(col == 1 ? d.antes : d.depois));
            }
        }
        g->setExpanded(true);
    };
    grupo(L(QStringLiteral("HIST_MUDARAM_VEREDITO")), c.mudaramVeredito);
    grupo(L(QStringLiteral("HIST_LEITURAS_MOVIDAS")), c.leiturasMovidas);
    for (int col = 0; col < 4; ++col)
        m_arvComparacao->resizeColumnToContents(col);
}

void JanelaHistorico::mostraTrilha()
{
    QChart* g = m_grTrilha->chart();
    g->removeAllSeries();
    for (QAbstractAxis* e : g->axes())
        g->removeAxis(e), delete e;
    m_pontosTrilha.clear();
    const QString chave = m_cbTrilha->currentData().toString();
    if (m_naPlaca < 0 || chave.isEmpty()) {
        return;
    }
    QList<ExecucaoDiagnostico> execucoes;
    for (const auto& [l, e] : m_placa)
        execucoes << e;
    m_pontosTrilha = SerieDaTrilha(execucoes, chave);
    auto* leituras = new QLineSeries;
    leituras->setPointsVisible(true);
    auto* falhas = new QScatterSeries;
    falhas->setName(TextoVeredito(Veredito::Falha));
    falhas->setColor(QColor(0xd0, 0x30, 0x30));
    falhas->setMarkerSize(9);
    auto* minimo = new QLineSeries;
    auto* maximo = new QLineSeries;
    double baixo = 0, alto = 0;
    bool primeiro = true;
    const auto abrange = [&](double v) {
        baixo = primeiro ? v : std::min(baixo, v);
        alto = primeiro ? v : std::max(alto, v);
        primeiro = false;
    };
    for (const PontoTrilha& p : m_pontosTrilha) {
        const qreal x = p.quando.toMSecsSinceEpoch();
        leituras->append(x, p.valor);
        abrange(p.valor);
        if (p.veredito == Veredito::Falha)
            falhas->append(x, p.valor);
        if (p.minimo && p.maximo) {
            minimo->append(x, *p.minimo);
            maximo->append(x, *p.maximo);
            abrange(*p.minimo);
            abrange(*p.maximo);
        }
    }
    auto* eixoX = new QDateTimeAxis;
    // The runs of one board are often hours apart: the time too, on few ticks.
    eixoX->setFormat(LocalDoPrograma().dateFormat(QLocale::ShortFormat) + QStringLiteral(" HH:mm"));
    eixoX->setTickCount(3);
    auto* eixoY = new QValueAxis;
    eixoY->setTickCount(3);
    g->addAxis(eixoX, Qt::AlignBottom);
    g->addAxis(eixoY, Qt::AlignLeft);
    if (minimo->count() > 0) {
        auto* faixa = new QAreaSeries(maximo, minimo);
        faixa->setName(L(QStringLiteral("HIST_FAIXA")));
        faixa->setColor(QColor(0x22, 0xc5, 0x3a, 60));
        faixa->setBorderColor(QColor(0x22, 0xc5, 0x3a, 140));
        g->addSeries(faixa);
        faixa->attachAxis(eixoX);
        faixa->attachAxis(eixoY);
    } else {
        delete minimo;
        delete maximo;
    }
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{leituras, falhas}) {
        g->addSeries(s);
        s->attachAxis(eixoX);
        s->attachAxis(eixoY);
    }
    if (!m_pontosTrilha.isEmpty()) {
        const qint64 x0 = m_pontosTrilha.first().quando.toMSecsSinceEpoch();
        const qint64 x1 = m_pontosTrilha.last().quando.toMSecsSinceEpoch();
        // One run alone is drawn in the middle of a day.
        eixoX->setRange(QDateTime::fromMSecsSinceEpoch(x0 - (x1 == x0 ? 43200000 : (x1 - x0) / 20)),
                        QDateTime::fromMSecsSinceEpoch(x1 + (x1 == x0 ? 43200000 : (x1 - x0) / 20)));
        const double margem = alto > baixo ? (alto - baixo) / 10 : std::max(std::abs(alto) / 10, 0.1);
        eixoY->setRange(baixo - margem, alto + margem);
    }
    // The combo names the rail: the legend carries the count, and the room goes to the plot.
    leituras->setName(L(QStringLiteral("HIST_TRILHA_TITULO")).arg(m_cbTrilha->currentText()).arg(m_pontosTrilha.size()));
}

void JanelaHistorico::mostraFalhas()
{
    // The model chosen in the filter, else the chosen run's.
    QString modelo = m_cbModelo->currentData().toString();
    if (modelo.isEmpty())
        if (const auto l = selecionada())
            modelo = l->modelo;
    CriterioHistorico c;
    c.desde = inicioDoPeriodo();
    m_falhasGrafico = modelo.isEmpty() ? QList<ContagemFalha>()
                                       : FalhasMaisFrequentes(m_modelo->historico().execucoes, modelo, c);
    int execucoes = 0;
    c.modelo = modelo;
    for (const LinhaHistorico& l : m_modelo->historico().execucoes)
        execucoes += !modelo.isEmpty() && Atende(l, c);

    QChart* g = m_grFalhas->chart();
    g->removeAllSeries();
    for (QAbstractAxis* e : g->axes())
        g->removeAxis(e), delete e;
    m_lbFalhas->setText(modelo.isEmpty() ? L(QStringLiteral("HIST_ESCOLHA_MODELO"))
                                         : L(QStringLiteral("HIST_FALHAS_TITULO"))
                                               .arg(modelo, m_cbPeriodo->currentText())
                                               .arg(execucoes));
    if (m_falhasGrafico.isEmpty())
        return;
    auto* conjunto = new QBarSet(L(QStringLiteral("HIST_EXECUCOES_COM_FALHA")));
    conjunto->setColor(QColor(0xe0, 0x60, 0x60));
    QStringList nomes;
    int maior = 0;
    // The most frequent on top.
    for (auto it = m_falhasGrafico.crbegin(); it != m_falhasGrafico.crend(); ++it) {
        *conjunto << it->execucoes;
        nomes << it->nome;
        maior = std::max(maior, it->execucoes);
    }
    auto* serie = new QHorizontalBarSeries;
    serie->append(conjunto);
    serie->setLabelsVisible(true);
    g->addSeries(serie);
    auto* eixoNomes = new QBarCategoryAxis;
    eixoNomes->append(nomes);
    auto* eixoN = new QValueAxis;
    // Whole runs on the ticks, about five of them.
    const int passo = std::max(1, (maior + 4) / 5);
    eixoN->setRange(0, (maior + passo - 1) / passo * passo);
    eixoN->setLabelFormat(QStringLiteral("%d"));
    eixoN->setTickType(QValueAxis::TicksDynamic);
    eixoN->setTickAnchor(0);
    eixoN->setTickInterval(passo);
    g->addAxis(eixoNomes, Qt::AlignLeft);
    g->addAxis(eixoN, Qt::AlignBottom);
    serie->attachAxis(eixoNomes);
    serie->attachAxis(eixoN);
    g->legend()->hide();
}

QString JanelaHistorico::abrePagina()
{
    if (m_naPlaca < 0)
        return {};
    const ExecucaoDiagnostico& e = m_placa.at(m_naPlaca).second;
    QString pagina = PaginaDaExecucao(e, PastaRelatorios(contexto().dados.banco));
    if (pagina.isEmpty()) {
        // The page was removed or never written (a full disk): written again from the kept run,
        // compared with the board's run before it as the diagnosis did, under its own name.
        std::optional<ExecucaoDiagnostico> anterior;
        for (int k = m_naPlaca - 1; k >= 0 && !anterior; --k)
            if (m_placa.at(k).second.completa)
                anterior = m_placa.at(k).second;
        const RelatorioPublicado r = EscrevePagina(contexto().dados, PaginaDiagnostico(e, anterior), e.modelo, e.numero,
                                                   QStringLiteral("Diagnostico"), e.inicio.addMSecs(e.duracaoMs));
        if (!r.erro.isEmpty()) {
            AbreRelatorioEscrito(r);
            return {};
        }
        pagina = r.arquivo;
    }
    const QString pdf = pagina.left(pagina.size() - 5) + QStringLiteral(".pdf");
    const QString aberto = QFileInfo::exists(pdf) && ConfereArquivoPdf(pdf).isEmpty() ? pdf : pagina;
    return AbreDocumento(aberto) ? aberto : QString();
}

QString JanelaHistorico::exportaCsv()
{
    const QString nome = NomeArquivoRelatorio(QString(), QString(), QStringLiteral("Historico"), dialogos().agora());
    const QString arquivo = QDir(PastaRelatorios(contexto().dados.banco)).absoluteFilePath(nome.left(nome.size() - 5) + QStringLiteral(".csv"));
    QSaveFile f(arquivo);
    if (!QDir().mkpath(PastaRelatorios(contexto().dados.banco)) || !f.open(QIODevice::WriteOnly)
        || f.write(CsvHistorico(m_filtro->linhasVisiveis())) < 0 || !f.commit()) {
        dialogos().mensagem(L(QStringLiteral("HIST_CSV_FALHOU")) + QStringLiteral("\n\n") + QDir::toNativeSeparators(arquivo)
                                + QLatin1Char('\n') + f.errorString(),
                            L(QStringLiteral("Histórico")), Dialogos::Icone::Exclamacao);
        return {};
    }
    RelatorioPublicado r;
    r.arquivo = arquivo;
    m_aviso->mostra(r);
    return arquivo;
}

void JanelaHistorico::traduz()
{
    setWindowTitle(L(QStringLiteral("Histórico")) + QStringLiteral(" - Vexador Tarrim"));
    m_lbEtiqueta->setText(L(QStringLiteral("DIAG_ETIQUETA_CURTA")) + QLatin1Char(':'));
    m_lbModelo->setText(L(QStringLiteral("Modelo")) + QLatin1Char(':'));
    m_lbPeriodo->setText(L(QStringLiteral("HIST_PERIODO")) + QLatin1Char(':'));
    m_lbVeredito->setText(L(QStringLiteral("HIST_VEREDITO")) + QLatin1Char(':'));
    m_edEtiqueta->setPlaceholderText(L(QStringLiteral("HIST_DIGITE_ETIQUETA")));
    m_cbModelo->setItemText(0, L(QStringLiteral("HIST_TODOS_MODELOS")));
    const QStringList periodos{L(QStringLiteral("HIST_TODO_PERIODO")), L(QStringLiteral("HIST_ULTIMAS_24H")),
                               L(QStringLiteral("HIST_ULTIMOS_N_DIAS")).arg(7), L(QStringLiteral("HIST_ULTIMOS_N_DIAS")).arg(30),
                               L(QStringLiteral("HIST_ULTIMOS_N_DIAS")).arg(90), L(QStringLiteral("HIST_ULTIMOS_N_DIAS")).arg(365)};
    for (int k = 0; k < periodos.size(); ++k)
        m_cbPeriodo->setItemText(k, periodos.at(k));
    m_cbVeredito->setItemText(0, L(QStringLiteral("HIST_TODOS_VEREDITOS")));
    for (int k = 1; k < m_cbVeredito->count(); ++k)
        m_cbVeredito->setItemText(k, TextoVeredito(Veredito(m_cbVeredito->itemData(k).toInt())));
    m_btPagina->setText(L(QStringLiteral("Abrir relatório")));
    m_btCsv->setText(L(QStringLiteral("HIST_EXPORTAR_CSV")));
    m_btRecarregar->setText(L(QStringLiteral("HIST_RECARREGAR")));
    m_lbDanificados->setText(L(QStringLiteral("HIST_DANIFICADOS")));
    m_abas->setTabText(0, L(QStringLiteral("HIST_ABA_COMPARAR")));
    m_abas->setTabText(1, L(QStringLiteral("HIST_ABA_TRILHA")));
    m_abas->setTabText(2, L(QStringLiteral("HIST_ABA_FALHAS")));
    m_lbComparar->setText(L(QStringLiteral("HIST_COMPARAR_COM")));
    m_lbTrilha->setText(L(QStringLiteral("HIST_TRILHA")));
    m_aviso->traduz();
    m_modelo->retraduz();
    mostraDanificados();
    if (!m_lendo)
        mostraTotal();
    selecaoMudou();
}
