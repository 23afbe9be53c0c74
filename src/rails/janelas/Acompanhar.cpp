#include "rails/janelas/Acompanhar.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Idioma.h"
#include "reports/ArquivoRelatorio.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {
// The plots follow the readings at most this often: a redraw costs a few milliseconds, a
// reading comes every few hundred.
constexpr int IntervaloDesenhoMs = 250;

struct OpcaoTrilha {
    VarianteGrade variante;
    int familia;
    const char* grupo;
};
// The grids a rail is picked from, in the picker's order.
const OpcaoTrilha Grades[] = {
    {VarianteGrade::VCore, FamiliaVCore, "VCore"},
    {VarianteGrade::BuckLdo, FamiliaBuck, "Buck"},
    {VarianteGrade::BuckLdo, FamiliaLdo, "LDO"},
    {VarianteGrade::Pmu, FamiliaBuck, "PMU BUCK"},
    {VarianteGrade::Pmu, FamiliaLdo, "PMU LDO"},
};

QString textoValor(double v, const TrilhaAcompanhada& t)
{
    return QString::number(v, 'f', t.corrente ? 1 : 3) + QLatin1Char(' ') + t.unidade();
}
} // namespace

Acompanhar::Acompanhar(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Acompanhar"), janelas)
{
    m_acompanhamento = new Acompanhamento(ligacao(), CodigoAcompanhar, contexto().dados.banco, this);
    m_acompanhamento->defineModelo(sessao().modelo());

    m_cbTrilha = new QComboBox(this);
    m_cbTrilha->setObjectName(QStringLiteral("cbTrilha"));
    m_cbTrilha->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbTrilha->setMinimumContentsLength(18);
    m_btAdicionar = new QPushButton(this);
    m_btAdicionar->setObjectName(QStringLiteral("btAdicionar"));
    m_lbEstado = new QLabel(this);
    m_lbEstado->setObjectName(QStringLiteral("lbEstado"));
    m_lbTaxa = new QLabel(this);
    m_lbTaxa->setObjectName(QStringLiteral("lbTaxa"));
    m_btPausar = new QPushButton(this);
    m_btPausar->setObjectName(QStringLiteral("btPausar"));
    m_btLimpar = new QPushButton(this);
    m_btLimpar->setObjectName(QStringLiteral("btLimpar"));
    m_lbJanelaTempo = new QLabel(this);
    m_lbJanelaTempo->setObjectName(QStringLiteral("lbJanelaTempo"));
    m_cbJanelaTempo = new QComboBox(this);
    m_cbJanelaTempo->setObjectName(QStringLiteral("cbJanelaTempo"));
    for (int minutos : {1, 5, 30, 0})
        m_cbJanelaTempo->addItem(QString(), minutos);
    m_cbJanelaTempo->setCurrentIndex(1);
    m_btExportar = new QPushButton(this);
    m_btExportar->setObjectName(QStringLiteral("btExportar"));
    m_aviso = new AvisoRelatorio(this);

    m_areaGraficos = new QWidget(this);
    m_areaGraficos->setObjectName(QStringLiteral("areaGraficos"));
    m_gradeGraficos = new QGridLayout(m_areaGraficos);
    m_gradeGraficos->setContentsMargins(0, 0, 0, 0);
    m_gradeGraficos->setSpacing(4);
    m_lbMarcas = new QLabel(this);
    m_lbMarcas->setObjectName(QStringLiteral("lbMarcas"));
    m_lstMarcas = new QListWidget(this);
    m_lstMarcas->setObjectName(QStringLiteral("lstMarcas"));
    m_lstMarcas->setMinimumWidth(Twips::paraPixels(2600));
    m_lstMarcas->setMinimumHeight(Twips::paraPixels(900));

    auto* coluna = new QVBoxLayout(this);
    auto* linha1 = new QHBoxLayout;
    linha1->addWidget(m_cbTrilha, 1);
    linha1->addWidget(m_btAdicionar);
    linha1->addSpacing(8);
    linha1->addWidget(m_lbEstado, 1);
    linha1->addWidget(m_lbTaxa);
    auto* linha2 = new QHBoxLayout;
    linha2->addWidget(m_btPausar);
    linha2->addWidget(m_btLimpar);
    linha2->addSpacing(8);
    linha2->addWidget(m_lbJanelaTempo);
    linha2->addWidget(m_cbJanelaTempo);
    linha2->addStretch(1);
    linha2->addWidget(m_btExportar);
    auto* meio = new QHBoxLayout;
    meio->addWidget(m_areaGraficos, 4);
    auto* lado = new QVBoxLayout;
    lado->addWidget(m_lbMarcas);
    lado->addWidget(m_lstMarcas, 1);
    meio->addLayout(lado, 1);
    coluna->addLayout(linha1);
    coluna->addLayout(linha2);
    coluna->addLayout(meio, 1);
    coluna->addWidget(m_aviso);

    m_desenho = new QTimer(this);
    m_desenho->setSingleShot(true);
    m_desenho->setInterval(IntervaloDesenhoMs);
    connect(m_desenho, &QTimer::timeout, this, &Acompanhar::redesenha);

    connect(m_btAdicionar, &QPushButton::clicked, this, &Acompanhar::adicionaEscolhida);
    connect(m_btPausar, &QPushButton::clicked, this, &Acompanhar::alternaPausa);
    connect(m_btLimpar, &QPushButton::clicked, this, [this] {
        m_acompanhamento->limpa();
        m_lstMarcas->clear();
        redesenha();
    });
    connect(m_cbJanelaTempo, &QComboBox::activated, this,
            [this](int i) { defineJanelaTempo(m_cbJanelaTempo->itemData(i).toInt()); });
    connect(m_btExportar, &QPushButton::clicked, this, &Acompanhar::exporta);
    connect(m_acompanhamento, &Acompanhamento::leituraFeita, this, &Acompanhar::agendaDesenho);
    connect(m_acompanhamento, &Acompanhamento::estadoMudou, this, &Acompanhar::mostraEstado);
    connect(m_acompanhamento, &Acompanhamento::marcou, this, &Acompanhar::mostraMarca);
    connect(m_acompanhamento, &Acompanhamento::trilhasMudaram, this, &Acompanhar::refazGraficos);
    connect(&janelas, &GerenciadorJanelas::acompanhamentoPedido, this,
            [this](int variante, int familia, const QString& nome) {
                if (!nome.isEmpty()) {
                    acompanha(static_cast<VarianteGrade>(variante), familia, nome);
                    return;
                }
                // No row named: the picker opens on that grid's rails.
                for (int i = 0; i < m_cbTrilha->count(); ++i) {
                    const QVariantList d = m_cbTrilha->itemData(i).toList();
                    if (d.size() == 3 && d.at(0).toInt() == variante && d.at(1).toInt() == familia) {
                        m_cbTrilha->setCurrentIndex(i);
                        break;
                    }
                }
            });

    preencheEscolha();
    traduz();
}

Acompanhar::~Acompanhar() = default;

QSize Acompanhar::sizeHint() const
{
    return {Twips::paraPixels(12600), Twips::paraPixels(8400)};
}

QAbstractButton* Acompanhar::botaoLeitura() const
{
    return m_btPausar;
}

QAbstractButton* Acompanhar::botaoRelatorio() const
{
    return m_btExportar;
}

void Acompanhar::preencheEscolha()
{
    const QString atual = m_cbTrilha->currentText();
    m_cbTrilha->clear();
    for (const OpcaoTrilha& g : Grades)
        for (const TrilhaDoModelo& t : TrilhasDoModelo(contexto().dados.banco, g.variante, sessao().modelo(), g.familia))
            m_cbTrilha->addItem(QLatin1String(g.grupo) + QStringLiteral(" · ") + t.nome,
                                QVariantList{int(g.variante), g.familia, t.nome});
    const int i = m_cbTrilha->findText(atual);
    if (i >= 0)
        m_cbTrilha->setCurrentIndex(i);
}

void Acompanhar::atualizaJanelaAberta()
{
    // Another model's rails are other rails: the watch starts again on the new one.
    if (m_acompanhamento->modelo() != sessao().modelo()) {
        m_acompanhamento->pausa();
        while (!m_acompanhamento->trilhas().isEmpty())
            m_acompanhamento->remove(0);
        m_acompanhamento->limpa();
        m_lstMarcas->clear();
        m_acompanhamento->defineModelo(sessao().modelo());
    }
    preencheEscolha();
}

void Acompanhar::adicionaEscolhida()
{
    const QVariantList d = m_cbTrilha->currentData().toList();
    if (d.size() == 3)
        acompanha(static_cast<VarianteGrade>(d.at(0).toInt()), d.at(1).toInt(), d.at(2).toString());
}

QString Acompanhar::acompanha(VarianteGrade variante, int familia, const QString& nome)
{
    if (m_acompanhamento->modelo() != sessao().modelo())
        atualizaJanelaAberta();
    const QString recusa = m_acompanhamento->adiciona(variante, familia, nome);
    if (!recusa.isEmpty()) {
        dialogos().mensagem(recusa, L(QStringLiteral("Acompanhar")), Dialogos::Icone::Exclamacao);
        return recusa;
    }
    if (m_acompanhamento->estado() == Acompanhamento::Estado::Parado)
        m_acompanhamento->inicia();
    return {};
}

void Acompanhar::defineJanelaTempo(int minutos)
{
    m_minutos = minutos;
    const int i = m_cbJanelaTempo->findData(minutos);
    if (i >= 0)
        m_cbJanelaTempo->setCurrentIndex(i);
    redesenha();
}

void Acompanhar::alternaPausa()
{
    if (m_acompanhamento->estado() == Acompanhamento::Estado::Pausado
        || m_acompanhamento->estado() == Acompanhamento::Estado::Parado)
        m_acompanhamento->inicia();
    else
        m_acompanhamento->pausa();
}

void Acompanhar::exporta()
{
    const QDateTime agora = QDateTime::currentDateTime();
    QString nome = NomeArquivoRelatorio(sessao().modelo(), sessao().numeroModelo(), objectName(), agora);
    nome = nome.left(nome.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".csv");
    const QString pasta = PastaRelatorios(contexto().dados.banco);
    QString erro;
    RelatorioPublicado r;
    if (!QDir().mkpath(pasta)) {
        erro = pasta;
    } else {
        r.arquivo = QDir(pasta).absoluteFilePath(nome);
        if (!m_acompanhamento->exportaCsv(r.arquivo, &erro)) {
            r.erro = r.arquivo + QLatin1Char('\n') + erro;
            r.arquivo.clear();
        }
    }
    if (r.arquivo.isEmpty()) {
        dialogos().mensagem(L(QStringLiteral("ACOMP_CSV_FALHOU")).arg(erro), L(QStringLiteral("Acompanhar")),
                            Dialogos::Icone::Exclamacao);
        return;
    }
    m_aviso->mostra(r);
}

void Acompanhar::traduz()
{
    setWindowTitle(L(QStringLiteral("Acompanhar")) + QStringLiteral(" - Vexador Tarrim"));
    m_btAdicionar->setText(L(QStringLiteral("ACOMP_ADICIONAR")));
    m_btLimpar->setText(L(QStringLiteral("ACOMP_LIMPAR")));
    m_lbJanelaTempo->setText(L(QStringLiteral("ACOMP_JANELA")));
    for (int i = 0; i < m_cbJanelaTempo->count(); ++i) {
        const int minutos = m_cbJanelaTempo->itemData(i).toInt();
        m_cbJanelaTempo->setItemText(i, minutos ? L(QStringLiteral("ACOMP_MINUTOS")).arg(minutos)
                                                : L(QStringLiteral("ACOMP_TUDO")));
    }
    m_btExportar->setText(L(QStringLiteral("ACOMP_EXPORTAR")));
    m_lbMarcas->setText(L(QStringLiteral("ACOMP_MARCAS")));
    for (Grafico& g : m_graficos)
        g.remove->setToolTip(L(QStringLiteral("ACOMP_REMOVER")));
    m_aviso->traduz();
    mostraEstado();
}

void Acompanhar::mostraEstado()
{
    const auto e = m_acompanhamento->estado();
    const bool pausado = e == Acompanhamento::Estado::Pausado || e == Acompanhamento::Estado::Parado;
    m_btPausar->setText(L(pausado ? QStringLiteral("ACOMP_RETOMAR") : QStringLiteral("ACOMP_PAUSAR")));
    m_btPausar->setEnabled(!m_acompanhamento->trilhas().isEmpty());
    QString texto;
    switch (e) {
    case Acompanhamento::Estado::Parado: texto = L(QStringLiteral("ACOMP_PARADO")).arg(Acompanhamento::MaximoTrilhas); break;
    case Acompanhamento::Estado::Lendo: texto = L(QStringLiteral("ACOMP_LENDO")); break;
    case Acompanhamento::Estado::Pausado: texto = L(QStringLiteral("ACOMP_PAUSADO")); break;
    case Acompanhamento::Estado::SemLigacao: texto = L(QStringLiteral("ACOMP_SEM_LIGACAO")); break;
    }
    m_lbEstado->setText(texto);
    mostraTaxa();
}

void Acompanhar::mostraMarca(const MarcaSaida& m)
{
    const TrilhaAcompanhada& t = m_acompanhamento->trilhas().at(m.trilha);
    m_lstMarcas->addItem(QDateTime::fromMSecsSinceEpoch(m.ms).toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ")
                         + t.nome + QStringLiteral("  ") + m.leitura);
    // The list keeps what the watch keeps.
    while (m_lstMarcas->count() > Acompanhamento::MaximoMarcas)
        delete m_lstMarcas->takeItem(0);
    m_lstMarcas->scrollToBottom();
}

void Acompanhar::mostraTaxa()
{
    m_lbTaxa->setText(L(QStringLiteral("ACOMP_TAXA")).arg(LocalDoPrograma().toString(m_acompanhamento->taxa(), 'f', 1)));
}

void Acompanhar::agendaDesenho()
{
    mostraTaxa();
    if (!m_desenho->isActive())
        m_desenho->start();
}

void Acompanhar::refazGraficos()
{
    for (Grafico& g : m_graficos)
        delete g.quadro;
    m_graficos.clear();
    const QList<TrilhaAcompanhada>& trilhas = m_acompanhamento->trilhas();
    for (int i = 0; i < trilhas.size(); ++i) {
        Grafico g;
        g.quadro = new QWidget(m_areaGraficos);
        g.quadro->setObjectName(QStringLiteral("grafico(%1)").arg(i));
        auto* col = new QVBoxLayout(g.quadro);
        col->setContentsMargins(0, 0, 0, 0);
        col->setSpacing(0);
        auto* topo = new QHBoxLayout;
        g.titulo = new QLabel(trilhas.at(i).nome, g.quadro);
        g.titulo->setObjectName(QStringLiteral("lbTrilha"));
        g.titulo->setTextFormat(Qt::PlainText);
        g.remove = new QToolButton(g.quadro);
        g.remove->setObjectName(QStringLiteral("btRemover"));
        g.remove->setText(QStringLiteral("✕"));
        g.remove->setAutoRaise(true);
        g.remove->setToolTip(L(QStringLiteral("ACOMP_REMOVER")));
        topo->addWidget(g.titulo, 1);
        topo->addWidget(g.remove);
        col->addLayout(topo);
        g.chart = new QChart;
        g.chart->legend()->hide();
        g.chart->setMargins(QMargins(2, 2, 2, 2));
        g.chart->setBackgroundRoundness(0);
        g.eixoX = new QDateTimeAxis;
        g.eixoX->setFormat(QStringLiteral("HH:mm:ss"));
        g.eixoX->setTickCount(3);
        g.eixoY = new QValueAxis;
        g.eixoY->setTickCount(3);
        g.eixoY->setLabelFormat(trilhas.at(i).corrente ? QStringLiteral("%.0f mA") : QStringLiteral("%.3f V"));
        // Four plots share a laptop screen at 150 %: every pixel of height goes to the curve.
        QFont pequena = font();
        pequena.setPointSizeF(pequena.pointSizeF() * 0.85);
        g.eixoX->setLabelsFont(pequena);
        g.eixoY->setLabelsFont(pequena);
        g.chart->layout()->setContentsMargins(0, 0, 0, 0);
        g.chart->addAxis(g.eixoX, Qt::AlignBottom);
        g.chart->addAxis(g.eixoY, Qt::AlignLeft);
        if (trilhas.at(i).bandaMin && trilhas.at(i).bandaMax) {
            g.bandaMin = new QLineSeries;
            g.bandaMax = new QLineSeries;
            g.banda = new QAreaSeries(g.bandaMax, g.bandaMin);
            g.banda->setColor(QColor(120, 200, 120, 60));
            g.banda->setBorderColor(QColor(90, 160, 90, 160));
            g.chart->addSeries(g.banda);
            g.banda->attachAxis(g.eixoX);
            g.banda->attachAxis(g.eixoY);
        }
        g.marcas = new QScatterSeries;
        g.marcas->setMarkerSize(9);
        g.marcas->setColor(QColor(210, 40, 40));
        g.marcas->setBorderColor(QColor(140, 0, 0));
        g.chart->addSeries(g.marcas);
        g.marcas->attachAxis(g.eixoX);
        g.marcas->attachAxis(g.eixoY);
        g.vista = new QChartView(g.chart, g.quadro);
        g.vista->setObjectName(QStringLiteral("vistaGrafico"));
        g.vista->setRenderHint(QPainter::Antialiasing, false);
        g.vista->setMinimumHeight(Twips::paraPixels(1300));
        col->addWidget(g.vista, 1);
        const int n = int(trilhas.size());
        m_gradeGraficos->addWidget(g.quadro, n <= 2 ? i : i / 2, n <= 2 ? 0 : i % 2);
        connect(g.remove, &QToolButton::clicked, this, [this, q = g.quadro] {
            for (int k = 0; k < m_graficos.size(); ++k)
                if (m_graficos.at(k).quadro == q) {
                    m_acompanhamento->remove(k);
                    return;
                }
        });
        m_graficos << g;
    }
    // The plots share the room equally, whichever row or column they are in.
    for (int r = 0; r < 4; ++r)
        m_gradeGraficos->setRowStretch(r, r < (m_graficos.size() <= 2 ? m_graficos.size() : 2) ? 1 : 0);
    for (int c = 0; c < 2; ++c)
        m_gradeGraficos->setColumnStretch(c, c == 0 || m_graficos.size() > 2 ? 1 : 0);
    // The list of marks follows the rails watched.
    m_lstMarcas->clear();
    for (const MarcaSaida& m : m_acompanhamento->marcas())
        mostraMarca(m);
    mostraEstado();
    redesenha();
}

void Acompanhar::redesenha()
{
    QElapsedTimer relogio;
    relogio.start();
    qint64 ate = QDateTime::currentMSecsSinceEpoch();
    qint64 de = 0;
    if (m_minutos > 0) {
        de = ate - qint64(m_minutos) * 60 * 1000;
    } else {
        de = ate;
        for (int i = 0; i < m_graficos.size(); ++i)
            if (!m_acompanhamento->serie(i).amostras().isEmpty())
                de = qMin(de, m_acompanhamento->serie(i).amostras().first().ms);
        if (de == ate)
            de = ate - 60 * 1000;
    }
    for (int i = 0; i < m_graficos.size(); ++i)
        desenha(i, de, ate);
    m_nsDesenho = relogio.nsecsElapsed();
}

void Acompanhar::desenha(int indice, qint64 de, qint64 ate)
{
    Grafico& g = m_graficos[indice];
    const TrilhaAcompanhada& t = m_acompanhamento->trilhas().at(indice);
    const QList<Amostra>& amostras = m_acompanhamento->serie(indice).amostras();
    // The first reading inside the window: the series is in time order.
    const auto inicio = std::lower_bound(amostras.cbegin(), amostras.cend(), de,
                                         [](const Amostra& a, qint64 ms) { return a.ms < ms; });
    // No more points than the plot has pixel columns: per column the lowest and the highest
    // reading, in time order, so an excursion still shows however many readings share it.
    const int colunas = qMax(100, int(g.chart->plotArea().width()));
    const double porColuna = double(qMax<qint64>(1, ate - de)) / colunas;
    QList<QList<QPointF>> trechos;
    double minimo = std::numeric_limits<double>::max(), maximo = std::numeric_limits<double>::lowest();
    const Amostra* baixo = nullptr;
    const Amostra* alto = nullptr;
    int coluna = -1;
    const auto fechaColuna = [&] {
        if (!baixo)
            return;
        const Amostra* primeiro = baixo->ms <= alto->ms ? baixo : alto;
        const Amostra* segundo = primeiro == baixo ? alto : baixo;
        trechos.last().append(QPointF(double(primeiro->ms), primeiro->valor));
        if (segundo != primeiro)
            trechos.last().append(QPointF(double(segundo->ms), segundo->valor));
        baixo = alto = nullptr;
    };
    for (auto it = inicio; it != amostras.cend(); ++it) {
        const int c = int((it->ms - de) / porColuna);
        if (trechos.isEmpty() || it->aposLacuna) {
            fechaColuna();
            trechos.append(QList<QPointF>());
            coluna = -1;
        }
        if (c != coluna) {
            fechaColuna();
            coluna = c;
        }
        if (!baixo || it->valor < baixo->valor)
            baixo = &*it;
        if (!alto || it->valor > alto->valor)
            alto = &*it;
        minimo = qMin(minimo, it->valor);
        maximo = qMax(maximo, it->valor);
    }
    fechaColuna();
    while (g.trechos.size() < trechos.size()) {
        auto* s = new QLineSeries;
        s->setColor(QColor(30, 90, 180));
        g.chart->addSeries(s);
        s->attachAxis(g.eixoX);
        s->attachAxis(g.eixoY);
        g.trechos << s;
    }
    for (int k = 0; k < g.trechos.size(); ++k)
        g.trechos[k]->replace(k < trechos.size() ? trechos.at(k) : QList<QPointF>());

    QList<QPointF> marcas;
    for (const MarcaSaida& m : m_acompanhamento->marcas())
        if (m.trilha == indice && m.ms >= de)
            marcas << QPointF(double(m.ms), m.valor);
    g.marcas->replace(marcas);

    if (g.banda) {
        g.bandaMin->replace({QPointF(double(de), *t.bandaMin), QPointF(double(ate), *t.bandaMin)});
        g.bandaMax->replace({QPointF(double(de), *t.bandaMax), QPointF(double(ate), *t.bandaMax)});
        minimo = qMin(minimo, *t.bandaMin);
        maximo = qMax(maximo, *t.bandaMax);
    }
    if (minimo > maximo) {
        minimo = 0;
        maximo = 1;
    }
    const double folga = qMax((maximo - minimo) * 0.08, 0.001);
    g.eixoY->setRange(minimo - folga, maximo + folga);
    g.eixoX->setRange(QDateTime::fromMSecsSinceEpoch(de), QDateTime::fromMSecsSinceEpoch(ate));
    const int marcasTrilha = int(marcas.size());
    g.titulo->setText(t.nome + QStringLiteral("   ") + (t.bandaMin ? textoValor(*t.bandaMin, t) + QStringLiteral(" – ")
                                                                        + textoValor(*t.bandaMax, t)
                                                                  : QString())
                      + (marcasTrilha ? QStringLiteral("   ✘ %1").arg(marcasTrilha) : QString()));
}
