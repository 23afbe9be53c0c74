// Qt's own texts follow the language chosen in the program: the standard buttons of the real
// question and input boxes, after a click on a language in the language window; and the dates
// a report page carries are written in that language, whatever the system's.
#include "apoio/Apoio.h"

#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "i18n/janelas/DialogosQt.h"
#include "i18n/janelas/TraducoesQt.h"
#include "app/janelas/xIdioma.h"
#include "i18n/IdiomaAtivo.h"
#include "app/janelas/InicioPrograma.h"
#include "app/janelas/Inicial.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
QString semAtalho(QString texto)
{
    return texto.remove(QLatin1Char('&'));
}
} // namespace

class TstTextosQt : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        AplicaIdiomaAoQt(0);
        DefineIdioma(1);
    }
    void botoesNoIdiomaEscolhido_data();
    void botoesNoIdiomaEscolhido();
};

void TstTextosQt::botoesNoIdiomaEscolhido_data()
{
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("sim");
    QTest::addColumn<QString>("nao");
    QTest::addColumn<QString>("cancelar");
    QTest::addColumn<QString>("data"); // 10 December 2026, short
    QTest::newRow("pt") << 1 << "Sim" << "Não" << "Cancelar" << "10/12/2026";
    QTest::newRow("en") << 2 << "Yes" << "No" << "Cancel" << "12/10/26";
    QTest::newRow("es") << 3 << "Sí" << "No" << "Cancelar" << "10/12/26";
}

void TstTextosQt::botoesNoIdiomaEscolhido()
{
    QFETCH(int, idioma);
    QFETCH(QString, sim);
    QFETCH(QString, nao);
    QFETCH(QString, cancelar);
    QFETCH(QString, data);
    PastaAplicacaoTemporaria pasta;
    // Start from another language, so the click is what changes Qt's texts.
    DefineIdioma(idioma == 2 ? 3 : 2);
    AplicaIdiomaAoQt(IdiomaAtual());
    Inicial principal(ContextoTeste());
    LigaJanelasPequenas(principal);
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    {
        xIdioma escolha(principal.janelas(), &principal);
        escolha.show();
        QVERIFY(QTest::qWaitForWindowExposed(&escolha));
        QTest::mouseClick(escolha.findChild<QPushButton*>(QStringLiteral("btIdioma(%1)").arg(idioma)), Qt::LeftButton);
    }
    QCOMPARE(IdiomaAtual(), idioma);

    // A question of the program, as it shows it: its Yes and No.
    DialogosQt dialogos(&principal);
    QStringList botoes;
    QTimer::singleShot(0, this, [&] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(caixa);
        botoes << semAtalho(caixa->button(QMessageBox::Yes)->text()) << semAtalho(caixa->button(QMessageBox::No)->text());
        caixa->button(QMessageBox::No)->click();
    });
    const auto resposta = dialogos.mensagem(L(QStringLiteral("Deseja salvar?")), L(QStringLiteral("Salvar")),
                                            Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao);
    QCOMPARE(resposta, Dialogos::Resposta::Nao);
    QCOMPARE(botoes, (QStringList{sim, nao}));

    // The name prompt: its Cancel; the program's own texts stay the dictionary's.
    QString textoCancelar;
    QString rotulo;
    QTimer::singleShot(0, this, [&] {
        auto* caixa = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(caixa);
        rotulo = caixa->labelText();
        QAbstractButton* bt = caixa->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        textoCancelar = semAtalho(bt->text());
        bt->click();
    });
    QVERIFY(!dialogos.entrada(L(QStringLiteral("DIGITE SEU NOME")), L(QStringLiteral("Relatório")), QString()));
    QCOMPARE(textoCancelar, cancelar);
    QCOMPARE(rotulo, TextoDoDicionario(QStringLiteral("DIGITE SEU NOME"), idioma));

    // The date a report page is given.
    QCOMPARE(DataCurta(QDateTime(QDate(2026, 12, 10), QTime(10, 30))), data);
}

QTEST_MAIN(TstTextosQt)
#include "tst_textosqt.moc"
