// One rail, one verdict: over the nine models, a board with planted rail faults is read by the
// VCore window, by the Buck and LDO window (both families) and by the whole-board diagnosis;
// every rail the diagnosis grades shows in the window's grid with the same reading and the
// same verdict, and every graded row of a grid is one of the diagnosis's items.
#include "apoio/CenarioJanela.h"

#include "diagnostico/ExecutorDiagnostico.h"
#include "rails/janelas/BuckLdo.h"
#include "rails/janelas/VCores.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "shell/PerfilModelo.h"

#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A CPU rail high, an LDO low, a buck current far over any limit, a channel timed out and
// one missing: each grid shows at least one of them.
const QStringList Falhas{
    u"desvio 0 = 15"_s,
    u"desvio 45 = -25"_s,
    u"valor 22 = 1500.000"_s,
    u"tempo 3"_s,
    u"sem 47"_s,
};

struct Linha {
    QString leitura;
    Veredito veredito;
};

// The graded rows of a grid by rail (the output when the row has no rail name), as shown.
QMap<QString, Linha> grade(const JanelaGradeTrilhas* w)
{
    QMap<QString, Linha> r;
    const ModeloGradeTrilhas* m = w->modeloGrade();
    for (int i = 0; i < m->rowCount(); ++i) {
        if (m->valor(i, u"RefT"_s).isEmpty())
            continue; // a row without a channel is never read
        const QString malha = m->valor(i, u"Malha"_s);
        const QString nome = malha.isEmpty() ? m->valor(i, u"Orig"_s) : malha;
        if (r.contains(nome))
            qWarning() << "two rows named" << nome;
        r.insert(nome, {m->valor(i, u"Leitura"_s), m->veredito(i)});
    }
    return r;
}

bool leu(JanelaGradeTrilhas* w, QAbstractButton* botao)
{
    if (!botao->isEnabled())
        return false;
    botao->click();
    return w->lendo() && QTest::qWaitFor([&] { return !w->lendo(); }, 20000);
}

} // namespace

class TstCaminhoTrilhas : public QObject {
    Q_OBJECT
private slots:
    void gradeEDiagnosticoConcordam_data()
    {
        QTest::addColumn<QString>("modelo");
        for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"})
            QTest::newRow(m) << QString::fromLatin1(m);
    }

    void gradeEDiagnosticoConcordam()
    {
        QFETCH(QString, modelo);
        CenarioJanela c;
        QVERIFY(c.iniciaBancada(modelo, Falhas, {}, PerfilModelo::de(modelo).numeros.value(0)));
        DefineIdioma(1);

        QMap<QString, QMap<QString, Linha>> janelas; // by the diagnosis's subsystem
        auto* vcores = c.amb->janelas.mostra<VCores>(u"VCores"_s);
        QVERIFY(vcores);
        QVERIFY(leu(vcores, vcores->findChild<QPushButton*>(u"btExecutaLeitura"_s)));
        janelas[u"vcore"_s] = grade(vcores);
        auto* buckLdo = c.amb->janelas.mostra<BuckLdo>(u"BuckLdo"_s);
        QVERIFY(buckLdo);
        QVERIFY(leu(buckLdo, buckLdo->findChild<QPushButton*>(u"Botao1"_s)));
        janelas[u"buck"_s] = grade(buckLdo);
        QVERIFY(leu(buckLdo, buckLdo->findChild<QPushButton*>(u"Botao2"_s)));
        janelas[u"ldo"_s] = grade(buckLdo);
        c.amb->janelas.fecha({u"VCores"_s, u"BuckLdo"_s});

        ExecutorDiagnostico e(c.amb->sessao, ContextoTeste().dados, u"caminho"_s);
        e.inicia();
        QVERIFY(QTest::qWaitFor([&] { return !e.rodando(); }, 60000));
        QVERIFY(e.execucao().completa);

        QMap<QString, QMap<QString, Linha>> diagnostico;
        for (const ItemDiagnostico& i : e.execucao().itens())
            if (janelas.contains(i.subsistema)) {
                QVERIFY2(!diagnostico[i.subsistema].contains(i.item), qPrintable(i.chave()));
                diagnostico[i.subsistema].insert(i.item, {i.leitura, i.veredito});
            }

        QSet<Veredito> vistos;
        for (auto s = janelas.cbegin(); s != janelas.cend(); ++s) {
            const QMap<QString, Linha>& d = diagnostico.value(s.key());
            QVERIFY2(!d.isEmpty(), qPrintable(s.key()));
            QCOMPARE(QStringList(d.keyBegin(), d.keyEnd()), QStringList(s->keyBegin(), s->keyEnd()));
            for (auto t = s->cbegin(); t != s->cend(); ++t) {
                const Linha& item = d.value(t.key());
                const QString onde = s.key() + u'/' + t.key() + u": window "_s + t->leitura + u' '
                                     + NomeVeredito(t->veredito) + u", diagnosis "_s + item.leitura + u' '
                                     + NomeVeredito(item.veredito);
                QVERIFY2(item.veredito == t->veredito && item.leitura == t->leitura, qPrintable(onde));
                vistos << t->veredito;
            }
        }
        // The planted faults were read: the comparison covered failing and unread rails.
        QVERIFY(vistos.contains(Veredito::Falha));
        QVERIFY(vistos.contains(Veredito::SemLeitura));
        QVERIFY(vistos.contains(Veredito::Passa));
    }
};

QTEST_MAIN(TstCaminhoTrilhas)
#include "tst_caminho_trilhas.moc"
