// Every window on the technician's screen, in the three languages: each visible control lies
// inside the window's visible area or is reached through its scroll area, no two sibling
// controls overlap, no caption is cut, and the captions of the main window's button row share
// one font. The screen is a 1366 x 768 laptop's less a window manager's title bar (24 px:
// openbox's, the least a desktop takes); tests/CMakeLists.txt runs this program a second time
// with QT_SCALE_FACTOR=1.5.
#include "apoio/Apoio.h"
#include "apoio/CenarioJanela.h"

#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/ResultadoDiagnostico.h"
#include "diagnostico/janelas/JanelaHistorico.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "i18n/janelas/DialogosQt.h"
#include "app/janelas/xIdioma.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "shell/PerfilModelo.h"
#include "app/janelas/InicioPrograma.h"
#include "app/janelas/Inicial.h"
#include "reports/ArquivoRelatorio.h"
#include "app/janelas/xResponsabilidade.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "rails/janelas/Acompanhar.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/JanelaFilha.h"
#include "ui/RotuloElidido.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QString nomeDe(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The widget named by its chain of parents up to `raiz`, so a finding says where it is.
QString caminho(const QWidget* w, const QWidget* raiz)
{
    QStringList partes;
    for (const QWidget* p = w; p && p != raiz; p = p->parentWidget())
        if (!p->objectName().isEmpty() || p == w)
            partes.prepend(nomeDe(p));
    return partes.join(QLatin1Char('/'));
}

QString legendaDe(const QWidget* w)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->pixmap().isNull() ? l->text() : QString();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return {};
}

// A caption that does not fit its control, described; empty when it fits.
QString legendaCortada(const QWidget* w)
{
    // A line shortened on purpose: whole in its tooltip, and still telling enough to be known.
    if (auto* e = qobject_cast<const RotuloElidido*>(w)) {
        if (e->toolTip() != e->text())
            return QStringLiteral("shortened without its whole text in the tooltip");
        const int mostra = int(e->textoVisivel().size());
        return mostra < qMin<int>(int(e->text().size()), 24)
                   ? QStringLiteral("shortened to %1 characters: \"%2\"").arg(mostra).arg(e->textoVisivel())
                   : QString();
    }
    const QString texto = legendaDe(w);
    if (texto.trimmed().isEmpty())
        return {};
    const QFontMetrics fm(w->font());
    const QSize precisa = fm.size(Qt::TextShowMnemonic, texto);
    int cabe = w->width();
    int altura = w->height();
    int pede = precisa.width();
    if (auto* b = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton opcao;
        opcao.initFrom(b);
        opcao.text = b->text();
        opcao.icon = b->icon();
        opcao.iconSize = b->iconSize();
        opcao.features = b->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
        const QRect conteudo = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, b);
        cabe = conteudo.width();
        altura = conteudo.height();
        if (!b->icon().isNull())
            pede += b->iconSize().width() + 4;
    } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)
               || qobject_cast<const QToolButton*>(w)) {
        pede = w->sizeHint().width();
    } else if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap()) {
            const int h = l->heightForWidth(l->width());
            return h > l->height() + 1 ? QStringLiteral("needs %1 px of height, has %2").arg(h).arg(l->height())
                                       : QString();
        }
        pede = l->sizeHint().width();
        cabe = l->width();
        altura = l->height();
    } else if (qobject_cast<const QGroupBox*>(w)) {
        pede += fm.height(); // the frame's corner and the title's margins
    }
    if (pede > cabe + 1)
        return QStringLiteral("\"%1\" needs %2 px, has %3").arg(texto).arg(pede).arg(cabe);
    if (precisa.height() > altura + 2 && !qobject_cast<const QGroupBox*>(w))
        return QStringLiteral("\"%1\" needs %2 px of height, has %3").arg(texto).arg(precisa.height()).arg(altura);
    return {};
}

// Widgets that draw their own inside: their children are parts, not controls. (A button's
// children are looked at: a caption laid over a button is a control of its own.)
bool ehComposto(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w)
        || (qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QScrollArea*>(w));
}

// A coloured band behind other controls: an empty label or plain frame, below what it overlaps.
bool ehFundo(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text().isEmpty() && l->pixmap().isNull();
    return QLatin1String(w->metaObject()->className()) == QLatin1String("QFrame") && w->children().isEmpty();
}

// The controls that `w` shows: its visible child widgets, or a scroll area's content.
QList<QWidget*> controlesDe(QWidget* w)
{
    if (auto* s = qobject_cast<QScrollArea*>(w))
        return s->widget() && s->widget()->isVisibleTo(w) ? QList<QWidget*>{s->widget()} : QList<QWidget*>{};
    QList<QWidget*> filhos;
    if (ehComposto(w))
        return filhos;
    for (QObject* o : w->children()) {
        auto* f = qobject_cast<QWidget*>(o);
        if (f && !f->isWindow() && f->isVisibleTo(w))
            filhos << f;
    }
    return filhos;
}

// A control the technician works with (not a caption, a picture or a frame).
bool ehControleDeUso(const QWidget* w)
{
    // A button with neither caption nor picture is a filler (the end of the main row).
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return !b->text().trimmed().isEmpty() || !b->icon().isNull();
    return qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || (qobject_cast<const QAbstractSlider*>(w) && !qobject_cast<const QScrollBar*>(w));
}

// Where a scroll area between `w` and `raiz` hides part of `w` until it is scrolled: the
// control must be seen at the size the window opens with, bars or no bars.
QString escondidoNaRolagem(const QWidget* w, const QWidget* raiz)
{
    for (const QWidget* p = w->parentWidget(); p && p != raiz; p = p->parentWidget()) {
        auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
        if (!area || area->viewport() != p)
            continue;
        const QRect naVista(w->mapTo(p, QPoint(0, 0)), w->size());
        if (!p->rect().adjusted(-1, -1, 1, 1).contains(naVista))
            return QStringLiteral("only seen by scrolling (%1,%2 %3x%4 in a view of %5x%6)")
                .arg(naVista.x()).arg(naVista.y()).arg(naVista.width()).arg(naVista.height())
                .arg(p->width()).arg(p->height());
    }
    return {};
}

// Every control a technician uses is seen without scrolling (inside grids and text boxes
// aside), at the size its window opens with and maximised. At 150 % this screen holds
// 911 x 512 points, less than most windows' opening size, and they may scroll when opened:
// there the check is made on the main window and on each window maximised.
bool verificaRolagem = true;

// Walks `w` and what it shows and notes every control outside its parent (it would be
// clipped, out of reach), every overlap of two siblings, and every cut caption.
void examina(QWidget* w, const QWidget* raiz, QStringList& achados)
{
    const QString cortada = legendaCortada(w);
    if (!cortada.isEmpty())
        achados << caminho(w, raiz) + QStringLiteral(": caption cut, ") + cortada;
    if (ehControleDeUso(w) && verificaRolagem) {
        const QString escondido = escondidoNaRolagem(w, raiz);
        if (!escondido.isEmpty())
            achados << caminho(w, raiz) + QStringLiteral(": ") + escondido;
    }
    const bool conteudoRolado = qobject_cast<QScrollArea*>(w) != nullptr;
    const QList<QWidget*> filhos = controlesDe(w);
    for (int i = 0; i < filhos.size(); ++i) {
        QWidget* f = filhos[i];
        // A scroll area's content may be larger than its view: that is what the bars reach.
        if (!conteudoRolado && !w->rect().adjusted(-1, -1, 1, 1).contains(f->geometry()))
            achados << caminho(f, raiz) + QStringLiteral(": outside its parent (%1,%2 %3x%4 in %5x%6)")
                                            .arg(f->x()).arg(f->y()).arg(f->width()).arg(f->height())
                                            .arg(w->width()).arg(w->height());
        for (int k = i + 1; k < filhos.size(); ++k) {
            const QRect comum = f->geometry() & filhos[k]->geometry();
            // filhos is in stacking order: f lies below filhos[k]. A disabled control exactly
            // under another is one the window puts a control in place of (I2C's auto test on a
            // bus the model does not scan).
            const bool substituido = !f->isEnabled() && f->geometry() == filhos[k]->geometry();
            if (comum.width() > 1 && comum.height() > 1 && !ehFundo(f) && !substituido)
                achados << caminho(f, raiz) + QStringLiteral(" overlaps ") + caminho(filhos[k], raiz)
                               + QStringLiteral(" (%1 px)").arg(comum.width());
        }
        examina(f, raiz, achados);
    }
}

// The history with a board's two runs (a repair between them), a damaged file listed above
// them, and the later run chosen: its comparison, rail and the model's failures on show.
void mostraHistorico(JanelaHistorico* janela)
{
    const QString etiqueta = QStringLiteral("OS 20261211-0342 bancada 3");
    if (!QFileInfo::exists(ArquivoHistorico(ContextoTeste().dados, QStringLiteral("IP X"), QStringLiteral("A1901"), etiqueta))) {
        for (int k = 0; k < 2; ++k) {
            ExecucaoDiagnostico e;
            e.modelo = QStringLiteral("IP X");
            e.numero = QStringLiteral("A1901");
            e.etiqueta = etiqueta;
            e.inicio = QDateTime(QDate(2026, 12, 10 + k), QTime(3, 42, 7));
            e.duracaoMs = 3100;
            e.completa = true;
            const Veredito v = k == 0 ? Veredito::Falha : Veredito::Passa;
            e.passos = {{QStringLiteral("vcore"), QStringLiteral("VCore"), QStringLiteral("adc"), FimPasso::Respondido,
                         {{QStringLiteral("vcore"), QStringLiteral("PP1V8_ALWAYS_SLEEP"),
                           k == 0 ? QStringLiteral("1.512 V") : QStringLiteral("1.797 V"), QStringLiteral("1.800 V"), v},
                          {QStringLiteral("vcore"), QStringLiteral("mA PP_CPU"), QStringLiteral("420 mA"),
                           QStringLiteral("< 1000 mA"), Veredito::Passa}}}};
            GuardaExecucao(ContextoTeste().dados, e);
        }
        QFile danificado(QFileInfo(ArquivoHistorico(ContextoTeste().dados, QStringLiteral("IP X"), QStringLiteral("A1901"), QStringLiteral("OS-9")))
                             .absolutePath() + QStringLiteral("/IP-X_A1901_OS-9.json"));
        if (danificado.open(QIODevice::WriteOnly))
            danificado.write("{\"execucoes\": [");
    }
    janela->recarrega();
    QTest::qWaitFor([janela] { return !janela->lendo(); }, 20000);
    janela->seleciona(0);
}

// The window scrolls as a whole (its content larger than its frame, either way); "" when not.
QString rolaInteira(const JanelaFilha* j)
{
    auto* rolagem = j->findChild<QScrollArea*>(QStringLiteral("rolagem"), Qt::FindDirectChildrenOnly);
    if (!rolagem)
        return {};
    const int h = rolagem->horizontalScrollBar()->maximum(), v = rolagem->verticalScrollBar()->maximum();
    return h > 0 || v > 0 ? QStringLiteral("the window scrolls (%1 px sideways, %2 px down)").arg(h).arg(v) : QString();
}

// Every control of `j` in view, nothing overlapping or cut, and the window not scrolling.
QStringList achadosSemRolar(JanelaFilha* j)
{
    QStringList achados;
    verificaRolagem = true;
    examina(j, j, achados);
    if (const QString rola = rolaInteira(j); !rola.isEmpty())
        achados << rola;
    return achados;
}

// The child window `nome` opened and maximised in the main window's area (null when it did not open).
JanelaFilha* abreMaximizada(Inicial& principal, const QString& nome)
{
    JanelaFilha* j = principal.janelas().mostra(nome);
    auto* sub = j ? qobject_cast<QMdiSubWindow*>(j->parentWidget()) : nullptr;
    if (!sub)
        return nullptr;
    sub->showMaximized();
    QCoreApplication::processEvents();
    return j;
}

QString comoLista(const QStringList& achados)
{
    return QLatin1Char('\n') + achados.join(QLatin1Char('\n'));
}

// The text controls under `linha` whose font differs from the first one's.
QStringList fontesDiferentes(QWidget* linha)
{
    QStringList achados;
    std::optional<QFontInfo> primeira;
    for (QWidget* w : linha->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(linha) || legendaDe(w).trimmed().isEmpty())
            continue;
        const QFontInfo f(w->font());
        if (!primeira)
            primeira = f;
        else if (f.pixelSize() != primeira->pixelSize() || f.bold() != primeira->bold())
            achados << caminho(w, linha) + QStringLiteral(": font %1 px, its row %2 px")
                                               .arg(f.pixelSize()).arg(primeira->pixelSize());
    }
    return achados;
}

// A window's title fits its width, beside the frame's icon and buttons.
QString tituloCortado(const QWidget* janela)
{
    // As openbox draws it: the title in bold; its icon, buttons and gaps (a title of 190 px in
    // the plain font was whole in a frame of 330 px, cut in one of 300).
    QFont negrito = janela->font();
    negrito.setBold(true);
    const QFontMetrics fm(negrito);
    const int pede = fm.horizontalAdvance(janela->windowTitle()) + 6 * fm.height() + 16;
    return pede > janela->width() ? QStringLiteral("title \"%1\" needs %2 px, has %3")
                                        .arg(janela->windowTitle()).arg(pede).arg(janela->width())
                                  : QString();
}

// The diagnosis window as a finished run leaves it: the board line, the verdict with the
// comparison to the board's previous run, and the line of the page written under the reports
// folder (its path as long as a run names it).
void mostraFimDeDiagnostico(QWidget* janela)
{
    ExecucaoDiagnostico e;
    e.modelo = QStringLiteral("IP X");
    e.numero = QStringLiteral("A1901");
    e.etiqueta = QStringLiteral("OS 20261211-0342 bancada 3");
    e.inicio = QDateTime(QDate(2026, 12, 11), QTime(3, 42, 7));
    e.interrupcao = L(QStringLiteral("DIAG_PASSO_SEM_RESPOSTA"));
    janela->findChild<QLabel*>(QStringLiteral("lbPlaca"))
        ->setText(QStringLiteral("%1 %2   %3: %4").arg(e.modelo, e.numero, L(QStringLiteral("DIAG_ETIQUETA_CURTA")), e.etiqueta));
    janela->findChild<QLabel*>(QStringLiteral("lbEstado"))
        ->setText(ResumoExecucao(e) + QStringLiteral("\n%1: 3   %2: 12").arg(L(QStringLiteral("DIAG_CONSERTADOS")),
                                                                           L(QStringLiteral("DIAG_NOVAS_FALHAS"))));
    RelatorioPublicado r;
    r.arquivo = QDir(PastaRelatorios(ContextoTeste().dados.banco)).absoluteFilePath(
        NomeArquivoRelatorio(e.modelo, e.numero, QStringLiteral("Diagnostico"), e.inicio));
    janela->findChild<AvisoRelatorio*>()->mostra(r);
}

// The watch as it is most crowded: four plots, one mark in its list.
void mostraQuatroTrilhas(QWidget* janela)
{
    auto* a = qobject_cast<Acompanhar*>(janela);
    QVERIFY(a);
    const QString modelo = a->sessao().modelo();
    for (const TrilhaDoModelo& t : TrilhasDoModelo(a->contexto().dados.banco, VarianteGrade::VCore, modelo, FamiliaVCore))
        if (t.mensuravel && a->acompanhamento().trilhas().size() < Acompanhamento::MaximoTrilhas)
            QCOMPARE(a->acompanha(VarianteGrade::VCore, FamiliaVCore, t.nome), QString());
    QCOMPARE(a->acompanhamento().trilhas().size(), Acompanhamento::MaximoTrilhas);
    a->acompanhamento().acrescenta(0, Amostra{QDateTime::currentMSecsSinceEpoch(), 1.5, true, false},
                                   QStringLiteral("1.500 V"));
}

const QStringList& idiomas()
{
    static const QStringList n = {QString(), QStringLiteral("pt"), QStringLiteral("en"), QStringLiteral("es")};
    return n;
}

} // namespace

class TstTelas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void janela_data();
    void janela();
    void titulosDasCaixas_data();
    void titulosDasCaixas();
    void titulosDasEntradas_data();
    void titulosDasEntradas();
    void linhaDoRelatorio_data();
    void linhaDoRelatorio();
    void modelos_data();
    void modelos();
    void comparadorDasRadios();

private:
    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstTelas::initTestCase()
{
    const QScreen* tela = QGuiApplication::primaryScreen();
    QVERIFY(tela);
    qInfo("screen %dx%d logical pixels", tela->geometry().width(), tela->geometry().height());
}

void TstTelas::init()
{
    m_pasta = new PastaAplicacaoTemporaria;
    m_caixas = new RoteiroInstalado;
}

void TstTelas::cleanup()
{
    delete m_caixas;
    delete m_pasta;
    DefineIdioma(1);
}

// One row per window and language. "Inicial" is the main window itself, once linked (its
// button shows "Desconectar"); "xIdioma" and "xResponsabilidade" are its small dialogs; every
// other name is a child window opened in its area.
void TstTelas::janela_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("idioma");
    const QStringList janelas = {"Inicial", "xIdioma", "xResponsabilidade", "Master", "fmHelp", "VCores",
                                 "BuckLdo", "PMU", "BuckTeste", "Nand", "IC", "I2C", "Chestnut", "Tigris",
                                 "Tristar", "Acorn", "RFs", "RFs_Esq", "Displays", "Bateria", "Outros", "Sobre",
                                 "Diagnostico", "Historico", "Acompanhar"};
    for (const QString& j : janelas)
        for (int idioma = 1; idioma <= 3; ++idioma)
            QTest::newRow(qPrintable(j + QLatin1Char(' ') + idiomas().at(idioma))) << j << idioma;
}

void TstTelas::janela()
{
    QFETCH(QString, nome);
    QFETCH(int, idioma);
    DefineIdioma(idioma);
    Inicial principal(ContextoTeste());
    LigaJanelasPequenas(principal);
    principal.mostraNaTela();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    const bool ampliada = principal.screen()->devicePixelRatio() > 1.01;
    verificaRolagem = true;
    const QRect tela = principal.screen()->availableGeometry();
    QStringList achados;

    if (nome == QLatin1String("Inicial")) {
        principal.ligacao().defineEstado(EstadoLigacao::Ociosa);
        principal.Traducao_Form_Inicial();
        QTest::qWait(50); // the bar's layout follows the button row's in a few passes
        if (!tela.contains(principal.frameGeometry()))
            achados << QStringLiteral("the window (%1x%2) is larger than the screen")
                           .arg(principal.frameGeometry().width()).arg(principal.frameGeometry().height());
        auto* console = principal.findChild<QDockWidget*>(QStringLiteral("FrameConsole"));
        QVERIFY(console);
        const QRect naJanela(console->mapTo(&principal, QPoint(0, 0)), console->size());
        if (!principal.rect().contains(naJanela))
            achados << QStringLiteral("the console strip is off the window");
        examina(principal.menuWidget(), &principal, achados);
        achados << fontesDiferentes(principal.findChild<QWidget*>(QStringLiteral("PainelBotoes")));
        principal.ligacao().defineEstado(EstadoLigacao::Desconectada);
    } else if (nome == QLatin1String("xIdioma") || nome == QLatin1String("xResponsabilidade")) {
        std::unique_ptr<QDialog> dialogo;
        if (nome == QLatin1String("xIdioma"))
            dialogo = std::make_unique<xIdioma>(principal.janelas(), &principal);
        else
            dialogo = std::make_unique<xResponsabilidade>(principal.contexto().dados.banco, &principal);
        dialogo->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialogo.get()));
        if (!tela.contains(dialogo->frameGeometry()))
            achados << QStringLiteral("the dialog is larger than the screen");
        const QString titulo = tituloCortado(dialogo.get());
        if (!titulo.isEmpty())
            achados << titulo;
        examina(dialogo.get(), dialogo.get(), achados);
    } else {
        verificaRolagem = !ampliada;
        JanelaFilha* j = principal.janelas().mostra(nome);
        QVERIFY(j);
        if (nome == QLatin1String("Diagnostico"))
            mostraFimDeDiagnostico(j);
        if (auto* historico = qobject_cast<JanelaHistorico*>(j))
            mostraHistorico(historico);
        if (nome == QLatin1String("Acompanhar"))
            mostraQuatroTrilhas(j);
        auto* sub = qobject_cast<QMdiSubWindow*>(j->parentWidget());
        QVERIFY(sub);
        QCoreApplication::processEvents();
        const QRect visivel = principal.area()->viewport()->rect();
        if (!visivel.contains(sub->geometry()))
            achados << QStringLiteral("the window (%1x%2 at %3,%4) is not inside the area (%5x%6)")
                           .arg(sub->width()).arg(sub->height()).arg(sub->x()).arg(sub->y())
                           .arg(visivel.width()).arg(visivel.height());
        examina(j, j, achados);
        if (!ampliada && !rolaInteira(j).isEmpty())
            achados << rolaInteira(j);
        capturaJanela(j, nome + QString::number(idioma));

        // Maximised, the grids and text boxes take the room and the rest still holds.
        QWidget* conteudo = j->conteudo();
        const QSize antes = conteudo->size();
        const bool compactaAntes = j->emDesenhoCompacto();
        QHash<QAbstractScrollArea*, QSize> caixas;
        for (QAbstractScrollArea* c : conteudo->findChildren<QAbstractScrollArea*>())
            if (c->isVisible() && c->parentWidget() == conteudo)
                caixas.insert(c, c->size());
        sub->showMaximized();
        QCoreApplication::processEvents();
        const QSize depois = conteudo->size();
        const bool cresceu = depois.width() > antes.width() + 50 || depois.height() > antes.height() + 50;
        bool algumaCresceu = caixas.isEmpty();
        for (auto it = caixas.constBegin(); it != caixas.constEnd(); ++it)
            algumaCresceu |= it.key()->width() > it.value().width() || it.key()->height() > it.value().height();
        // A window that changed to its compact design (or back) is not comparable with itself.
        if (cresceu && !algumaCresceu && compactaAntes == j->emDesenhoCompacto())
            achados << QStringLiteral("maximised, no grid or text box took the room");
        capturaJanela(j, nome + QString::number(idioma) + QStringLiteral("-max"));
        QStringList maximizada;
        verificaRolagem = true;
        examina(j, j, maximizada);
        if (!rolaInteira(j).isEmpty())
            maximizada << rolaInteira(j);
        for (const QString& a : std::as_const(maximizada))
            achados << QStringLiteral("maximised: ") + a;
        // A chip reader's log shown or hidden in the maximised frame (which keeps its size).
        if (auto* log = j->findChild<QPushButton*>(QStringLiteral("btLog")); log) {
            log->click();
            QCoreApplication::processEvents();
            QStringList outroLog;
            examina(j, j, outroLog);
            if (!rolaInteira(j).isEmpty())
                outroLog << rolaInteira(j);
            for (const QString& a : std::as_const(outroLog))
                achados << QStringLiteral("maximised, log toggled: ") + a;
            capturaJanela(j, nome + QString::number(idioma) + QStringLiteral("-max-log"));
        }
    }
    verificaRolagem = true;
    QVERIFY2(achados.isEmpty(), qPrintable(comoLista(achados)));
}

// Every title a message box may carry, in each language, on a box with the shortest text:
// the box is as wide as its title needs.
void TstTelas::titulosDasCaixas_data()
{
    QTest::addColumn<QString>("titulo");
    QSet<QString> vistos;
    for (const QString& chave : ChavesDasMensagens())
        for (int idioma = 1; idioma <= 3; ++idioma) {
            const auto caixa = CaixaDaMensagem(chave, idioma, QStringLiteral("3"));
            if (caixa && !vistos.contains(caixa->titulo)) {
                vistos.insert(caixa->titulo);
                QTest::newRow(qPrintable(caixa->titulo)) << caixa->titulo;
            }
        }
}

// Every question that asks for a text (the board's label, the name on a report, a console
// command to record), in each language: the box is as wide as its title needs. Its layout
// ignores a least width, so this once failed with the width set that way.
void TstTelas::titulosDasEntradas_data()
{
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("sufixo");
    for (int idioma = 1; idioma <= 3; ++idioma)
        for (const auto& [chave, sufixo] : {std::pair{"Diagnóstico completo", ""}, std::pair{"Relatório", " - PDF"},
                                            std::pair{"Novo Comando", ""}})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QString::fromUtf8(chave)).arg(idioma)))
                << idioma << QString::fromUtf8(chave) << QString::fromUtf8(sufixo);
}

void TstTelas::titulosDasEntradas()
{
    QFETCH(int, idioma);
    QFETCH(QString, chave);
    QFETCH(QString, sufixo);
    DefineIdioma(idioma);
    QWidget pai;
    DialogosQt dialogos(&pai);
    QString cortado = QStringLiteral("no box was shown");
    QTimer::singleShot(0, [&cortado] {
        QWidget* caixa = QApplication::activeModalWidget();
        if (!caixa)
            return;
        QTest::qWaitForWindowExposed(caixa);
        cortado = tituloCortado(caixa);
        caixa->close();
    });
    QVERIFY(!dialogos.entrada(QStringLiteral("?"), L(chave) + sufixo, QString()));
    QVERIFY2(cortado.isEmpty(), qPrintable(cortado));
}

void TstTelas::titulosDasCaixas()
{
    QFETCH(QString, titulo);
    QMessageBox caixa;
    montaCaixa(caixa, Dialogos::Caixa{QStringLiteral("Ok."), titulo, Dialogos::Icone::Informacao,
                                      Dialogos::Botoes::Ok});
    caixa.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caixa));
    const QString cortado = tituloCortado(&caixa);
    QVERIFY2(cortado.isEmpty(), qPrintable(cortado));
}

// The screen of a 1366 x 768 laptop, given to the offscreen platform before it starts.
// The windows whose controls follow the model (the I2C buses and where its automatic test sits,
// the display buttons, the radios), maximised for each of the nine models: every control in
// view, nothing overlapping or cut, no scroll bar. The language goes round the models.
void TstTelas::modelos_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<int>("idioma");
    const QStringList modelos = PerfilModelo::nomes();
    for (const QString& nome : {QStringLiteral("I2C"), QStringLiteral("Displays"), QStringLiteral("RFs")})
        for (int k = 0; k < modelos.size(); ++k)
            QTest::newRow(qPrintable(nome + QLatin1Char(' ') + modelos.at(k))) << nome << modelos.at(k) << 1 + k % 3;
}

void TstTelas::modelos()
{
    QFETCH(QString, nome);
    QFETCH(QString, modelo);
    QFETCH(int, idioma);
    QCOMPARE(PerfilModelo::nomes().size(), 9);
    DefineIdioma(idioma);
    Inicial principal(ContextoTeste());
    LigaJanelasPequenas(principal);
    principal.mostraNaTela();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    principal.sessao().defineModelo(modelo);
    JanelaFilha* j = abreMaximizada(principal, nome);
    QVERIFY(j);
    capturaJanela(j, nome + QString(modelo).remove(QLatin1Char(' ')) + QStringLiteral("-max"));
    const QStringList achados = achadosSemRolar(j);
    QVERIFY2(achados.isEmpty(), qPrintable(comoLista(achados)));
}

// The RF window maximised with its comparator shown, then hidden again: the comparator finds
// room beside the answer (in the compact design, under it), nothing is cut, nothing scrolls.
void TstTelas::comparadorDasRadios()
{
    DefineIdioma(3); // the longest captions
    Inicial principal(ContextoTeste());
    LigaJanelasPequenas(principal);
    principal.mostraNaTela();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    JanelaFilha* j = abreMaximizada(principal, QStringLiteral("RFs"));
    QVERIFY(j);
    auto* botao = j->findChild<QPushButton*>(QStringLiteral("btComparador"));
    auto* comparador = j->findChild<QWidget*>(QStringLiteral("FrameComparador"));
    QVERIFY(botao && comparador);
    for (const bool mostrado : {true, false}) {
        botao->click();
        QCoreApplication::processEvents();
        QCOMPARE(comparador->isVisible(), mostrado);
        capturaJanela(j, QStringLiteral("RFs-comparador%1").arg(int(mostrado)));
        const QStringList achados = achadosSemRolar(j);
        QVERIFY2(achados.isEmpty(), qPrintable(comoLista(achados)));
    }
}

// The report line in a row narrower than its path: shortened in its middle (its start and the
// file name stay), whole in its tooltip and in text(), and Ctrl+C copies the path alone.
void TstTelas::linhaDoRelatorio_data()
{
    QTest::addColumn<int>("largura");
    QTest::addColumn<bool>("encurtada");
    QTest::newRow("room for it") << 1200 << false;
    QTest::newRow("narrow row") << 420 << true;
}

void TstTelas::linhaDoRelatorio()
{
    QFETCH(int, largura);
    QFETCH(bool, encurtada);
    AvisoRelatorio aviso;
    RelatorioPublicado r;
    r.arquivo = QDir(PastaRelatorios(ContextoTeste().dados.banco)).absoluteFilePath(
        NomeArquivoRelatorio(QStringLiteral("IP X"), QStringLiteral("A1901"), QStringLiteral("Diagnostico"),
                             QDateTime(QDate(2026, 12, 11), QTime(3, 42, 7))));
    aviso.mostra(r);
    aviso.resize(largura, aviso.sizeHint().height());
    aviso.show();
    QVERIFY(QTest::qWaitForWindowExposed(&aviso));
    auto* linha = aviso.findChild<RotuloElidido*>(QStringLiteral("lbRelatorio"));
    QVERIFY(linha);
    const QString inteira = L(QStringLiteral("Relatório salvo em:")) + QLatin1Char(' ') + QDir::toNativeSeparators(r.arquivo);
    QCOMPARE(linha->text(), inteira);
    QCOMPARE(linha->toolTip(), inteira);
    const QString visivel = linha->textoVisivel();
    QCOMPARE(visivel != inteira, encurtada);
    QVERIFY2(QFontMetrics(linha->font()).horizontalAdvance(visivel) <= linha->contentsRect().width(), qPrintable(visivel));
    if (encurtada) {
        QVERIFY2(visivel.contains(QChar(0x2026)), qPrintable(visivel));
        QVERIFY2(visivel.startsWith(L(QStringLiteral("Relatório salvo em:")).left(8)), qPrintable(visivel));
        QVERIFY2(visivel.endsWith(QStringLiteral(".html")), qPrintable(visivel));
    }
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(linha, Qt::LeftButton);
    QTest::keyClick(linha, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(r.arquivo));
}

int main(int argc, char** argv)
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("tela.json"));
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly))
        return 2;
    // 768 less the main window's title bar under a window manager (offscreen has none).
    f.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 744,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")) || qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + arquivo.toLocal8Bit());
    QApplication app(argc, argv);
    TstTelas t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_telas.moc"
