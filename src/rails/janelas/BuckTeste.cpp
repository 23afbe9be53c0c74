#include "rails/janelas/BuckTeste.h"

#include "db/ConsultaDados.h"
#include "i18n/Dicionario.h"
#include "rails/janelas/ComponentesTrilhas.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVBoxLayout>

BuckTeste::BuckTeste(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("BuckTeste"), janelas)
{
    m_btBl3 = new QPushButton(this);
    m_btBl3->setObjectName(QStringLiteral("btBl(3)"));
    m_btBl4 = new QPushButton(this);
    m_btBl4->setObjectName(QStringLiteral("btBl(4)"));
    for (QPushButton* b : {m_btBl3, m_btBl4})
        b->setMinimumHeight(Twips::paraPixels(450));
    connect(m_btBl3, &QPushButton::clicked, this, [this] { botaoBl(3); });
    connect(m_btBl4, &QPushButton::clicked, this, [this] { botaoBl(4); });

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->addItems({QStringLiteral(" 5"), QStringLiteral("10"), QStringLiteral("15"),
                        QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30")});
    m_combo1->setCurrentText(QStringLiteral("5"));
    m_combo1->setMaximumWidth(Twips::paraPixels(900));

    m_listView = new QListWidget(this);
    m_listView->setObjectName(QStringLiteral("ListView"));
    m_listViewComparador = new QListWidget(this);
    m_listViewComparador->setObjectName(QStringLiteral("ListViewComparador"));
    for (QListWidget* l : {m_listView, m_listViewComparador}) {
        QFont f(QStringLiteral("Monospace"), 9);
        f.setStyleHint(QFont::TypeWriter);
        l->setFont(f);
        l->setIconSize(QSize(16, 16));
    }

    m_vistaDados = new QPlainTextEdit(this);
    m_vistaDados->setObjectName(QStringLiteral("txtDados"));
    m_vistaComparador = new QPlainTextEdit(this);
    m_vistaComparador->setObjectName(QStringLiteral("txtComparador"));
    for (QPlainTextEdit* t : {m_vistaDados, m_vistaComparador}) {
        t->setReadOnly(true);
        t->setLineWrapMode(QPlainTextEdit::NoWrap);
        t->setMaximumHeight(Twips::paraPixels(1300));
    }
    m_data2 = new QSqlQueryModel(this);
    m_data2->setObjectName(QStringLiteral("Data2"));

    m_lbInfoBucks = new QLabel(this);
    m_lbInfoBucks->setObjectName(QStringLiteral("lbInfoBucks"));
    m_lbInfoBucks->setWordWrap(true);
    m_lbInfoBucks->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lbInfoBucks->setFrameShape(QFrame::StyledPanel);
    m_lblLabel0 = new QLabel(this);
    m_lblLabel0->setObjectName(QStringLiteral("lblLabel(0)"));
    m_lblLabel1 = new QLabel(this);
    m_lblLabel1->setObjectName(QStringLiteral("lblLabel(1)"));
    m_lblLabel4 = new QLabel(this);
    m_lblLabel4->setObjectName(QStringLiteral("lblLabel(4)"));
    for (QLabel* l : {m_lblLabel0, m_lblLabel1, m_lblLabel4}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    m_btOriginal = new QPushButton(QStringLiteral("Original"), this);
    m_btOriginal->setObjectName(QStringLiteral("btOriginal"));
    connect(m_btOriginal, &QPushButton::clicked, this, &BuckTeste::PreProcesso);
    m_botao1 = new QPushButton(QStringLiteral("BUCK"), this);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao2 = new QPushButton(QStringLiteral("LDO"), this);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    connect(m_botao1, &QPushButton::clicked, this, &BuckTeste::voltaParaBuckLdo);
    connect(m_botao2, &QPushButton::clicked, this, &BuckTeste::voltaParaBuckLdo);

    m_frameVCore = new PainelProgresso(this);

    m_procedimento = new ProcedimentoBuck(ligacao(), sessao().modelo(), m_modo, QString(), this);
    connect(m_procedimento, &Procedimento::enviado, this, &BuckTeste::esqueceRespostaContinuou);
    connect(m_procedimento, &Procedimento::terminou, this, &BuckTeste::leituraTerminou);

    auto* comandos = new QHBoxLayout;
    comandos->addWidget(m_btBl3);
    comandos->addWidget(m_btBl4);
    comandos->addWidget(m_combo1);
    comandos->addWidget(new QLabel(QStringLiteral("%"), this));
    comandos->addStretch(1);
    comandos->addWidget(m_btOriginal);
    comandos->addSpacing(16);
    comandos->addWidget(m_botao1);
    comandos->addWidget(m_botao2);

    // The two result lists side by side over the raw texts and the note.
    auto* listas = new QGridLayout;
    listas->addWidget(m_lblLabel0, 0, 0);
    listas->addWidget(m_lblLabel4, 0, 1);
    listas->addWidget(m_listView, 1, 0);
    listas->addWidget(m_listViewComparador, 1, 1);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(m_vistaDados, 3);
    baixo->addWidget(m_vistaComparador, 3);
    auto* info = new QVBoxLayout;
    info->addWidget(m_lblLabel1);
    info->addWidget(m_lbInfoBucks, 1);
    baixo->addLayout(info, 3);
    m_lbInfoBucks->setMinimumHeight(Twips::paraPixels(1300));

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(comandos);
    lay->addWidget(m_frameVCore);
    lay->addLayout(listas, 1);
    lay->addLayout(baixo);

    // Load.
    setWindowTitle(QStringLiteral("Buck & Ldo - Vexador Tarrim"));
    traduz();
    consultaVazia();
}

QSize BuckTeste::sizeHint() const
{
    int altura = Twips::paraPixels(8970);
    if (QMdiArea* area = janelas().area()) {
        const int principal = Twips::dePixels(area->window()->height());
        if (principal > 11000)
            altura = Twips::paraPixels(principal - 2300);
    }
    return {Twips::paraPixels(15620), altura};
}

void BuckTeste::traduz()
{
    m_btBl3->setText(QStringLiteral("Buck ") + L(QStringLiteral("Leitura")));
    m_btBl4->setText(QStringLiteral("Buck ") + L(QStringLiteral("Teste")));
    m_lblLabel0->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lblLabel1->setText(L(QStringLiteral("Informações adicionais")) + QLatin1Char(':'));
    m_lblLabel4->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_frameVCore->traduz();
    MostraInfoBucks();
}

void BuckTeste::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    m_vistaDados->setPlainText(texto);
}

void BuckTeste::consultaVazia()
{
    m_data2->setQuery(ConsultaDadosVazia(contexto().dados.banco));
    carregaComparador();
}

void BuckTeste::consultaDados()
{
    // The recorded answer of this window's own command, never the link's last one (another
    // window's).
    consultaDados(m_procedimento->comando());
}

void BuckTeste::consultaDados(const QString& comando)
{
    m_data2->setQuery(ConsultaDados(contexto().dados.banco, sessao().modelo(), comando));
    carregaComparador();
}

void BuckTeste::carregaComparador()
{
    const QString texto = m_data2->rowCount() > 0
                              ? m_data2->record(0).value(QStringLiteral("Dados")).toString()
                              : QString();
    m_txtComparador = texto;
    m_vistaComparador->setPlainText(texto);
    m_vistaComparador->moveCursor(QTextCursor::Start);
    MostraInfoBucks();
}

void BuckTeste::MostraInfoBucks()
{
    m_lbInfoBucks->setText(TextoInfoBucks(sessao().modelo()));
}

void BuckTeste::botaoBl(int i)
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    consultaVazia();
    Pesquisa(i);
}

void BuckTeste::Pesquisa(int i)
{
    std::optional<QString> comando;
    ModoBuck modo;
    if (i == 3) {
        m_combo1->setCurrentText(QStringLiteral("5"));
        comando = ComandoBuck(ModoBuck::Buck, QString());
        modo = ModoBuck::Buck;
    } else {
        comando = ComandoBuck(ModoBuck::Buckcheck, m_combo1->currentText());
        modo = ModoBuck::Buckcheck;
    }
    if (!comando)
        return; // a tolerance outside 1..99 sends nothing
    m_modo = modo;
    m_frameVCore->inicia();
    defineTxtDados(QString());
    m_listView->clear();
    m_listViewComparador->clear();
    m_procedimento->define(sessao().modelo(), modo, *comando);
    if (!m_procedimento->inicia())
        m_frameVCore->para();
}

void BuckTeste::lista(const QList<ItemBuck>& itens, QListWidget* destino)
{
    for (const ItemBuck& item : itens) {
        auto* linha = new QListWidgetItem(IconeResultado(int(item.icone)), item.texto);
        linha->setData(Qt::UserRole, int(item.icone)); // the image list index, for whoever reads the list
        // The phone's PASS / FAIL as the program's verdict (an output without a value in
        // purple mode is not measurable, as in the rail windows): the same tint and word as
        // elsewhere. The data keeps the phone's own icon.
        const Veredito v = VereditoBuck(item, sessao().modelo());
        if (v == Veredito::NaoMensuravel)
            linha->setIcon(IconeResultado(int(IconeBuck::Leitura)));
        if (const QColor cor = corVeredito(v); cor.isValid())
            linha->setBackground(cor);
        if (v != Veredito::NaoGraduado) {
            linha->setToolTip(TextoVeredito(v));
            if (destino == m_listView)
                AnotaVeredito(objectName(), item.texto.trimmed().section(QLatin1Char(':'), 0, 0),
                              item.texto.trimmed(), QString(), v);
        }
        destino->addItem(linha);
    }
}

void BuckTeste::PreProcesso()
{
    if (!RespostaBuckCompleta(m_txtDados))
        return;
    mostra(ListaPorModo(m_modo, m_txtDados));
}

void BuckTeste::leituraTerminou()
{
    if (m_procedimento->fim() != Procedimento::Fim::Concluido) {
        esperaCancelada();
        return;
    }
    defineTxtDados(m_procedimento->respostaR());
    // An answer without the prompt is not parsed; the progress stays until a complete one.
    if (!m_procedimento->resultado().completa)
        return;
    mostra(m_procedimento->resultado().lista);
}

void BuckTeste::mostra(const QList<ItemBuck>& itens)
{
    // Parsing into the live list empties the raw answer (a "buck" parse only when it is not
    // a buckcheck answer), so a second "Original" adds nothing new.
    if (m_modo == ModoBuck::Buckcheck || !m_txtDados.contains(QLatin1String("measured")))
        defineTxtDados(QString());
    lista(itens, m_listView);

    QPointer<BuckTeste> eu(this);
    // The recorded answer of the command this reading sent.
    if (!m_procedimento->comando().isEmpty())
        consultaDados(m_procedimento->comando());
    QApplication::processEvents();
    if (!eu)
        return;

    m_frameVCore->para();
    if (!m_txtComparador.isEmpty())
        lista(ListaPorModo(m_modo, m_txtComparador), m_listViewComparador);
}

void BuckTeste::atualizaJanelaAberta()
{
    consultaDados();
}

void BuckTeste::esperaCancelada()
{
    m_frameVCore->para();
}

void BuckTeste::voltaParaBuckLdo()
{
    janelas().passaPara(QStringLiteral("BuckTeste"), QStringLiteral("BuckLdo"));
}
