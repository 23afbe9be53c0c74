// A window of controls at fixed positions with a compact second design: which design a frame
// gets, where the controls go in it, and that they come back to the natural design whole.
#include "ui/LayoutElastico.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TstDesenhoCompacto : public QObject {
    Q_OBJECT
private slots:
    void desenho_data();
    void desenho();
};

// Natural design 400 x 300: a text box (10,10 380x230) and a button under it (10,250 100x30).
// Compact design 300 x 150: the box (10,10 200x130), the button beside it (220,10 70x30).
void TstDesenhoCompacto::desenho_data()
{
    QTest::addColumn<QSize>("quadro");
    QTest::addColumn<bool>("cabeCompacto"); // the frame is as wide as the compact design
    QTest::addColumn<bool>("viaCompacto");  // the frame was laid out compact just before
    QTest::addColumn<bool>("compacto");
    QTest::addColumn<QRect>("botao");
    QTest::addColumn<QRect>("caixa"); // null: the box not looked at, nor the button's height on screen

    QTest::newRow("natural") << QSize(400, 300) << true << false << false << QRect(10, 250, 100, 30)
                             << QRect(10, 10, 380, 230);
    QTest::newRow("larger: the natural design stretched")
        << QSize(500, 400) << true << false << false << QRect(10, 350, 100, 30) << QRect(10, 10, 480, 330);
    QTest::newRow("too low: the compact design, stretched sideways and its box lower")
        << QSize(400, 120) << true << false << true << QRect(320, 10, 70, 30) << QRect(10, 10, 300, 100);
    QTest::newRow("too low but too narrow for the compact design: the natural one")
        << QSize(400, 120) << false << false << false << QRect(10, 250, 100, 30) << QRect();
    QTest::newRow("back to the natural size after the compact design")
        << QSize(400, 300) << true << true << false << QRect(10, 250, 100, 30) << QRect(10, 10, 380, 230);
    QTest::newRow("back to a larger frame after the compact design: the natural sizes again")
        << QSize(500, 400) << true << true << false << QRect(10, 350, 100, 30) << QRect(10, 10, 480, 330);
}

void TstDesenhoCompacto::desenho()
{
    QFETCH(QSize, quadro);
    QFETCH(bool, cabeCompacto);
    QFETCH(bool, viaCompacto);
    QFETCH(bool, compacto);
    QFETCH(QRect, botao);
    QFETCH(QRect, caixa);

    QWidget pai;
    auto* texto = new QPlainTextEdit(&pai);
    texto->setGeometry(10, 10, 380, 230);
    auto* bt = new QPushButton(QStringLiteral("Ler"), &pai);
    bt->setGeometry(10, 250, 100, 30);
    auto* layout = new LayoutElastico(&pai);
    layout->addWidget(texto);
    layout->addWidget(bt);
    layout->defineTamanhoNatural(QSize(400, 300));
    layout->defineDesenhoCompacto(QSize(300, 150), [texto, bt] {
        return QHash<QWidget*, QRect>{{texto, QRect(10, 10, 200, 130)}, {bt, QRect(220, 10, 70, 30)}};
    });
    layout->permiteCompacto(true);
    if (viaCompacto) {
        layout->setGeometry(QRect(QPoint(0, 0), QSize(400, 120)));
        QVERIFY(layout->emCompacto());
        QCOMPARE(bt->geometry(), QRect(320, 10, 70, 30));
    }
    layout->permiteCompacto(cabeCompacto);
    layout->setGeometry(QRect(QPoint(0, 0), quadro));
    QCOMPARE(layout->emCompacto(), compacto);
    if (caixa.isNull()) { // the lower rows as the box gives them: the natural place otherwise
        QCOMPARE(bt->x(), botao.x());
        QCOMPARE(bt->size(), botao.size());
    } else {
        QCOMPARE(bt->geometry(), botao);
        QCOMPARE(texto->geometry(), caixa);
    }
    // The minimum the frame may take without scrolling is the design's it may get.
    QCOMPARE(layout->minimumSize().width(), cabeCompacto ? 300 : 400);
}

QTEST_MAIN(TstDesenhoCompacto)
#include "tst_desenho_compacto.moc"
