// The small windows of the shell and the first start: the disclaimer and the import question
// in their order and what they leave in syncbd, declining the disclaimer, the sub-menu, the
// tips window, the About window and the background clearing.
#include "apoio/Apoio.h"
#include "apoio/CenarioJanela.h"

#include "db/Banco.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "shell/Paginas.h"
#include "shell/RegistroSessao.h"
#include "app/janelas/InicioPrograma.h"
#include "app/janelas/Inicial.h"
#include "app/janelas/Sobre.h"
#include "app/janelas/xResponsabilidade.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// One start of the program: the answers its boxes get, and what it must show, in order
// ("aviso" stands for the disclaimer), and syncbd after it.
struct Partida {
    QList<Dialogos::Resposta> respostas;
    QStringList sequencia;
    QString syncbd;
};

template <class T>
T* filho(QObject& w, const QString& nome)
{
    T* t = w.findChild<T*>(nome);
    if (!t)
        qFatal("no child %s", qPrintable(nome));
    return t;
}

QString pergunta()
{
    return L("Dados UPDATE1") + "\r\n" + L("Dados UPDATE2");
}

QString sincronizado()
{
    return CaixaDaMensagem("MSG_DADOS_SYNC", IdiomaAtual()).value().texto;
}

QString valor(const QString& sql)
{
    Banco b(DadosTeste().banco);
    return b.valor(sql).toString();
}

QByteArray resumo(const QString& caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A previous installation's copy whose first recorded answer the user changed.
constexpr auto Gravado = "gravado pelo usuario";
void criaUsuario()
{
    const LocalDados& g = DadosTeste();
    QVERIFY(QFile::copy(g.banco, g.usuario()));
    QFile(g.usuario()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    Banco u(g.usuario());
    QVERIFY(u.executa("Update Dados set Dados = ? where rowid = (select min(rowid) from Dados)", {Gravado}));
}
QString primeiroDado()
{
    return valor("Select Dados from Dados where rowid = (select min(rowid) from Dados)");
}

// Answers the disclaimer when it comes up: runs acao on it (it clicks a button) and notes
// how many boxes had been shown before it and whether a main window existed then.
class Vigia : public QObject {
public:
    explicit Vigia(DialogosRoteiro& r, std::function<void(xResponsabilidade&)> acao)
        : m_roteiro(r), m_acao(std::move(acao))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* aviso = qobject_cast<xResponsabilidade*>(QApplication::activeModalWidget());
            if (!aviso || !aviso->isVisible() || m_visto)
                return;
            m_visto = true;
            boxesAntes = m_roteiro.mostradas.size();
            for (QWidget* w : QApplication::topLevelWidgets())
                principalAntes |= w->objectName() == QLatin1String("Inicial");
            m_acao(*aviso);
        });
        m_timer.start();
    }
    bool visto() const { return m_visto; }
    qsizetype boxesAntes = -1;
    bool principalAntes = false;

private:
    DialogosRoteiro& m_roteiro;
    std::function<void(xResponsabilidade&)> m_acao;
    QTimer m_timer;
    bool m_visto = false;
};

void clicaNo(xResponsabilidade& a, const char* nome)
{
    QTest::mouseClick(filho<QWidget>(a, nome), Qt::LeftButton);
}

QEnterEvent entrada()
{
    return QEnterEvent(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
}

void passaSobre(QWidget* w)
{
    QEnterEvent e = entrada();
    QApplication::sendEvent(w, &e);
}

} // namespace

Q_DECLARE_METATYPE(QList<Partida>)

class TstJanelasPequenas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void primeiroInicio_data();
    void primeiroInicio();
    void avisoRecusado();
    void bandeiraDoAviso_data();
    void bandeiraDoAviso();

    void subMenu_data();
    void subMenu();
    void dicas();
    void sobre();
    void sobreSoComEnderecosConfigurados_data();
    void sobreSoComEnderecosConfigurados();
    void limpaFundo();

private:
    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstJanelasPequenas::init()
{
    m_pasta = new PastaAplicacaoTemporaria;
    m_caixas = new RoteiroInstalado;
    DefineIdioma(1);
}

void TstJanelasPequenas::cleanup()
{
    delete m_caixas;
    delete m_pasta;
}

void TstJanelasPequenas::primeiroInicio_data()
{
    using R = Dialogos::Resposta;
    QTest::addColumn<bool>("comUsuario");
    QTest::addColumn<QList<Partida>>("partidas");
    QTest::addColumn<bool>("importado");
    // "pergunta": the import question; "sincronizado": the box after the merge.
    const QString p = "pergunta";
    const QString s = "sincronizado";
    QTest::newRow("nothing to import") << false
        << QList<Partida>{{{}, {"aviso"}, "2"}, {{}, {}, "2"}} << false;
    QTest::newRow("Yes at once") << true
        << QList<Partida>{{{R::Sim}, {"aviso", p, s}, "2"}, {{}, {}, "2"}} << true;
    QTest::newRow("No, then No") << true
        << QList<Partida>{{{R::Nao}, {"aviso", p}, "1"}, {{R::Nao}, {p}, "2"}, {{}, {}, "2"}} << false;
    QTest::newRow("No, then Yes") << true
        << QList<Partida>{{{R::Nao}, {"aviso", p}, "1"}, {{R::Sim}, {p, s}, "2"}, {{}, {}, "2"}} << true;
}

void TstJanelasPequenas::primeiroInicio()
{
    QFETCH(bool, comUsuario);
    QFETCH(QList<Partida>, partidas);
    QFETCH(bool, importado);
    QCOMPARE(valor("Select syncbd from Tools"), QStringLiteral("0"));
    if (comUsuario)
        criaUsuario();
    const QString original = primeiroDado();

    DialogosRoteiro& r = m_caixas->roteiro;
    for (qsizetype i = 0; i < partidas.size(); ++i) {
        const Partida& p = partidas[i];
        r.limpa();
        r.respostas = p.respostas;
        Vigia vigia(r, [](xResponsabilidade& a) { clicaNo(a, "btOk"); });
        std::unique_ptr<Inicial> principal = IniciaPrograma(ContextoTeste(), nullptr);
        QVERIFY2(principal, qPrintable(QString("start %1").arg(i + 1)));
        QVERIFY(principal->isVisible());

        QStringList visto = r.textos();
        visto.replaceInStrings(QRegularExpression("^" + QRegularExpression::escape(pergunta()) + "$"), "pergunta");
        visto.replaceInStrings(QRegularExpression("^" + QRegularExpression::escape(sincronizado()) + "$"), "sincronizado");
        if (vigia.visto()) {
            QVERIFY(!vigia.principalAntes);
            visto.insert(vigia.boxesAntes, QStringLiteral("aviso"));
        }
        QCOMPARE(visto, p.sequencia);
        QCOMPARE(valor("Select syncbd from Tools"), p.syncbd);
        QVERIFY(r.respostas.isEmpty());
    }
    QCOMPARE(primeiroDado(), importado ? QString(Gravado) : original);
}

void TstJanelasPequenas::avisoRecusado()
{
    criaUsuario();
    const QByteArray antes = resumo(m_pasta->banco());
    DialogosRoteiro& r = m_caixas->roteiro;
    {
        Vigia vigia(r, [](xResponsabilidade& a) { clicaNo(a, "btNo"); });
        QVERIFY(!IniciaPrograma(ContextoTeste(), nullptr));
        QVERIFY(vigia.visto());
    }
    // The program ends before the main window: no import question, nothing written.
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(w->objectName() != QLatin1String("Inicial"));
    QCOMPARE(r.textos(), QStringList());
    QCOMPARE(resumo(m_pasta->banco()), antes);

    // Closing it without an answer is no acceptance either.
    {
        Vigia vigia(r, [](xResponsabilidade& a) { a.close(); });
        QVERIFY(!IniciaPrograma(ContextoTeste(), nullptr));
        QVERIFY(vigia.visto());
    }
    QCOMPARE(resumo(m_pasta->banco()), antes);

    // It stays due: the next start shows it again.
    r.respostas = {Dialogos::Resposta::Nao};
    Vigia vigia(r, [](xResponsabilidade& a) { clicaNo(a, "btOk"); });
    QVERIFY(IniciaPrograma(ContextoTeste(), nullptr));
    QVERIFY(vigia.visto());
    QCOMPARE(valor("Select syncbd from Tools"), QStringLiteral("1"));
}

void TstJanelasPequenas::bandeiraDoAviso_data()
{
    QTest::addColumn<int>("idioma");
    QTest::newRow("English") << 2;
    QTest::newRow("Spanish") << 3;
    QTest::newRow("Portuguese") << 1;
}

void TstJanelasPequenas::bandeiraDoAviso()
{
    QFETCH(int, idioma);
    Banco(m_pasta->banco()).executa("Update Tools set Idioma = ?", {idioma == 2 ? 3 : 2});

    QString termos, textoOk, textoNo, guardadoAntesDoPrincipal;
    int atual = 0;
    Vigia vigia(m_caixas->roteiro, [&](xResponsabilidade& a) {
        clicaNo(a, qPrintable(QString("Img(%1)").arg(idioma)));
        termos = filho<QPlainTextEdit>(a, "txtTermos")->toPlainText();
        textoOk = filho<QPushButton>(a, "btOk")->text();
        textoNo = filho<QPushButton>(a, "btNo")->toolTip();
        atual = IdiomaAtual();
        guardadoAntesDoPrincipal = valor("Select Idioma from Tools");
        clicaNo(a, "btOk");
    });
    std::unique_ptr<Inicial> principal = IniciaPrograma(ContextoTeste(), nullptr);
    QVERIFY(principal);
    QCOMPARE(atual, idioma);
    QCOMPARE(termos, TextoDoDicionario("MSG_LICENCA", idioma).remove('\r'));
    QCOMPARE(textoOk, TextoDoDicionario("TermosYes", idioma));
    QCOMPARE(textoNo, TextoDoDicionario("TermosNo", idioma));
    QCOMPARE(guardadoAntesDoPrincipal, QString::number(idioma));
    QCOMPARE(principal->botao(12)->text(), TextoDoDicionario("Sobre", idioma));
}

void TstJanelasPequenas::subMenu_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<int>("botao");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("janela");
    QTest::addColumn<int>("alturaTwips");
    QTest::newRow("Display, IP X") << "IP X" << 6 << 2 << "Acorn" << 495;
    QTest::newRow("Display, IP 7") << "IP 7" << 6 << 2 << "Chestnut" << 495;
    QTest::newRow("Buck / Ldo: Buck Test") << "IP 7" << 4 << 0 << "BuckTeste" << 990;
    QTest::newRow("Buck / Ldo: PMU") << "IP 8" << 4 << 1 << "PMU" << 990;
    QTest::newRow("RF") << "IP 7" << 5 << 3 << "RFs_Esq" << 495;
}

void TstJanelasPequenas::subMenu()
{
    QFETCH(QString, modelo);
    QFETCH(int, botao);
    QFETCH(int, entrada);
    QFETCH(QString, janela);
    QFETCH(int, alturaTwips);
    Inicial w(ContextoTeste());
    LigaJanelasPequenas(w);
    w.show();
    filho<QComboBox>(w, "ComboAparelhos")->setCurrentText(modelo);

    passaSobre(w.botao(botao));
    auto* menu = filho<QWidget>(w, "fmxMenu");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->height(), Twips::paraPixels(alturaTwips));
    QCOMPARE(menu->y(), 0);
    QCOMPARE(menu->mapTo(&w, QPoint(0, 0)).x(), w.botao(botao)->mapTo(&w, QPoint(0, 0)).x());
    if (botao == 6)
        QCOMPARE(filho<QLabel>(*menu, "lbInfo(0)")->text(), janela);
    auto* item = filho<QLabel>(*menu, QString("btMenu(%1)").arg(entrada));
    QVERIFY(item->isVisibleTo(menu));
    // The pointer goes from the button down into the sub-menu: moving over it is not moving
    // over the background under it.
    QTest::mouseMove(w.botao(botao));
    QVERIFY(menu->isVisible());
    QTest::mouseMove(item, QPoint(5, 5));
    QTest::mouseMove(item, QPoint(9, 6));
    QVERIFY(menu->isVisible());

    QTest::mouseClick(item, Qt::LeftButton);
    QVERIFY(!menu->isVisible());
    JanelaFilha* aberta = w.janelas().aberta(janela);
    QVERIFY(aberta);
    QCOMPARE(w.area()->activeSubWindow(), aberta->parentWidget());
    for (const char* outra : {"Acorn", "Chestnut", "BuckTeste", "PMU", "RFs_Esq"})
        if (janela != QLatin1String(outra))
            QVERIFY2(!w.janelas().aberta(outra), outra);

    // Another menu button hides it again.
    passaSobre(w.botao(botao));
    QVERIFY(menu->isVisible());
    passaSobre(w.botao(7));
    QVERIFY(!menu->isVisible());
}

void TstJanelasPequenas::dicas()
{
    Inicial w(ContextoTeste());
    LigaJanelasPequenas(w);
    w.show();
    QWidget* porta = filho<QWidget>(w, "FramePorta");
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);

    passaSobre(porta);
    QPointer<QWidget> dicas = filho<QWidget>(w, "Dicas");
    QVERIFY(dicas->isVisible());
    QCOMPARE(dicas->pos(), QPoint(0, 0));
    QCOMPARE(dicas->parentWidget(), w.area()->viewport());
    QCOMPARE(filho<QLabel>(*dicas, "lbInfo(0)")->text(), L("Box_Modelo").toUpper());
    QCOMPARE(filho<QLabel>(*dicas, "lbInfo(2)")->text(), QStringLiteral("P10, ILAVENNDER, IBOXx, DIAG TOOLS, ID-BOXx , ..."));
    QCOMPARE(filho<QLabel>(*dicas, "lbInfo(3)")->text(), QStringLiteral("JCC C3, B-BOXx"));

    // The model area hides it; the port frame brings it back; moving over it closes it.
    passaSobre(filho<QWidget>(w, "FrameMD"));
    QVERIFY(!dicas->isVisible());
    passaSobre(porta);
    QVERIFY(dicas->isVisible());
    QTest::mouseMove(filho<QWidget>(*dicas, "Frame1"));
    QTRY_VERIFY(!dicas);

    // Not while the About window is open.
    w.janelas().mostra("Sobre");
    passaSobre(porta);
    QVERIFY(!w.findChild<QWidget*>("Dicas"));
}

void TstJanelasPequenas::sobre()
{
    criaUsuario();
    QList<QPair<int, QString>> enderecos;
    for (int n : {1, 4, 5, 6, 7, 8})
        enderecos.append({n, QStringLiteral("https://paginas.test/%1").arg(n)});
    m_pasta->defineEnderecos(enderecos);
    Banco(m_pasta->banco()).executa("Update Tools set syncbd = '2'"); // no question at load
    Inicial w(ContextoTeste());
    LigaJanelasPequenas(w);
    w.show();
    QTest::mouseClick(w.botao(12), Qt::LeftButton);
    auto* sobre = w.janelas().aberta<Sobre>("Sobre");
    QVERIFY(sobre);
    QCOMPARE(sobre->windowTitle(), w.botao(12)->text());
    QCOMPARE(filho<QLabel>(*sobre, "lbVersao")->text(), L("Versão") + " 2.31");
    const QStringList linhas = filho<QLabel>(*sobre, "lblDisclaimer")->text().split("\r\n");
    QCOMPARE(linhas.size(), 3);
    QCOMPARE(linhas[1], L("Nao Purple"));
    QCOMPARE(filho<QWidget>(*sobre, "FrameAdd")->property("title").toString(), L("Informações adicionais"));
    // Its frame is 5835 x 6800 twips, centred, then 500 twips higher.
    const QWidget* quadro = sobre->parentWidget();
    QCOMPARE(quadro->size(), QSize(Twips::paraPixels(5835), Twips::paraPixels(6800)));
    const QSize fundo = w.area()->viewport()->size();
    QCOMPARE(quadro->y(), qMax(0, fundo.height() / 2 - Twips::paraPixels(1050) - quadro->height() / 2
                                      - Twips::paraPixels(500)));

    // Synchronise: No leaves the data alone, Yes merges and says so.
    DialogosRoteiro& r = m_caixas->roteiro;
    auto* mSync = filho<QAction>(*sobre, "mSync");
    QCOMPARE(mSync->text(), L("SYNC_1"));
    const QString original = primeiroDado();
    r.respostas = {Dialogos::Resposta::Nao};
    mSync->trigger();
    QCOMPARE(r.mostradas.size(), 1);
    const Dialogos::Caixa& c = r.mostradas[0].caixa;
    QCOMPARE(c.texto, L("SYNC_2"));
    QCOMPARE(c.titulo, QStringLiteral("Sincronizar / Sync"));
    QCOMPARE(c.icone, Dialogos::Icone::Pergunta);
    QCOMPARE(c.botoes, Dialogos::Botoes::SimNao);
    QCOMPARE(primeiroDado(), original);
    r.limpa();
    r.respostas = {Dialogos::Resposta::Sim};
    mSync->trigger();
    QCOMPARE(r.textos(), (QStringList{L("SYNC_2"), sincronizado()}));
    QCOMPARE(primeiroDado(), QString(Gravado));

    // Support and links open their numbered pages; a page that fails to open says nothing.
    r.limpa();
    r.abreResultado = false;
    auto* opcoes = filho<QMenu>(*sobre, "MOpcoes");
    QCOMPARE(opcoes->title(), L("Suporte"));
    QCOMPARE(filho<QAction>(*sobre, "remoto2")->text(), L("Suporte Remoto") + " 2 (ANY)");
    for (const char* nome : {"remoto1", "remoto2", "remoto3"})
        filho<QAction>(*sobre, nome)->trigger();
    for (const char* nome : {"Image3", "label8", "linkW", "linkIns"})
        QTest::mouseClick(filho<QWidget>(*sobre, nome), Qt::LeftButton);
    QStringList paginas;
    for (int n : {6, 7, 8, 1, 1, 4, 5})
        paginas << QStringLiteral("https://paginas.test/%1").arg(n);
    QCOMPARE(r.abertos, paginas);
    QCOMPARE(r.textos(), QStringList());

    // Where the session logs are, and the button that opens that folder.
    r.limpa();
    QVERIFY(!PastaLogs(ContextoTeste().dados.pasta).isEmpty());
    QCOMPARE(filho<QLabel>(*sobre, "lbPastaRegistros")->text(), QDir::toNativeSeparators(PastaLogs(ContextoTeste().dados.pasta)));
    QTest::mouseClick(filho<QPushButton>(*sobre, "btRegistros"), Qt::LeftButton);
    QCOMPARE(r.abertos, QStringList{PastaLogs(ContextoTeste().dados.pasta)});
    QVERIFY(QFileInfo(PastaLogs(ContextoTeste().dados.pasta)).isDir());

    w.janelas().fecha({"Sobre"});
    QVERIFY(!w.janelas().aberta("Sobre"));
}

void TstJanelasPequenas::sobreSoComEnderecosConfigurados_data()
{
    QTest::addColumn<QList<int>>("configuradas");
    QTest::newRow("none (as shipped)") << QList<int>{};
    QTest::newRow("contact and one support tool") << QList<int>{4, 7};
}

void TstJanelasPequenas::sobreSoComEnderecosConfigurados()
{
    QFETCH(QList<int>, configuradas);
    QList<QPair<int, QString>> enderecos;
    for (int n : configuradas)
        enderecos.append({n, QStringLiteral("https://paginas.test/%1").arg(n)});
    m_pasta->defineEnderecos(enderecos);
    Banco(m_pasta->banco()).executa("Update Tools set syncbd = '2'");
    Inicial w(ContextoTeste());
    LigaJanelasPequenas(w);
    w.show();
    auto* sobre = qobject_cast<Sobre*>(w.janelas().mostra("Sobre"));
    QVERIFY(sobre);
    // An entry without an address is not offered; the others are.
    const QList<std::pair<const char*, int>> entradas = {{"linkW", 4}, {"linkIns", 5}};
    for (const auto& [nome, pagina] : entradas)
        QCOMPARE(!filho<QWidget>(*sobre, nome)->isHidden(), configuradas.contains(pagina));
    const QList<std::pair<const char*, int>> remotos = {{"remoto1", 6}, {"remoto2", 7}, {"remoto3", 8}};
    for (const auto& [nome, pagina] : remotos)
        QCOMPARE(filho<QAction>(*sobre, nome)->isVisible(), configuradas.contains(pagina));
    QCOMPARE(filho<QMenu>(*sobre, "MOpcoes")->menuAction()->isVisible(), configuradas.contains(7));
    capturaJanela(sobre, QStringLiteral("sobre_%1_enderecos").arg(configuradas.size()));
    // Clicking what is left never opens a placeholder.
    DialogosRoteiro& r = m_caixas->roteiro;
    r.limpa();
    for (const char* nome : {"Image3", "label8"})
        QTest::mouseClick(filho<QWidget>(*sobre, nome), Qt::LeftButton);
    for (const auto& [nome, pagina] : remotos)
        filho<QAction>(*sobre, nome)->trigger();
    QStringList esperados;
    if (configuradas.contains(7))
        esperados << QStringLiteral("https://paginas.test/7");
    QCOMPARE(r.abertos, esperados);
    w.janelas().fecha({"Sobre"});
}

void TstJanelasPequenas::limpaFundo()
{
    Inicial w(ContextoTeste());
    LigaJanelasPequenas(w);
    w.show();
    w.resize(1100, 800);
    QVERIFY(w.LimparLogo);
    QWidget* fundo = w.area()->viewport();
    QTest::mouseMove(fundo, QPoint(300, 300));
    QPointer<QWidget> limpa = w.findChild<QWidget*>("zLimpa");
    QVERIFY(limpa);
    QVERIFY(!w.LimparLogo);
    QCOMPARE(limpa->geometry(), QRect(0, 0, w.width() - Twips::paraPixels(200), w.height() - Twips::paraPixels(2000)));
    QTRY_VERIFY_WITH_TIMEOUT(!limpa, 1000); // its 10 ms timer closes it

    // With the About window open nothing covers the background; the flag is cleared.
    w.janelas().mostra("Sobre");
    w.resize(1150, 820);
    QVERIFY(w.LimparLogo);
    QTest::mouseMove(fundo, QPoint(20, 500));
    QVERIFY(!w.LimparLogo);
    QVERIFY(!w.findChild<QWidget*>("zLimpa"));
}

QTEST_MAIN(TstJanelasPequenas)
#include "tst_janelaspequenas.moc"
