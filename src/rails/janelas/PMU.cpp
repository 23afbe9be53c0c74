#include "rails/janelas/PMU.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"
#include "rails/LeituraAdc.h"
#include "rails/janelas/ComponentesTrilhas.h"
#include "shell/Ligacao.h"
#include "ui/Avisos.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"
#include "db/janelas/AvisoNaoGravado.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace {
constexpr int LinhasDesenhadas = 20;

void pinta(QLabel* rotulo, const QString& cor)
{
    rotulo->setAutoFillBackground(true);
    QPalette p = rotulo->palette();
    p.setColor(QPalette::Window, CorVb(cor));
    rotulo->setPalette(p);
}
} // namespace

PMU::PMU(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("PMU"), janelas)
{
    m_frameControle = new QFrame(this);
    m_frameControle->setObjectName(QStringLiteral("FrameControle"));
    auto* controle = new QHBoxLayout(m_frameControle);
    controle->setContentsMargins(0, 0, 0, 0);
    m_botao1 = new QPushButton(QStringLiteral("BUCK"), m_frameControle);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao2 = new QPushButton(QStringLiteral("LDO"), m_frameControle);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    for (QPushButton* b : {m_botao1, m_botao2}) {
        b->setMinimumHeight(Twips::paraPixels(450));
        b->setMinimumWidth(Twips::paraPixels(1400));
    }
    connect(m_botao1, &QPushButton::clicked, this, [this] { familiaEscolhida(FamiliaBuck); });
    connect(m_botao2, &QPushButton::clicked, this, [this] { familiaEscolhida(FamiliaLdo); });

    m_lbInfoDecimais = new QLabel(m_frameControle);
    m_lbInfoDecimais->setObjectName(QStringLiteral("lbInfoDecimais"));
    m_comboDecimais = new QComboBox(m_frameControle);
    m_comboDecimais->setObjectName(QStringLiteral("ComboDecimais"));
    m_comboDecimais->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_comboDecimaisAmp = new QComboBox(m_frameControle);
    m_comboDecimaisAmp->setObjectName(QStringLiteral("ComboDecimaisAmp"));
    m_comboDecimaisAmp->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    connect(m_comboDecimais, &QComboBox::activated, this, [this] {
        EscolheDecimais(contexto().dados.banco, VarianteGrade::Pmu, false, m_comboDecimais->currentText(), m_decimais);
    });
    connect(m_comboDecimaisAmp, &QComboBox::activated, this, [this] {
        EscolheDecimais(contexto().dados.banco, VarianteGrade::Pmu, true, m_comboDecimaisAmp->currentText(), m_decimais);
    });

    m_lbTolerancia = new QLabel(QStringLiteral("%"), this);
    m_porcTolerancia = new QComboBox(this);
    m_porcTolerancia->setObjectName(QStringLiteral("PorcTolerancia"));
    m_porcTolerancia->setEditable(true);
    m_porcTolerancia->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 100; ++i)
        m_porcTolerancia->addItem(QString::number(i));
    m_porcTolerancia->setCurrentText(ToleranciaPmuInicial);
    m_porcTolerancia->installEventFilter(this);
    m_porcTolerancia->lineEdit()->installEventFilter(this);

    m_procedimento = new ProcedimentoPmu(ligacao(), sessao().modelo(), m_familia, contexto().dados.banco, this);
    connect(m_procedimento, &Procedimento::enviado, this, &PMU::esqueceRespostaContinuou);
    // The lines are shown once graded; the rows are stored in Master after, then terminou.
    connect(m_procedimento, &ProcedimentoTrilhas::graduado, this, [this] {
        if (!m_procedimento->resultado().erro)
            ExibeResultados(m_procedimento->linhas());
    });
    connect(m_procedimento, &Procedimento::terminou, this, &PMU::leituraTerminou);
    // The tolerance the answer is graded with is the field's when it arrives.
    connect(m_porcTolerancia, &QComboBox::currentTextChanged, m_procedimento,
            [this](const QString& texto) { m_procedimento->defineTolerancia(ToleranciaPmu(texto)); });

    controle->addWidget(m_botao1);
    controle->addWidget(m_botao2);
    controle->addSpacing(12);
    controle->addWidget(m_lbInfoDecimais);
    controle->addWidget(m_comboDecimais);
    controle->addWidget(m_comboDecimaisAmp);
    controle->addStretch(1);

    auto* topo = new QHBoxLayout;
    topo->addWidget(m_frameControle, 1);
    topo->addWidget(m_lbTolerancia);
    topo->addWidget(m_porcTolerancia);

    m_retangulo = new QFrame(this);
    m_retangulo->setObjectName(QStringLiteral("Retangulo"));
    m_retangulo->setFrameShape(QFrame::Box);
    m_grade = new QGridLayout(m_retangulo);
    // A line's output watched live, from its context menu (anywhere else: the watch's picker).
    m_retangulo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_retangulo, &QWidget::customContextMenuRequested, this, &PMU::menuDaLinha);
    m_grade->setHorizontalSpacing(Twips::paraPixels(120));
    m_grade->setVerticalSpacing(0);
    for (int i = 0; i < 4; ++i) {
        m_labelRef[i] = new QLabel(m_retangulo);
        m_labelRef[i]->setObjectName(QStringLiteral("Label_Ref(%1)").arg(i));
        QFont f = m_labelRef[i]->font();
        f.setBold(true);
        m_labelRef[i]->setFont(f);
    }
    m_labelRef[0]->setText(QStringLiteral("( % )"));
    m_labelRef[1]->setText(QStringLiteral("LEITURA: (mV)"));
    m_labelRef[2]->setText(QStringLiteral("(mA)"));
    m_labelRef[3]->setText(QStringLiteral("REF."));
    m_grade->addWidget(m_labelRef[1], 0, 2);
    m_grade->addWidget(m_labelRef[2], 0, 3);
    m_grade->addWidget(m_labelRef[3], 0, 4);
    m_grade->addWidget(m_labelRef[0], 0, 5);
    m_grade->setColumnMinimumWidth(0, Twips::paraPixels(1300));
    m_grade->setColumnMinimumWidth(1, Twips::paraPixels(3600));
    m_grade->setColumnMinimumWidth(2, Twips::paraPixels(1500));
    m_grade->setColumnMinimumWidth(3, Twips::paraPixels(1300));
    m_grade->setColumnMinimumWidth(4, Twips::paraPixels(1500));
    m_grade->setColumnMinimumWidth(5, Twips::paraPixels(1100));
    m_grade->setColumnMinimumWidth(6, Twips::paraPixels(400));
    m_grade->setColumnStretch(1, 1);
    for (int i = 0; i < LinhasDesenhadas; ++i)
        criaLinha(i);
    m_grade->setRowStretch(2 * LinhasDesenhadas + 1, 1);

    m_frameVCore = new PainelProgresso(this);
    m_lbVar = new NotaVar(this);

    // The lines scroll inside their box when the frame is lower than the design (a maximised
    // window on a scaled-up laptop screen), so the buttons and the note stay in view.
    m_rolagemLinhas = new QScrollArea(this);
    m_rolagemLinhas->setObjectName(QStringLiteral("RolagemLinhas"));
    m_rolagemLinhas->setFrameShape(QFrame::NoFrame);
    m_rolagemLinhas->setWidgetResizable(true);
    m_rolagemLinhas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rolagemLinhas->setWidget(m_retangulo);
    // Never narrower than the lines: a narrow frame scrolls the window as a whole sideways.
    m_rolagemLinhas->setMinimumWidth(m_retangulo->minimumSizeHint().width()
                                     + style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(topo);
    lay->addWidget(m_frameVCore);
    lay->addWidget(m_rolagemLinhas, 1);
    // The note sits at a fixed top (posicionaNota), below the lines.
    lay->addSpacing(Twips::paraPixels(900));

    // Load.
    traduz();
    LimpaLinhas();
    m_decimais = CarregaDecimais(contexto().dados.banco, VarianteGrade::Pmu);
    m_comboDecimais->setCurrentText(QString::number(m_decimais.casasV));
    m_comboDecimaisAmp->setCurrentText(QString::number(m_decimais.casasA));
    m_botao1->setFocus();
}

QSize PMU::sizeHint() const
{
    int largura = Twips::paraPixels(12570), altura = Twips::paraPixels(8940);
    if (QMdiArea* area = janelas().area()) {
        if (Twips::dePixels(area->window()->height()) > 11000)
            altura = Twips::paraPixels(8940 + 500);
    }
    return {largura, altura};
}

void PMU::criaLinha(int i)
{
    Linha l;
    auto rotulo = [this, i](const char* nome) {
        auto* r = new QLabel(m_retangulo);
        r->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(i));
        r->setMinimumHeight(Twips::paraPixels(300));
        return r;
    };
    l.saida = rotulo("SAIDA");
    l.malhaNome = rotulo("MALHA_NOME");
    l.leituraV = rotulo("LEITURA_V");
    l.leituraA = rotulo("LEITURA_A");
    l.ref = rotulo("REF");
    l.porc = rotulo("PORC");
    for (QLabel* r : {l.leituraV, l.leituraA, l.porc})
        r->setAlignment(Qt::AlignCenter);
    QFont negrito = l.saida->font();
    negrito.setBold(true);
    l.saida->setFont(negrito);
    l.ok = rotulo("OK");
    l.ok->setPixmap(ImagemMarca(true));
    l.no = rotulo("NO");
    l.no->setPixmap(ImagemMarca(false));
    l.marca = rotulo("MARCA");
    l.marca->setAlignment(Qt::AlignCenter);
    l.linha = new QFrame(m_retangulo);
    l.linha->setObjectName(QStringLiteral("LINHA(%1)").arg(i));
    l.linha->setFrameShape(QFrame::HLine);
    l.linha->setFrameShadow(QFrame::Plain);
    l.linha->setStyleSheet(QStringLiteral("color: #b0b0b0"));

    const int r = 1 + 2 * i;
    m_grade->addWidget(l.saida, r, 0);
    m_grade->addWidget(l.malhaNome, r, 1);
    m_grade->addWidget(l.leituraV, r, 2);
    m_grade->addWidget(l.leituraA, r, 3);
    m_grade->addWidget(l.ref, r, 4);
    m_grade->addWidget(l.porc, r, 5);
    m_grade->addWidget(l.ok, r, 6, Qt::AlignCenter);
    m_grade->addWidget(l.no, r, 6, Qt::AlignCenter);
    m_grade->addWidget(l.marca, r, 6, Qt::AlignCenter);
    m_grade->addWidget(l.linha, r + 1, 0, 1, 7);
    m_linhas.append(l);
}

void PMU::traduz()
{
    setWindowTitle(QStringLiteral("PMU - Vexador Tarrim"));
    m_lbInfoDecimais->setText(L(QStringLiteral("Decimais")) + QStringLiteral(": ( V / mA )"));
    m_labelRef[1]->setText(L(QStringLiteral("Leitura")).toUpper() + QStringLiteral(": (V)"));
    m_frameVCore->traduz();
    if (!m_lbVar->destacada())
        m_lbVar->setText(TextoNotaVar(sessao().modelo(), VarianteGrade::Pmu));
}

void PMU::atualizaJanelaAberta()
{
    m_lbVar->setText(TextoNotaVar(sessao().modelo(), VarianteGrade::Pmu));
}

bool PMU::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::FocusOut
        && (alvo == m_porcTolerancia || alvo == m_porcTolerancia->lineEdit()))
        validaTolerancia();
    return JanelaFilha::eventFilter(alvo, evento);
}

void PMU::validaTolerancia()
{
    m_porcTolerancia->setCurrentText(ToleranciaAjustada(m_porcTolerancia->currentText()));
}

void PMU::familiaEscolhida(int familia)
{
    m_familia = familia;
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        Pesquisa();
}

void PMU::LimpaLinhas()
{
    for (const Linha& l : std::as_const(m_linhas)) {
        for (QLabel* r : {l.saida, l.malhaNome, l.leituraV, l.leituraA, l.ref, l.porc}) {
            r->clear();
            r->hide();
        }
        pinta(l.leituraV, Cores::Branco);
        pinta(l.porc, Cores::Verde);
        l.ok->hide();
        l.no->hide();
        l.marca->hide();
        l.linha->hide();
    }
}

void PMU::posicionaNota()
{
    bool alta = false;
    if (QMdiArea* area = janelas().area())
        alta = Twips::dePixels(area->window()->height()) > 11000;
    const int margem = m_rolagemLinhas->x();
    const int altura = Twips::paraPixels(900);
    int topo = Twips::paraPixels(TopoNotaPmu(sessao().modelo(), m_familia, alta));
    // A frame lower than the design keeps the note at its foot, under the lines' box.
    if (height() < tamanhoNatural().height()) {
        const QLayout* lay = conteudo()->layout();
        const int chao = qMax(height(), lay ? lay->minimumSize().height() : 0);
        topo = qMin(topo, chao - altura);
    }
    m_lbVar->setGeometry(margem, topo, conteudo()->width() - 2 * margem, altura);
    mantemAlcancavel(m_lbVar);
}

void PMU::resizeEvent(QResizeEvent* e)
{
    JanelaFilha::resizeEvent(e);
    posicionaNota();
}

void PMU::Pesquisa()
{
    posicionaNota();
    m_frameControle->setEnabled(false);
    LimpaLinhas();
    m_lbVar->show();
    m_frameVCore->inicia();
    m_procedimento->defineModelo(sessao().modelo());
    m_procedimento->defineFamilia(m_familia);
    m_procedimento->defineDecimais(m_decimais);
    m_procedimento->defineTolerancia(ToleranciaPmu(m_porcTolerancia->currentText()));
    if (!m_procedimento->inicia())
        esperaCancelada();
}

void PMU::leituraTerminou()
{
    if (m_procedimento->fim() != Procedimento::Fim::Concluido) {
        esperaCancelada();
        return;
    }
    // An empty or non-numeric tolerance was read as 10, and the field says so.
    if (m_procedimento->tolerancia() == 10.0)
        m_porcTolerancia->setCurrentText(QStringLiteral("10"));
    const ResultadoGrade& r = m_procedimento->resultado();
    for (const QString& codigo : r.codigosDesconhecidos)
        AvisaCodigoDesconhecido(codigo);
    if (r.erro) {
        falha(*r.erro);
        return;
    }
    m_frameVCore->para();
    m_frameControle->setEnabled(true);
    if (!r.gravada)
        AvisaNaoGravado(r.falhaBanco, windowTitle(), L(QStringLiteral("LEITURA_NAO_GRAVADA")));
}

void PMU::falha(const ErroGrade& erro)
{
    dialogos().erroPadrao(erro.descricao, erro.numero);
    // The window is usable again: the technician may read once more.
    m_frameVCore->para();
    m_frameControle->setEnabled(true);
}

void PMU::menuDaLinha(const QPoint& ponto)
{
    const QWidget* sob = m_retangulo->childAt(ponto);
    QString trilha;
    for (const Linha& l : std::as_const(m_linhas))
        for (const QWidget* w : {static_cast<QWidget*>(l.saida), static_cast<QWidget*>(l.malhaNome),
                                 static_cast<QWidget*>(l.leituraV), static_cast<QWidget*>(l.leituraA),
                                 static_cast<QWidget*>(l.ref), static_cast<QWidget*>(l.porc)})
            if (w == sob && l.saida->isVisible())
                trilha = l.saida->property("trilha").toString();
    QMenu menu(this);
    QAction* acao = menu.addAction(L(QStringLiteral("ACOMP_ACAO")) + (trilha.isEmpty() ? QString() : QStringLiteral(": ") + trilha));
    if (menu.exec(m_retangulo->mapToGlobal(ponto)) == acao)
        janelas().pedeAcompanhamento(int(VarianteGrade::Pmu), m_familia, trilha);
}

void PMU::ExibeResultados(const QList<LinhaPmu>& linhas)
{
    // Filled while out of sight: one layout and one paint for all the lines, not one a label.
    m_retangulo->hide();
    for (int i = 0; i < linhas.size(); ++i) {
        // More outputs than the drawn lines get lines of their own.
        if (i >= m_linhas.size())
            criaLinha(i);
        const Linha& l = m_linhas[i];
        const TrilhaGraduada& tr = linhas[i].tensao;
        l.saida->setText(tr.orig.toUpper());
        l.saida->setProperty("trilha", tr.orig); // the output's name as the watch knows it
        l.leituraV->setText(tr.leitura);
        l.porc->setText(tr.porc);
        pintaVeredito(l.leituraV, tr.veredito);
        pintaVeredito(l.porc, tr.veredito);
        if (tr.veredito == Veredito::Passa) {
            l.ok->show();
        } else if (tr.veredito == Veredito::Falha) {
            l.no->show();
        } else {
            l.marca->setText(MarcaVeredito(tr.veredito));
            l.marca->setToolTip(TextoVeredito(tr.veredito));
            l.marca->show();
        }
        l.ref->setText(tr.ref);
        l.malhaNome->setText(tr.malha);
        // The current of the output, on its line.
        if (const auto& a = linhas[i].corrente) {
            l.leituraA->setText(a->leitura);
            pintaVeredito(l.leituraA, a->veredito);
            l.leituraA->show();
        }
        for (QWidget* c : {static_cast<QWidget*>(l.saida), static_cast<QWidget*>(l.leituraV),
                           static_cast<QWidget*>(l.porc), static_cast<QWidget*>(l.ref),
                           static_cast<QWidget*>(l.malhaNome), static_cast<QWidget*>(l.linha)})
            c->show();
    }
    m_retangulo->show();
}

void PMU::esperaCancelada()
{
    m_frameVCore->para();
    m_frameControle->setEnabled(true);
}
