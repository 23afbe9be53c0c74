#include "rails/janelas/JanelaGradeTrilhas.h"

#include "db/Combos.h"
#include "db/janelas/AvisoNaoGravado.h"
#include "db/janelas/Sincronizacao.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "rails/LeituraAdc.h"
#include "rails/ProcedimentoTrilhas.h"
#include "rails/RelatorioMalhas.h"
#include "rails/janelas/ComponentesTrilhas.h"
#include "rails/janelas/PublicacaoMalhas.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "shell/Ligacao.h"
#include "ui/Avisos.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <algorithm>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QElapsedTimer>
#include <QAction>
#include <QTableView>
#include <QToolButton>

// ---- ModeloGradeTrilhas ----------------------------------------------------------------

ModeloGradeTrilhas::ModeloGradeTrilhas(QObject* pai) : QSqlQueryModel(pai)
{
    setObjectName(QStringLiteral("Data1"));
}

void ModeloGradeTrilhas::defineColunas(const QList<Coluna>& colunas)
{
    beginResetModel();
    m_colunas = colunas;
    endResetModel();
}

void ModeloGradeTrilhas::defineLegenda(const QString& campo, const QString& legenda)
{
    for (int i = 0; i < m_colunas.size(); ++i) {
        if (m_colunas[i].campo == campo) {
            m_colunas[i].legenda = legenda;
            emit headerDataChanged(Qt::Horizontal, i, i);
        }
    }
}

void ModeloGradeTrilhas::queryChange()
{
    // The rows of a model and family are few: read them all at once, so the statement is
    // finished and holds no lock while the grading writes through its own connection.
    while (QSqlQueryModel::canFetchMore())
        QSqlQueryModel::fetchMore();
    m_linhas.clear();
    const int n = QSqlQueryModel::rowCount();
    m_linhas.reserve(n);
    const QSqlRecord vazio = QSqlQueryModel::record();
    for (int i = 0; i < n; ++i) {
        // The base class's own values: record(i) would read them back through data().
        QSqlRecord r = vazio;
        for (int c = 0; c < r.count(); ++c)
            r.setValue(c, QSqlQueryModel::data(createIndex(i, c), Qt::EditRole));
        m_linhas.append(r);
    }
    calculaVereditos();
}

void ModeloGradeTrilhas::calculaVereditos()
{
    // Each cell asks for its row's verdict several times a paint (tint, mark, tooltip).
    m_vereditos.clear();
    m_vereditos.reserve(m_linhas.size());
    for (int i = 0; i < m_linhas.size(); ++i) {
        // The row's own rail decides "not measurable", as in every rail window.
        const LinhaMaster trilha{valor(i, QStringLiteral("Malha")), valor(i, QStringLiteral("Orig")),
                                 valor(i, QStringLiteral("Ci")), valor(i, QStringLiteral("RefV")),
                                 valor(i, QStringLiteral("RefT"))};
        m_vereditos.append(VereditoLinha(valor(i, QStringLiteral("Modelo")), trilha, valor(i, QStringLiteral("Leitura")),
                                         valor(i, QStringLiteral("Porc")), valor(i, QStringLiteral("Ref"))));
    }
}

int ModeloGradeTrilhas::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : int(m_colunas.size());
}

int ModeloGradeTrilhas::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : int(m_linhas.size());
}

int ModeloGradeTrilhas::coluna(const QString& campo) const
{
    for (int i = 0; i < m_colunas.size(); ++i)
        if (m_colunas[i].campo.compare(campo, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {
QString chaveTrilha(const QString& malha, const QString& orig)
{
    return malha + QChar(0x1f) + orig;
}
} // namespace

void ModeloGradeTrilhas::defineLeiturasNaoGravadas(const QList<TrilhaGraduada>& trilhas)
{
    beginResetModel();
    m_naoGravadas.clear();
    m_soNaoGravadas = true;
    for (const TrilhaGraduada& t : trilhas)
        m_naoGravadas.insert(chaveTrilha(t.malha, t.orig), {t.leitura, t.porc});
    calculaVereditos();
    endResetModel();
}

void ModeloGradeTrilhas::mostraBanco()
{
    if (!m_soNaoGravadas)
        return;
    beginResetModel();
    m_naoGravadas.clear();
    m_soNaoGravadas = false;
    calculaVereditos();
    endResetModel();
}

QString ModeloGradeTrilhas::valor(int linha, const QString& campo) const
{
    if (linha < 0 || linha >= m_linhas.size())
        return QString();
    const QSqlRecord& r = m_linhas[linha];
    if (m_soNaoGravadas) {
        const bool leitura = campo.compare(QLatin1String("Leitura"), Qt::CaseInsensitive) == 0;
        if (leitura || campo.compare(QLatin1String("Porc"), Qt::CaseInsensitive) == 0) {
            const auto it = m_naoGravadas.constFind(chaveTrilha(r.value(QStringLiteral("Malha")).toString(),
                                                                r.value(QStringLiteral("Orig")).toString()));
            if (it == m_naoGravadas.constEnd())
                return QString();
            return leitura ? it->first : it->second;
        }
    }
    return r.value(campo).toString();
}

QVariant ModeloGradeTrilhas::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= m_linhas.size() || indice.column() >= m_colunas.size())
        return {};
    const QString& campo = m_colunas[indice.column()].campo;
    if (papel == Qt::DisplayRole)
        return valor(indice.row(), campo);
    if (papel == Qt::ToolTipRole) {
        const Veredito v = veredito(indice.row());
        if ((campo == QLatin1String("Leitura") || campo == QLatin1String("Porc")) && v != Veredito::NaoGraduado)
            return valor(indice.row(), campo) + QStringLiteral(" — ") + TextoVeredito(v);
        return valor(indice.row(), campo);
    }
    if (campo == QLatin1String("Leitura") || campo == QLatin1String("Porc")) {
        const Veredito v = veredito(indice.row());
        if (papel == Qt::BackgroundRole) {
            const QColor cor = corVeredito(v);
            return cor.isValid() ? QVariant(cor) : QVariant();
        }
        if (papel == Qt::DecorationRole && campo == QLatin1String("Leitura"))
            return iconeVeredito(v);
        if (papel == PapelVeredito)
            return int(v);
    }
    return {};
}

Veredito ModeloGradeTrilhas::veredito(int linha) const
{
    return linha >= 0 && linha < m_vereditos.size() ? m_vereditos.at(linha) : Veredito::NaoGraduado;
}

QVariant ModeloGradeTrilhas::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 && secao < m_colunas.size())
        return m_colunas[secao].legenda;
    if (orientacao == Qt::Vertical && papel == Qt::DisplayRole)
        return secao + 1;
    return {};
}

// ---- JanelaGradeTrilhas ----------------------------------------------------------------

JanelaGradeTrilhas::JanelaGradeTrilhas(const QString& nome, GerenciadorJanelas& janelas,
                                       VarianteGrade variante)
    : JanelaFilha(nome, janelas), m_variante(variante)
{
}

JanelaGradeTrilhas::~JanelaGradeTrilhas()
{
    // The recordings survive a reinstallation through the user copy.
    if (m_dadosMudaram)
        CopiaBancoUsuarioAvisando(contexto().dados, windowTitle());
}

QString JanelaGradeTrilhas::modelo() const
{
    return sessao().modelo();
}

bool JanelaGradeTrilhas::ligacaoOciosa() const
{
    return ligacao().estado() == EstadoLigacao::Ociosa;
}

void JanelaGradeTrilhas::criaControles()
{
    m_grade = new QTableView(this);
    m_grade->setObjectName(QStringLiteral("DBGrid1"));
    m_data1 = new ModeloGradeTrilhas(this);
    m_grade->setModel(m_data1);
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->setAlternatingRowColors(false);
    m_grade->verticalHeader()->setDefaultSectionSize(Twips::paraPixels(300));
    m_grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grade->horizontalHeader()->setStretchLastSection(true);
    m_grade->horizontalHeader()->setHighlightSections(false);
    m_grade->viewport()->setMouseTracking(true);
    m_grade->viewport()->installEventFilter(this);
    // A rail of the grid watched live, from the row's context menu.
    m_acaoAcompanhar = new QAction(m_grade);
    m_acaoAcompanhar->setObjectName(QStringLiteral("acaoAcompanhar"));
    m_grade->addAction(m_acaoAcompanhar);
    m_grade->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_acaoAcompanhar, &QAction::triggered, this, &JanelaGradeTrilhas::acompanhaLinha);

    m_comboDecimais = new QComboBox(this);
    m_comboDecimais->setObjectName(QStringLiteral("ComboDecimais"));
    m_comboDecimais->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_comboDecimaisAmp = new QComboBox(this);
    m_comboDecimaisAmp->setObjectName(QStringLiteral("ComboDecimaisAmp"));
    m_comboDecimaisAmp->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_lbInfoDecimais = new QLabel(this);
    m_lbInfoDecimais->setObjectName(QStringLiteral("lbInfoDecimais"));
    connect(m_comboDecimais, &QComboBox::activated, this, [this] { escolheDecimais(false); });
    connect(m_comboDecimaisAmp, &QComboBox::activated, this, [this] { escolheDecimais(true); });

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* layOrdem = new QHBoxLayout(m_frame1);
    m_opMalha = new QRadioButton(m_frame1);
    m_opMalha->setObjectName(QStringLiteral("OpMalha"));
    m_opIc = new QRadioButton(QStringLiteral("IC's"), m_frame1);
    m_opIc->setObjectName(QStringLiteral("OpIc"));
    m_opPorc = new QRadioButton(QStringLiteral("%"), m_frame1);
    m_opPorc->setObjectName(QStringLiteral("OpPorc"));
    m_opMalha->setChecked(true);
    layOrdem->addWidget(m_opMalha);
    layOrdem->addWidget(m_opIc);
    layOrdem->addWidget(m_opPorc);
    connect(m_opMalha, &QRadioButton::clicked, this, [this] { ordena(Ordenacao::Malha); });
    connect(m_opIc, &QRadioButton::clicked, this, [this] { ordena(Ordenacao::Ic); });
    connect(m_opPorc, &QRadioButton::clicked, this, [this] { ordena(Ordenacao::Porc); });

    for (int i = 0; i < 3; ++i) {
        m_btGravar[i] = new QPushButton(this);
        m_btGravar[i]->setObjectName(QStringLiteral("btGravar(%1)").arg(i + 1));
        m_btExcluir[i] = new QPushButton(QStringLiteral("-"), this);
        m_btExcluir[i]->setObjectName(QStringLiteral("btExcluir(%1)").arg(i + 1));
        m_btExcluir[i]->setFixedWidth(Twips::paraPixels(400));
        connect(m_btGravar[i], &QPushButton::clicked, this, [this, i] { grava(i + 1); });
        connect(m_btExcluir[i], &QPushButton::clicked, this, [this, i] { exclui(i + 1); });
    }

    m_btExportar = new QPushButton(this);
    m_btExportar->setObjectName(QStringLiteral("btExportar"));
    m_imgPdf = new QToolButton(this);
    m_imgPdf->setObjectName(QStringLiteral("imgPdf"));
    m_imgPdf->setText(QStringLiteral("PDF"));
    m_imgPdf->setAutoRaise(true);
    connect(m_btExportar, &QPushButton::clicked, this, &JanelaGradeTrilhas::relatorio);
    connect(m_imgPdf, &QToolButton::clicked, this, &JanelaGradeTrilhas::relatorio);
    m_avisoRelatorio = new AvisoRelatorio(this);

    m_frameVCore = new PainelProgresso(this);
    m_lbVar = new NotaVar(this);

    // The reading asks under the window's requester code (its descriptor's).
    const DescritorJanela* d = janelas().descritor(objectName());
    Q_ASSERT(d && !d->codigos.isEmpty());
    const QString codigo = d && !d->codigos.isEmpty() ? d->codigos.first() : QString();
    m_procedimento = new ProcedimentoTrilhas(ligacao(), codigo, m_variante, contexto().dados.banco, this);
    connect(m_procedimento, &Procedimento::enviado, this, [this] { esqueceRespostaContinuou(); });
    connect(m_procedimento, &ProcedimentoTrilhas::graduado, this, &JanelaGradeTrilhas::mostraGraduacao);
    connect(m_procedimento, &Procedimento::terminou, this, &JanelaGradeTrilhas::leituraTerminou);
}

bool JanelaGradeTrilhas::lendo() const
{
    return m_procedimento && m_procedimento->emCurso();
}

void JanelaGradeTrilhas::carregaComum()
{
    m_decimais = Decimais{};
    m_leituraFeita = false;
    traduzComum();
    m_decimais = CarregaDecimais(contexto().dados.banco, m_variante);
    m_comboDecimais->setCurrentText(QString::number(m_decimais.casasV));
    m_comboDecimaisAmp->setCurrentText(QString::number(m_decimais.casasA));
}

void JanelaGradeTrilhas::alargaColunaLeitura()
{
    const int c = m_grade ? m_data1->coluna(QStringLiteral("Leitura")) : -1;
    if (c < 0)
        return;
    const int marca = m_grade->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_grade);
    const int margens = 4 * m_grade->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grade) + 8;
    const int precisa = QFontMetrics(m_grade->font())
                            .horizontalAdvance(QLatin1Char('*') + L(QStringLiteral("Sem Medição")))
                        + marca + margens;
    // A channel that printed a word instead of a number shows that word: it fits too.
    const int maior = std::max(precisa, static_cast<QAbstractItemView*>(m_grade)->sizeHintForColumn(c));
    if (m_grade->horizontalHeader()->sectionSize(c) < maior)
        m_grade->horizontalHeader()->resizeSection(c, maior);
}

void JanelaGradeTrilhas::acompanhaLinha()
{
    const QModelIndex atual = m_grade->currentIndex();
    if (!atual.isValid())
        return;
    const QString nome = NomeDaTrilha(m_variante, m_data1->valor(atual.row(), QStringLiteral("Malha")),
                                      m_data1->valor(atual.row(), QStringLiteral("Orig")));
    janelas().pedeAcompanhamento(int(m_variante), m_familia, nome);
}

void JanelaGradeTrilhas::traduzComum()
{
    auto pad = [](const QString& t) { return QStringLiteral("  ") + t + QStringLiteral("  "); };
    m_data1->defineLegenda(QStringLiteral("Malha"), pad(L(QStringLiteral("Malha"))));
    m_data1->defineLegenda(QStringLiteral("Leitura"), pad(L(QStringLiteral("Leitura"))));
    m_data1->defineLegenda(QStringLiteral("Ref"), pad(L(QStringLiteral("Referência"))));
    for (int i = 1; i <= 3; ++i)
        m_data1->defineLegenda(QStringLiteral("G%1").arg(i),
                               pad(L(QStringLiteral("Gravação")) + QStringLiteral(" %1").arg(i)));

    m_lbInfoDecimais->setText(L(QStringLiteral("Decimais")) + QStringLiteral(": V / mA"));
    m_acaoAcompanhar->setText(L(QStringLiteral("ACOMP_ACAO")));
    m_comboDecimais->setToolTip(L(QStringLiteral("Casas Decimais")) + QStringLiteral(" V"));
    m_comboDecimaisAmp->setToolTip(L(QStringLiteral("Casas Decimais")) + QStringLiteral(" mA"));
    m_frame1->setTitle(L(QStringLiteral("Classificação")) + QLatin1Char(':'));
    m_opMalha->setText(L(QStringLiteral("Malha")));
    for (int i = 0; i < 3; ++i) {
        m_btGravar[i]->setText(L(QStringLiteral("Gravar")) + QStringLiteral(" %1").arg(i + 1));
        m_btGravar[i]->setToolTip(L(QStringLiteral("Gravar")));
        m_btExcluir[i]->setToolTip(L(QStringLiteral("Excluir")));
    }
    m_btExportar->setText(L(QStringLiteral("Gerar Relatório PDF")));
    m_imgPdf->setToolTip(m_btExportar->text());
    m_frameVCore->traduz();
    m_avisoRelatorio->traduz();
    alargaColunaLeitura();
    if (!m_lbVar->destacada())
        m_lbVar->setText(TextoNotaVar(modelo(), m_variante));
}

void JanelaGradeTrilhas::defineConsulta(const ConsultaMaster& consulta)
{
    m_consulta = consulta;
    m_data1->setQuery(consulta.executaNaVista(contexto().dados.banco));
    alargaColunaLeitura();
}

void JanelaGradeTrilhas::zeraLeituras()
{
    m_naoGravadas.clear();
    // Readings the database kept are the previous board's: if they stay, the grid hides them.
    if (ZeraLeituras(contexto().dados.banco))
        m_data1->mostraBanco();
    else
        m_data1->defineLeiturasNaoGravadas({});
}

void JanelaGradeTrilhas::mostraGraduacao()
{
    QElapsedTimer relogio;
    relogio.start();
    const ResultadoGrade& r = m_procedimento->resultado();
    for (const QString& codigo : r.codigosDesconhecidos)
        AvisaCodigoDesconhecido(codigo);
    if (!r.leituraFeita) {
        // Nothing came back: the rows keep the empty readings of the clearing.
        m_data1->mostraBanco();
        m_comboDecimais->setEnabled(true);
        m_comboDecimaisAmp->setEnabled(true);
    } else {
        // The grid's rows are this reading's (queried when it started): they show the grading
        // itself until the database holds it, and only it.
        m_naoGravadas = r.trilhas;
        m_data1->defineLeiturasNaoGravadas(r.trilhas);
        alargaColunaLeitura();
        m_leituraFeita = true;
        aoGraduar();
        m_lbVar->destaca();
    }
    aoTerminar();
    m_frameVCore->para();
    m_nsGraduacao = m_procedimento->nsUltimaGraduacao();
    m_nsTrabalho = m_nsGraduacao + relogio.nsecsElapsed();
}

void JanelaGradeTrilhas::resizeEvent(QResizeEvent* e)
{
    JanelaFilha::resizeEvent(e);
    posicionaProgresso();
}

bool JanelaGradeTrilhas::eventFilter(QObject* alvo, QEvent* evento)
{
    // The pointer over the grid closes the main window's hover menu.
    if (evento->type() == QEvent::MouseMove && m_grade && alvo == m_grade->viewport())
        janelas().dispensaMenuFlutuante();
    return JanelaFilha::eventFilter(alvo, evento);
}

void JanelaGradeTrilhas::posicionaProgresso()
{
    // The progress panel floats over the middle of the grid.
    if (!m_grade || !m_frameVCore)
        return;
    const QSize tamanho(Twips::paraPixels(5200), Twips::paraPixels(1000));
    const QRect g = m_grade->geometry();
    m_frameVCore->setGeometry(QRect(g.center() - QPoint(tamanho.width() / 2, tamanho.height() / 2), tamanho));
}

void JanelaGradeTrilhas::iniciaCiclo()
{
    posicionaProgresso();
    m_frameVCore->inicia();
    m_opMalha->setChecked(true);
    m_ordenacao = Ordenacao::Malha;
    m_frame1->setEnabled(false);
    m_procedimento->defineModelo(modelo());
    m_procedimento->defineFamilia(m_familia);
    m_procedimento->defineDecimais(m_decimais);
    if (!m_procedimento->inicia()) {
        esperaCancelada();
        return;
    }
    m_nsTrabalho = m_nsGraduacao = 0;
    m_comboDecimais->setEnabled(false);
    m_comboDecimaisAmp->setEnabled(false);
    antesDeEnviar();
}

void JanelaGradeTrilhas::leituraTerminou()
{
    if (m_procedimento->fim() != ProcedimentoTrilhas::Fim::Concluido) {
        esperaCancelada();
        return;
    }
    QElapsedTimer relogio;
    relogio.start();
    const ResultadoGrade& r = m_procedimento->resultado();
    if (r.gravada) {
        m_naoGravadas.clear();
        m_data1->mostraBanco();
    } else {
        // What the database refused is still the board's reading: the grid goes on showing
        // it (Gravar stores it with the recording).
        AvisaNaoGravado(r.falhaBanco, windowTitle(),
                        L(r.trilhas.isEmpty() && r.leituraFeita ? QStringLiteral("LEITURA_NAO_AVALIADA")
                                                                : QStringLiteral("LEITURA_NAO_GRAVADA")));
    }
    // One query shows what Master now holds (or the rows under the readings it refused).
    defineConsulta(consultaDoRefresh());
    m_frameVCore->para();
    aoRefrescar();
    m_nsTrabalho += m_procedimento->nsUltimaGravacao() + relogio.nsecsElapsed();
}

void JanelaGradeTrilhas::novaPlaca()
{
    LimpaLeiturasExterno();
    m_avisoRelatorio->limpa();
}

void JanelaGradeTrilhas::esperaCancelada()
{
    m_frameVCore->para();
    m_comboDecimais->setEnabled(true);
    m_comboDecimaisAmp->setEnabled(true);
    aoRefrescar();
}

void JanelaGradeTrilhas::escolheDecimais(bool corrente)
{
    QComboBox* combo = corrente ? m_comboDecimaisAmp : m_comboDecimais;
    if (EscolheDecimais(contexto().dados.banco, m_variante, corrente, combo->currentText(), m_decimais) && podeAgir())
        PrePesquisa();
}

void JanelaGradeTrilhas::ordena(Ordenacao ordenacao)
{
    if (!podeAgir() || !m_consulta.valida()) {
        // Refused: the checked option goes back to the order the grid still has.
        marcaOrdenacao(m_ordenacao);
        return;
    }
    m_ordenacao = ordenacao;
    defineConsulta(ConsultaOrdenada(m_variante, modelo(), m_familia, ordenacao));
}

void JanelaGradeTrilhas::marcaOrdenacao(Ordenacao ordenacao)
{
    QRadioButton* opcao = ordenacao == Ordenacao::Malha ? m_opMalha
                        : ordenacao == Ordenacao::Ic    ? m_opIc
                                                        : m_opPorc;
    opcao->setChecked(true);
}

void JanelaGradeTrilhas::grava(int i)
{
    if (!podeAgir())
        return;
    if (!m_data1->mostraLeiturasNaoGravadas()) {
        alteraGravacao(i, L(QStringLiteral("Deseja salvar?")), L(QStringLiteral("Gravar")), GravaLeituras);
        return;
    }
    // The grid shows a reading the database does not hold: the recording is that reading,
    // stored with it, or nothing.
    const QString titulo = L(QStringLiteral("Gravar"));
    if (m_naoGravadas.isEmpty()) {
        dialogos().mensagem(L(QStringLiteral("GRAVACAO_SEM_LEITURA")), titulo, Dialogos::Icone::Exclamacao);
        return;
    }
    if (dialogos().mensagem(L(QStringLiteral("Deseja salvar?")), titulo, Dialogos::Icone::Nenhum,
                            Dialogos::Botoes::SimNao) == Dialogos::Resposta::Nao)
        return;
    const ResultadoGravacao r = GravaLeiturasMostradas(contexto().dados.banco, i, m_consulta, m_naoGravadas);
    if (!r.falha.ok())
        AvisaNaoGravado(r.falha, titulo);
    if (r.alterada) {
        m_dadosMudaram = true;
        m_naoGravadas.clear();
        m_data1->mostraBanco();
    }
    atualizaGrade();
}

void JanelaGradeTrilhas::exclui(int i)
{
    if (!ligacaoOciosa())
        return;
    alteraGravacao(i, L(QStringLiteral("Deseja excluir os dados gravados?")), L(QStringLiteral("Excluir")),
                   ExcluiGravacao);
}

void JanelaGradeTrilhas::alteraGravacao(int i, const QString& pergunta, const QString& titulo,
                                        ResultadoGravacao (*altera)(const QString&, int, const ConsultaMaster&))
{
    if (dialogos().mensagem(pergunta, titulo, Dialogos::Icone::Nenhum, Dialogos::Botoes::SimNao)
        != Dialogos::Resposta::Nao) {
        const ResultadoGravacao r = altera(contexto().dados.banco, i, m_consulta);
        if (!r.falha.ok())
            AvisaNaoGravado(r.falha, titulo);
        if (r.alterada)
            m_dadosMudaram = true;
    }
    atualizaGrade();
}

void JanelaGradeTrilhas::relatorio()
{
    if (!m_leituraFeita) {
        MostraMensagem(QStringLiteral("PRIMEIRO_LEITURA"));
        return;
    }
    // The rows as the grid shows them: a reading the database refused is still the board's.
    QList<LinhaRelatorio> linhas;
    linhas.reserve(m_data1->rowCount());
    for (int i = 0; i < m_data1->rowCount(); ++i)
        linhas.append({m_data1->valor(i, QStringLiteral("Malha")), m_data1->valor(i, QStringLiteral("Leitura")),
                       m_data1->valor(i, QStringLiteral("Ref")), m_data1->valor(i, QStringLiteral("Porc")),
                       m_data1->valor(i, QStringLiteral("RefV"))});
    MostraRelatorio(m_avisoRelatorio, GeraRelatorioMalhas(contexto().dados, m_familia, linhas, modelo(), sessao().numeroModelo()));
    m_grade->setFocus();
}
