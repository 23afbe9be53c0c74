// The PDF beside a report, printed by a stand-in browser that ends in each way a real one can:
// a whole PDF, an empty or cut file (a full disk), an error, no start at all. The report line
// says "(+ PDF)" only for a whole PDF, else why it was not made; the browser's profile is a
// private folder that is gone once it ends.
#include "apoio/Apoio.h"
#include "i18n/Dicionario.h"
#include "reports/ArquivoRelatorio.h"
#include "i18n/IdiomaAtivo.h"
#include "reports/janelas/AvisoRelatorio.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A browser that records its profile folder (path and mode, while it runs) and writes the
// PDF as `modo` says.
QString escreveNavegador(const QString& pasta, const QString& modo, const QString& registro)
{
    const QString caminho = pasta + u"/navegador"_s;
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    QString corpo = u"#!/bin/sh\nfor a in \"$@\"; do case \"$a\" in --user-data-dir=*) perfil=\"${a#--user-data-dir=}\";; "
                    "--print-to-pdf=*) pdf=\"${a#--print-to-pdf=}\";; esac; done\n"
                    "echo \"$perfil\" > '%1'; stat -c %a \"$perfil\" >> '%1'\n"_s.arg(registro);
    if (modo == u"inteiro"_s)
        corpo += u"printf '%%PDF-1.4\\n1 0 obj << >> endobj\\ntrailer << >>\\n%%%%EOF\\n' > \"$pdf\"\n"_s;
    else if (modo == u"vazio"_s)
        corpo += u": > \"$pdf\"\n"_s;
    else if (modo == u"cortado"_s)
        corpo += u"printf '%%PDF-1.4\\n1 0 obj << /Length 9999 >> stream\\nxxxx' > \"$pdf\"\n"_s;
    else if (modo == u"erro"_s)
        corpo += u"printf '%%PDF-1.4' > \"$pdf\"; exit 3\n"_s;
    f.write(corpo.toUtf8());
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return caminho;
}

} // namespace

class TstImpressaoPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DefineIdioma(1); }
    void cleanup() { qputenv("VEXADOR_NAVEGADOR", ""); }

    void terminaComoONavegador_data()
    {
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QString>("motivo"); // "" when made
        QTest::newRow("whole") << u"inteiro"_s << QString();
        QTest::newRow("empty (disk full)") << u"vazio"_s << L(u"PDF_INCOMPLETO"_s);
        QTest::newRow("cut") << u"cortado"_s << L(u"PDF_INCOMPLETO"_s);
        QTest::newRow("browser error") << u"erro"_s << L(u"PDF_NAVEGADOR_FALHOU"_s).arg(3);
    }
    void terminaComoONavegador()
    {
        QFETCH(QString, modo);
        QFETCH(QString, motivo);
        QTemporaryDir bin, dados;
        DadosTeste().banco = dados.filePath(u"Config.qzd"_s);
        const QString registro = bin.filePath(u"perfil.txt"_s);
        qputenv("VEXADOR_NAVEGADOR", escreveNavegador(bin.path(), modo, registro).toLocal8Bit());

        QSignalSpy terminada(&ImpressoesPdf::instancia(), &ImpressoesPdf::terminada);
        const RelatorioPublicado r = EscrevePagina(ContextoTeste().dados, u"<html><body>x</body></html>"_s, u"IP X"_s, u"A1865"_s,
                                                   u"Diagnostico"_s, QDateTime::currentDateTime());
        QVERIFY(!r.pdf.isEmpty());
        AvisoRelatorio aviso;
        aviso.mostra(r);
        auto* linha = aviso.findChild<QLabel*>(u"lbRelatorio"_s);
        // Started is not made.
        QVERIFY2(!linha->text().contains(u"(+ PDF)"_s), qPrintable(linha->text()));
        QVERIFY(linha->text().contains(L(u"PDF_EM_PREPARO"_s)));
        QVERIFY(terminada.wait(20000));
        QCOMPARE(terminada.first().first().toString(), r.pdf);
        if (motivo.isEmpty()) {
            QCOMPARE(ImpressoesPdf::instancia().estado(r.pdf), ImpressoesPdf::Estado::Pronto);
            QVERIFY(linha->text().endsWith(u"(+ PDF)"_s));
            QVERIFY(QFile::exists(r.pdf));
        } else {
            QCOMPARE(ImpressoesPdf::instancia().estado(r.pdf), ImpressoesPdf::Estado::Falhou);
            QVERIFY2(linha->text().endsWith(L(u"PDF_NAO_CRIADO"_s).arg(motivo)), qPrintable(linha->text()));
            QVERIFY(!linha->text().contains(u"(+ PDF)"_s));
            QVERIFY(!QFile::exists(r.pdf)); // nothing that could be taken for the PDF
        }
        // The profile: private while the browser ran, under a name not derived from the
        // report, and gone now.
        QFile f(registro);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList linhas = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 2);
        QVERIFY(linhas.at(0).startsWith(QDir::tempPath() + u"/vexador-pdf-"_s));
        QVERIFY(!linhas.at(0).contains(QFileInfo(r.arquivo).completeBaseName()));
        QCOMPARE(linhas.at(1), u"700"_s);
        QVERIFY(!QFileInfo::exists(linhas.at(0)));
    }

    void navegadorQueNaoInicia()
    {
        QTemporaryDir dados;
        DadosTeste().banco = dados.filePath(u"Config.qzd"_s);
        qputenv("VEXADOR_NAVEGADOR", dados.filePath(u"nao-existe"_s).toLocal8Bit());
        QSignalSpy terminada(&ImpressoesPdf::instancia(), &ImpressoesPdf::terminada);
        const RelatorioPublicado r = EscrevePagina(ContextoTeste().dados, u"<html></html>"_s, u"IP 7"_s, u"A1660"_s, u"VCore"_s,
                                                   QDateTime::currentDateTime());
        QVERIFY(terminada.wait(10000));
        QCOMPARE(ImpressoesPdf::instancia().estado(r.pdf), ImpressoesPdf::Estado::Falhou);
        QVERIFY(ImpressoesPdf::instancia().motivo(r.pdf).startsWith(L(u"PDF_NAVEGADOR_NAO_INICIOU"_s)));
        QVERIFY(TextoPdf(r.pdf).contains(L(u"PDF_NAO_CRIADO"_s).arg(QString())));
    }
};

QTEST_MAIN(TstImpressaoPdf)
#include "tst_impressao_pdf.moc"
