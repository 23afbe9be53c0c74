// Every answer holds only its own bytes. The rest of an answer cut by its tick limit keeps the
// link busy until the phone has finished and goes to the session log as discarded; so do bytes
// that arrive outside any exchange. Button 1 disconnects while an answer is coming.
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "apoio/LigacaoAberta.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "shell/RegistroSessao.h"
#include "app/janelas/Inicial.h"
#include "boardtests/janelas/JanelaTestePlaca.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/JanelaFilha.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

namespace {

const QString Prompt = QStringLiteral("[0D1F2E3C:5A4B6C7D] :-) ");

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The log entries whose header holds `assunto`: the header, then the body lines as written.
QList<QStringList> entradas(const QByteArray& log, const QString& assunto)
{
    QList<QStringList> achadas;
    bool dentro = false;
    for (const QString& linha : QString::fromUtf8(log).split(QLatin1Char('\n'))) {
        if (!linha.startsWith(QLatin1String("    "))) {
            dentro = linha.contains(assunto);
            if (dentro)
                achadas << QStringList{linha};
        } else if (dentro) {
            achadas.last() << linha;
        }
    }
    return achadas;
}

// The bytes a body holds, its lines joined again (the omission line left out).
QString corpo(const QStringList& entrada)
{
    QStringList linhas;
    for (const QString& l : entrada.mid(1))
        if (l.startsWith(RegistroSessao::PrefixoResposta))
            linhas << l.mid(RegistroSessao::PrefixoResposta.size());
    return linhas.join(QLatin1Char('\n'));
}

QString st1(Inicial& w)
{
    return w.findChild<QLabel*>(QStringLiteral("St1"))->text();
}

// What the main window's console strip shows (its own text, line ends without the CR).
QString console(Inicial& w)
{
    return w.findChild<QPlainTextEdit*>(QStringLiteral("txtConsole"))->toPlainText();
}

} // namespace

class TstDescarte : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_pasta = new PastaAplicacaoTemporaria;
        m_caixas = new RoteiroInstalado;
        DefineIdioma(1);
    }
    void cleanup()
    {
        delete m_caixas;
        delete m_pasta;
    }

    void corteNoLimite_data();
    void corteNoLimite();
    void bytesForaDaTroca();
    void continuacaoNaJanela();
    void desconectarDuranteResposta();

private:
    QByteArray log(Inicial& w) { return conteudo(w.registro().arquivoDoDia(QDate::currentDate())); }

    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstDescarte::corteNoLimite_data()
{
    QTest::addColumn<QStringList>("opcoes");
    QTest::addColumn<bool>("comPrompt");
    QTest::newRow("the phone ends with its prompt") << QStringList() << true;
    QTest::newRow("a box without prompt goes quiet") << QStringList{"--sem-prompt"} << false;
}

void TstDescarte::corteNoLimite()
{
    QFETCH(QStringList, opcoes);
    QFETCH(bool, comPrompt);
    // "syscfg list" on box "1" printing for about 23 s, a piece every 20 ms: the 200-tick
    // limit (20 s) cuts it while the phone is still printing.
    Bancada b;
    QVERIFY(b.inicia(QStringList{"--lento", "20", "--pedaco", "60"} + opcoes, 0));
    Inicial w(ContextoTeste());
    Ligacao& l = w.ligacao();
    QVERIFY(AbreLigacao(l, b.dispositivo()));
    QStringList respostas;
    registraEntrega(l, "4", [&](const QString& R, const QString&) { respostas << R; });

    QList<QPair<QString, qint64>> continuou;
    connect(&l, &Ligacao::respostaContinuou, this, [&](const QString& c, qint64 n) { continuou.append({c, n}); });
    qint64 descartados = 0;
    connect(&l, &Ligacao::bytesDescartados, this, [&](const QString&, const RegrasTroca::Descarte& d) { descartados += d.total(); });

    QVERIFY(solicita(l, "4", "syscfg list"));
    QTRY_VERIFY_WITH_TIMEOUT(!respostas.isEmpty(), 40000);
    const QString cortada = respostas.first();
    QVERIFY(l.cortadaNoLimite());
    QVERIFY(cortada.startsWith(QStringLiteral("\r\nsyscfg list\r\r\nListing SysCfg entries:\r\n")));
    QVERIFY(!cortada.contains(QStringLiteral("Finished")));
    // Busy until the phone has finished: every window sees the usual wait.
    QCOMPARE(l.estado(), EstadoLigacao::Ocupada);
    QCOMPARE(st1(w), L("Comunicando"));
    QCOMPARE(l.textoEspera(), L("Aguarde..."));
    QCOMPARE(l.requisitante(), QStringLiteral("0"));
    QVERIFY(!solicita(l, "4", "nandsize"));
    QTRY_COMPARE_WITH_TIMEOUT(l.estado(), EstadoLigacao::Ociosa, 20000);
    QCOMPARE(st1(w), L("Conectado"));
    QCOMPARE(w.windowTitle(), w.contexto().titulo());
    QCOMPARE(console(w), QString(cortada).remove(u'\r')); // the late bytes never reached the console
    // The window that asked is told how much it did not get.
    QVERIFY(descartados > 0);
    QCOMPARE(continuou, (QList<QPair<QString, qint64>>{{QStringLiteral("4"), descartados}}));

    // The next answer holds only its own bytes.
    QVERIFY(solicita(l, "4", "nandsize"));
    QTRY_COMPARE_WITH_TIMEOUT(respostas.size(), 2, 5000);
    static const QRegularExpression nandsize(
        QStringLiteral("^\r\nnandsize\r\r\nNAND Size \\(Passed\\): 0x[0-9A-F]{16}\r\n(\\[0D1F2E3C:5A4B6C7D\\] :-\\) )?$"));
    QVERIFY2(nandsize.match(respostas[1]).hasMatch(), qPrintable(respostas[1].left(200)));
    QCOMPARE(respostas[1].endsWith(Prompt), comPrompt);

    // The log: the cut answer as delivered, then the rest, counted, up to the phone's end.
    const QByteArray registro = log(w);
    const QList<QStringList> resposta = entradas(registro, QStringLiteral("Nand (4) | resposta cortada no limite de leituras"));
    QCOMPARE(resposta.size(), 1);
    QCOMPARE(corpo(resposta.first()), cortada);
    const QList<QStringList> resto = entradas(registro, QStringLiteral("Nand (4) | bytes descartados depois da resposta cortada"));
    QCOMPARE(resto.size(), 1);
    const QString descartado = corpo(resto.first());
    QVERIFY(descartado.contains(QStringLiteral("Finished\n")));
    QCOMPARE(descartado.endsWith(Prompt), comPrompt);
    // Not a byte lost at the cut: the last line delivered goes on in the first one discarded.
    const QString ultima = cortada.mid(cortada.lastIndexOf(QLatin1Char('\n')) + 1);
    const QString continua = ultima + descartado.left(descartado.indexOf(QLatin1Char('\n')));
    QVERIFY2(QRegularExpression(QStringLiteral("^Key\\d{4}: 0x\\S+ 0x\\S+ 0x\\S+ 0x\\S+$")).match(continua).hasMatch(),
             qPrintable(continua));
    QVERIFY(registro.indexOf("bytes descartados depois") < registro.indexOf("| comando\n    > nandsize\r"));
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 0);
}

void TstDescarte::bytesForaDaTroca()
{
    // A phone that pauses longer than six polls: its answer ends at the quiet poll and the
    // rest arrives while nothing is asked.
    Bancada b;
    QVERIFY(b.inicia({"--lento", "1500", "--pedaco", "40"}, 0));
    Inicial w(ContextoTeste());
    Ligacao& l = w.ligacao();
    QVERIFY(AbreLigacao(l, b.dispositivo()));
    QStringList respostas;
    registraEntrega(l, "4", [&](const QString& R, const QString&) { respostas << R; });
    const QString inicio = QStringLiteral("\r\nnandsize\r\r\nNAND Size (Passed): 0x00000000");

    QVERIFY(solicita(l, "4", "nandsize"));
    QTRY_COMPARE_WITH_TIMEOUT(respostas.size(), 1, 5000);
    QCOMPARE(respostas[0], inicio);
    QVERIFY(!l.respostaCortada()); // ended by the quiet poll, as the rules say
    QCOMPARE(l.estado(), EstadoLigacao::Ociosa);
    QTest::qWait(1600); // the rest comes 1.5 s after the first piece

    QVERIFY(solicita(l, "4", "nandsize"));
    QTRY_COMPARE_WITH_TIMEOUT(respostas.size(), 2, 5000);
    QCOMPARE(respostas[1], inicio);

    const QByteArray registro = log(w);
    const QList<QStringList> fora = entradas(registro, QStringLiteral("bytes descartados fora de uma troca, 33 bytes"));
    QCOMPARE(fora.size(), 1);
    static const QRegularExpression resto(QStringLiteral("^[0-9A-F]{8}\n\\[0D1F2E3C:5A4B6C7D\\] :-\\) $"));
    QVERIFY2(resto.match(corpo(fora.first())).hasMatch(), qPrintable(corpo(fora.first())));
    // Logged before the command that found them.
    QVERIFY(registro.indexOf("fora de uma troca") < registro.lastIndexOf("| comando\n    > nandsize\r"));
    QVERIFY(registro.indexOf("fora de uma troca") > registro.indexOf("| comando\n    > nandsize\r"));
}

void TstDescarte::continuacaoNaJanela()
{
    // The answer ends at the quiet poll and the phone goes on: the window that asked says,
    // beside its verdict, how much was not read, and so does the session log.
    Bancada b;
    QVERIFY(b.inicia({"--lento", "1500", "--pedaco", "40"}, 0));
    Inicial w(ContextoTeste());
    Ligacao& l = w.ligacao();
    QVERIFY(AbreLigacao(l, b.dispositivo()));
    QList<QPair<QString, qint64>> continuou;
    connect(&l, &Ligacao::respostaContinuou, this, [&](const QString& c, qint64 n) { continuou.append({c, n}); });
    // Asked for the window: its answer opens it.
    QVERIFY(!w.janelas().pede("Outros", "17", "nandsize")->recusada());
    QTRY_COMPARE_WITH_TIMEOUT(continuou.size(), 1, 8000);
    auto* janela = qobject_cast<JanelaTestePlaca*>(w.janelas().aberta("Outros"));
    QVERIFY(janela);
    QCOMPARE(continuou.first(), (QPair<QString, qint64>{QStringLiteral("17"), 33}));
    QVERIFY2(janela->lbStatus().endsWith(L("RESPOSTA_CONTINUOU").arg(33)), qPrintable(janela->lbStatus()));
    QVERIFY(log(w).contains("Outros (17) | o telefone continuou enviando: 33 caracteres não lidos"));
    // Told once.
    QTest::qWait(1000);
    QCOMPARE(continuou.size(), 1);
}

void TstDescarte::desconectarDuranteResposta()
{
    Bancada b;
    QVERIFY(b.inicia({"--lento", "50"}, 0));
    Inicial w(ContextoTeste());
    Ligacao& l = w.ligacao();
    QVERIFY(AbreLigacao(l, b.dispositivo()));
    int entregas = 0;
    registraEntrega(l, "17", [&](const QString&, const QString&) { ++entregas; });
    QStringList canceladas;
    connect(&l, &Ligacao::trocaCancelada, this, [&](const QString& c, Troca::Motivo) { canceladas << c; });

    QVERIFY(solicita(l, "17", "syscfg list"));
    QTRY_VERIFY_WITH_TIMEOUT(console(w).size() > 100, 5000);
    QCOMPARE(l.estado(), EstadoLigacao::Ocupada);
    QTest::mouseClick(w.botao(1), Qt::LeftButton);
    // At once, not when the answer would have ended.
    QCOMPARE(l.estado(), EstadoLigacao::Desconectada);
    QVERIFY(!l.porta()->isOpen());
    QCOMPARE(st1(w), L("Desconectado"));
    QCOMPARE(w.botao(1)->text(), L("Conectar"));
    QCOMPARE(w.windowTitle(), w.contexto().titulo());
    QCOMPARE(canceladas, QStringList{"17"});
    QCOMPARE(l.requisitante(), QStringLiteral("0"));
    for (const char* t : {"Timer1", "Timer2", "TimerDescarte"})
        QVERIFY(!l.findChild<QTimer*>(t)->isActive());
    QTest::qWait(400);
    QCOMPARE(entregas, 0);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 0);

    const QByteArray registro = log(w);
    QCOMPARE(entradas(registro, QStringLiteral("Outros (17) | resposta interrompida (Desconectado pelo usuário)")).size(), 1);
    QVERIFY(registro.indexOf("resposta interrompida") < registro.indexOf("** Desconectado pelo usuário"));
}

QTEST_MAIN(TstDescarte)
#include "tst_descarte.moc"
