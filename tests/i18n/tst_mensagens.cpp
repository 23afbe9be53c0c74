#include "i18n/Dialogos.h"
#include "i18n/Mensagens.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Icone = Dialogos::Icone;

Q_DECLARE_METATYPE(Dialogos::Icone)

namespace {
const QString CRLF = u"\r\n"_s;
}

class TstMensagens : public QObject {
    Q_OBJECT

private slots:
    void init() { ReiniciaTeste(); }

    void tituloIconeBotoes_data();
    void tituloIconeBotoes();
    void textosExatos_data();
    void textosExatos();
    void portaNoMomentoDaExibicao_data();
    void portaNoMomentoDaExibicao();
    void chaveDesconhecida_data();
    void chaveDesconhecida();
    void semIdiomaNaoMostraNada();
    void devolveAResposta();
};

void TstMensagens::tituloIconeBotoes_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<Icone>("icone");

    struct Linha {
        const char* chave;
        QString titulos[3];
        Icone icones[3];
    };
    const Icone I = Icone::Informacao, N = Icone::Nenhum;
    const Linha linhas[] = {
        {"MSG_PORTA", {u" SIGA OS PASSOS:"_s, u" FOLLOW THE STEPS:"_s, u" SIGUE LOS PASOS:"_s}, {N, N, N}},
        {"MSG_PORTA_NAO_RESPONDE", {u"  Erro ao conectar"_s, u"Error connecting"_s, u"Error al conectar"_s}, {I, I, I}},
        {"MSG_PORTA_EM_USO", {u"Porta COM em uso"_s, u"Port COM in use"_s, u"Puerto COM en uso"_s}, {I, I, I}},
        {"MSG_PORTA_INVALIDA", {u"Porta COM inválida"_s, u"Port COM invalid"_s, u"Puerto COM inválido"_s}, {I, I, I}},
        {"SEM_PORTA", {u"Porta Serial COM"_s, u"Serial COM Port"_s, u"Puerto COM Serial"_s}, {I, I, I}},
        {"MSG_SELECIONE_MODELO", {u"Modelo do Dispositivo"_s, u"Device Model"_s, u"Modelo de Dispositivo"_s}, {I, I, I}},
        {"MSG_ERRO_NAND", {u"  Erro Leitura NAND"_s, u"Error Reading NAND"_s, u"Error al Leer NAND"_s}, {I, I, I}},
        {"MSG_NAO_PARA_IP6", {u"IP6/IP6s PLUS"_s, u"IP6/IP6s PLUS"_s, u"IP6/IP6s PLUS"_s}, {I, I, I}},
        {"SOMENTE_X", {u"Vexador Tarrim"_s, u"Vexador Tarrim"_s, u"Vexador Tarrim"_s}, {I, I, I}},
        {"PRIMEIRO_LEITURA", {u"Vexador Tarrim"_s, u"Vexador Tarrim"_s, u"Vexador Tarrim"_s}, {N, I, I}},
        {"MSG_DADOS_SYNC", {u"Sincronização de dados"_s, u"Data synchronization"_s, u"Sincronización de datos"_s}, {I, I, I}},
    };
    QStringList chaves;
    for (const Linha& l : linhas) {
        chaves << QString::fromLatin1(l.chave);
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%s %d", l.chave, i + 1)
                << QString::fromLatin1(l.chave) << i + 1 << l.titulos[i] << l.icones[i];
    }
    QCOMPARE(ChavesDasMensagens(), chaves);
}

void TstMensagens::tituloIconeBotoes()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(QString, titulo);
    QFETCH(Icone, icone);
    RoteiroInstalado r;
    DefineIdioma(idioma);
    MostraMensagem(chave, u"7"_s);
    QCOMPARE(r.roteiro.mostradas.size(), 1);
    const Dialogos::Caixa c = r.roteiro.mostradas.first().caixa;
    QCOMPARE(c.titulo, titulo);
    QCOMPARE(c.icone, icone);
    QCOMPARE(c.botoes, Dialogos::Botoes::Ok);
    QVERIFY(!c.texto.isEmpty());
    QVERIFY2(!c.texto.contains(u'{'), qPrintable(c.texto)); // no placeholder leaks out
}

void TstMensagens::textosExatos_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("texto");

    QTest::newRow("MSG_PORTA pt")
        << u"MSG_PORTA"_s << 1
        << u"1. Coloque o iPhxne em modo purple"_s + CRLF + CRLF
               + u"2. Feche o software da Box mas mantenha o iPhxne conectado a Box"_s + CRLF + CRLF
               + u"3. Selecione a Porta COM"_s + CRLF + CRLF + u"4. Clique em Conectar"_s + CRLF + CRLF
               + u"5. Caso o dispositivo parou de responder reinicie-o e repita os passos"_s;
    QTest::newRow("NAO_RESPONDE en")
        << u"MSG_PORTA_NAO_RESPONDE"_s << 2
        << u"Device not found on selected COM PORT or not responding."_s + CRLF + CRLF
               + u"Check if the BOX is connected with PC, choose the COM PORT the Box is connected to and try again."_s;
    QTest::newRow("SEM_PORTA es") << u"SEM_PORTA"_s << 3
                                  << u"Seleccione una puerta COM"_s + CRLF
                                         + u"Compruebe si el BOX esté conectado a la PC"_s;
    QTest::newRow("ERRO_NAND es (branco antes da quebra)")
        << u"MSG_ERRO_NAND"_s << 3
        << u"Compruebe la memoria de Nand "_s + CRLF
               + u"Posible problema o incoherencia de los datos registrados!"_s;
    QTest::newRow("SELECIONE_MODELO en")
        << u"MSG_SELECIONE_MODELO"_s << 2
        << u"Model no found."_s + CRLF + u"Select the Device Model for correct analysis and comparison!"_s;
    QTest::newRow("PRIMEIRO_LEITURA pt") << u"PRIMEIRO_LEITURA"_s << 1 << u"Primeiro execute uma leitura"_s;
    QTest::newRow("SOMENTE_X es") << u"SOMENTE_X"_s << 3 << u"Función solo para IP X"_s;
}

void TstMensagens::textosExatos()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(QString, texto);
    RoteiroInstalado r;
    DefineIdioma(idioma);
    MostraMensagem(chave, u"5"_s);
    QCOMPARE(r.roteiro.textos(), QStringList{texto});
}

void TstMensagens::portaNoMomentoDaExibicao_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("porta");
    QTest::addColumn<QString>("texto");

    QTest::newRow("em uso en 12")
        << u"MSG_PORTA_EM_USO"_s << 2 << u"12"_s
        << u"Port communication COM 12 in use by another application, end the Box or Cable application, try again."_s;
    QTest::newRow("em uso pt 3")
        << u"MSG_PORTA_EM_USO"_s << 1 << u"3"_s
        << u"Porta de comunicação COM 3 em uso por outro aplicativo, finalize o aplicativo da Box ou Cabo, tente novamente."_s;
    QTest::newRow("invalida pt 30")
        << u"MSG_PORTA_INVALIDA"_s << 1 << u"30"_s
        << u"Porta de comunicação COM 30 Inválida"_s + CRLF + u"Altere a porta USB da Box e tente novamente."_s;
    QTest::newRow("invalida es 4")
        << u"MSG_PORTA_INVALIDA"_s << 3 << u"4"_s
        << u"Puerto de comunicación COM 4 inválido"_s + CRLF
               + u" Cambie el puerto USB del Box y vuelva a intentarlo."_s;
    QTest::newRow("nenhuma porta escolhida")
        << u"MSG_PORTA_INVALIDA"_s << 2 << QString()
        << u"Port communication COM  invalid"_s + CRLF + u"Change the Box's USB port and try again."_s;
}

void TstMensagens::portaNoMomentoDaExibicao()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(QString, porta);
    QFETCH(QString, texto);
    RoteiroInstalado r;
    DefineIdioma(idioma);
    MostraMensagem(chave, porta);
    QCOMPARE(r.roteiro.textos(), QStringList{texto});
    // Taken each time the box is shown, not remembered from an earlier display.
    MostraMensagem(chave, porta + u"1"_s);
    QVERIFY(r.roteiro.textos().at(1).contains(u"COM "_s + porta + u"1 "_s));
}

void TstMensagens::chaveDesconhecida_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::newRow("caixa baixa") << u"msg_porta"_s << 1;
    QTest::newRow("chave do dicionario") << u"Aguarde..."_s << 2;
    QTest::newRow("idioma nao carregado") << u"MSG_INEXISTENTE"_s << 0;
}

void TstMensagens::chaveDesconhecida()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    RoteiroInstalado r;
    DefineIdioma(idioma);
    MostraMensagem(chave, u"3"_s);
    QCOMPARE(r.roteiro.mostradas.size(), 1);
    const Dialogos::Caixa c = r.roteiro.mostradas.first().caixa;
    QCOMPARE(c.texto, chave + u" Não Localizado"_s);
    QCOMPARE(c.titulo, QString()); // the application's title
    QCOMPARE(c.icone, Icone::Nenhum);
    QCOMPARE(c.botoes, Dialogos::Botoes::Ok);
}

void TstMensagens::semIdiomaNaoMostraNada()
{
    RoteiroInstalado r;
    for (int idioma : {0, 4}) {
        DefineIdioma(idioma);
        for (const QString& k : ChavesDasMensagens())
            MostraMensagem(k, u"3"_s);
    }
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstMensagens::devolveAResposta()
{
    RoteiroInstalado r;
    DefineIdioma(2);
    r.roteiro.respostas << Dialogos::Resposta::Cancelar << Dialogos::Resposta::Cancelar;
    QCOMPARE(MostraMensagem(u"SOMENTE_X"_s), Dialogos::Resposta::Cancelar);
    QCOMPARE(MostraMensagem(u"NAO_EXISTE"_s), Dialogos::Resposta::Cancelar);
    QCOMPARE(MostraMensagem(u"SOMENTE_X"_s), Dialogos::Resposta::Ok);
    QCOMPARE(r.roteiro.mostradas.size(), 3);
}

QTEST_GUILESS_MAIN(TstMensagens)
#include "tst_mensagens.moc"
