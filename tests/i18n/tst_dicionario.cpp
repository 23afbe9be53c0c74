#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/janelas/AvisoChaves.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QString CRLF = u"\r\n"_s;

int brancosIniciais(const QString& s)
{
    int n = 0;
    while (n < s.size() && s.at(n) == u' ')
        ++n;
    return n;
}

int brancosFinais(const QString& s)
{
    int n = 0;
    while (n < s.size() && s.at(s.size() - 1 - n) == u' ')
        ++n;
    return n;
}
} // namespace

class TstDicionario : public QObject {
    Q_OBJECT

private slots:
    void init() { ReiniciaTeste(); }

    void chavesNaOrdemDaTabela();
    void textosExatos_data();
    void textosExatos();
    void brancosNasBordas_data();
    void brancosNasBordas();
    void todasAsChavesTemTresTextos();
    void quebrasDeLinhaSempreCrLf();
    void chaveDesconhecidaMostraCaixa_data();
    void chaveDesconhecidaMostraCaixa();
    void idiomaNaoCarregadoDaVazioSemCaixa_data();
    void idiomaNaoCarregadoDaVazioSemCaixa();
    void consultaDiretaNaoMostraCaixa();
};

void TstDicionario::chavesNaOrdemDaTabela()
{
    const QStringList esperadas = {
    u"TensoesRF"_s, u"Tensões"_s, u"Cores"_s, u"Resolução"_s, u"Porta 16"_s, u"Porta Serial COM"_s,
    u"Desativar"_s, u"Ativar"_s, u"Relatório"_s, u"DIGITE SEU NOME"_s, u"Propriedades"_s,
    u"Executando Comando"_s, u"SAUDE DA BATERIA"_s, u"CICLOS DE CARGA"_s,
    u"PORCENTAGEM DE CARGA"_s, u"CAPACIDADE DESIGNADA"_s, u"CAPACIDADE ATUAL"_s, u"TEMPERATURA"_s,
    u"CORRENTE"_s, u"VOLTAGEM"_s, u"Gerar Relatório PDF"_s, u"NAO_DISP_PARA_ESSE_MODELO"_s,
    u"Box_Modelo"_s, u"Fechar"_s, u"Histórico de Comandos"_s, u"Falhas i2c"_s,
    u"Testes Adicionais"_s, u"Observe a tela"_s, u"Nenhuma falha detectada em I2C"_s, u"Baixa"_s,
    u"SYNC_1"_s, u"Processo syscfg"_s, u"Buck6GPU"_s,
    u"Resultado do teste estão sendo exibidos na tela do dispositio"_s,
    u"Clique em OK para finalizar"_s, u"Teste de Funcionamento de Botões"_s, u"SYNC_2"_s,
    u"NORMAL"_s, u"Bateria"_s, u"Auto Teste"_s, u"Teste Finalizados"_s, u"Exibir"_s, u"Ocultar"_s,
    u"Auto Comparador TOOL"_s, u"Idioma"_s, u"Idiomas disponíveis"_s, u"Porta COM"_s,
    u"Conectado"_s, u"Conectar"_s, u"Conectando"_s, u"Sincronização"_s, u"Comandos"_s,
    u"Comunicando"_s, u"Sem Medição"_s, u"Gravação"_s, u"INGLÊS"_s, u"ESPANHOL"_s, u"PORTUGUÊS"_s,
    u"Referência"_s, u"Leitura"_s, u"Atualizar"_s, u"Decimais"_s, u"Casas Decimais"_s,
    u"Desconectar"_s, u"Desconectado"_s, u"Testes IC's"_s,
    u"Porta COM de comunicação com o dispositivo"_s, u"Selecione o modelo do dispositivo"_s,
    u"Modelo"_s, u"Visualizar todos os comandos"_s, u"Modelo do dispositivo"_s, u"TESTE 15s"_s,
    u"TESTE 40s"_s, u"Teste"_s, u"Testar"_s, u"Testar Todos Níveis"_s, u"Nível"_s, u"Desligar"_s,
    u"Cancelar"_s, u"Versão"_s, u"Resultado do teste:"_s, u"Testes de Leitura I2C"_s,
    u"Visualizar Diagrama PDF"_s, u"Resultado do Auto Teste:"_s, u"Realizando Leitura..."_s,
    u"Testes de Comunicação RF"_s, u"Testes de Display"_s, u"Modelo:"_s, u"Sobre"_s,
    u"Suporte Remoto"_s, u"Suporte"_s, u"Gravar"_s, u"Dados"_s, u"Componente"_s,
    u"Executar Leitura"_s, u"PDFs Nand"_s, u"Classificação"_s, u"Aguarde..."_s,
    u"Processando comando"_s, u"Informações adicionais"_s, u"Informações"_s, u"Nao Purple"_s,
    u"Modo Comandos e Comparador"_s, u"Leitura do dispositivo conectado:"_s,
    u"Testes de Memória Nand"_s, u"Tamanho da NAND"_s, u"Identificação Única NAND"_s,
    u"Informações da NAND"_s, u"Seleção de IC's a serem exibidos"_s, u"Comparador"_s,
    u"Comparador: (Dispositivos Gravados)"_s, u"Copiar Dados"_s, u"Salvar"_s, u"Malha"_s,
    u"Excluir"_s, u"Reiniciar Dispositivo"_s, u"Desligar Dispositivo"_s,
    u"Informações sobre os dados:"_s, u"VAR"_s, u"VAR3"_s, u"VAR4"_s, u"Limpar"_s,
    u"Deseja substituir os dados gravados do lado comparador?"_s,
    u"Deseja salvar as alterações?"_s, u"Deseja salvar?"_s, u"Deseja excluir os dados gravados?"_s,
    u"Digite o comando a ser gravado:"_s, u"Novo Comando"_s,
    u"Clique duplo para enviar texto ao campo comandos"_s, u"Deseja excluir o comando "_s,
    u"Excluir Comando"_s, u"Dados UPDATE1"_s, u"Dados UPDATE2"_s, u"ANALISE COMPLETA"_s,
    u"REPITA PROCESSO"_s, u"COMUNICAÇÃO OK"_s, u"COMUNICAÇÃO OFF"_s, u"Comunicação"_s,
    u"Executar"_s, u"Adicionar Comando"_s,
    u"Digite ou seleciona na lista suspença o comando desejado"_s, u"Excluir Dados Comparador"_s,
    u"Limpar dados após comando"_s, u"Salvar Alterações"_s,
    u"Copiar Dados para o lado Comparador"_s, u"VALORES DE REFERÊNCIA RF"_s,
    u"Não disponível para 6/6P"_s, u"MSG_LICENCA"_s, u"TermosYes"_s, u"TermosNo"_s,
    u"Aguardando Box"_s,
    // rails: verdicts and reports
    u"VEREDITO_PASSA"_s, u"VEREDITO_FALHA"_s, u"VEREDITO_NAOMENSURAVEL"_s,
    u"VEREDITO_SEMLEITURA"_s, u"VEREDITO_NAOGRADUADO"_s, u"Relatório salvo em:"_s,
    u"Abrir pasta"_s, u"SEM_VISUALIZADOR"_s, u"LEITURA_NAO_GRAVADA"_s, u"RELATORIO_NAO_SALVO"_s,
    // Command console: writes that did not reach the file.
    u"Dados não gravados"_s, u"MSG_TENTE_NOVAMENTE"_s, u"Motivo comando nao salvo"_s,
    u"MSG_COMANDO_APOSTROFO"_s,
    // Command console: the lines that differ from the recording, the command answered.
    u"Linhas diferentes"_s, u"Resposta de"_s,
    // I2C automatic test.
    u"Teste interrompido"_s,
    // Main window: the open tool windows.
    u"Janelas"_s, u"Cascata"_s, u"Lado a lado"_s, u"Fechar janela"_s, u"Próxima janela"_s,
    // Whole-board diagnosis.
    u"Diagnóstico completo"_s, u"DIAG_ETIQUETA"_s, u"DIAG_ETIQUETA_CURTA"_s, u"DIAG_DATA"_s, u"DIAG_DURACAO"_s, u"DIAG_ESPERADO"_s, u"DIAG_TUDO_PASSOU"_s, u"DIAG_HA_FALHAS"_s, u"DIAG_PARCIAL"_s, u"DIAG_CANCELADO"_s, u"DIAG_LIGACAO_PERDIDA"_s, u"DIAG_FALHAS"_s, u"DIAG_ANTERIOR"_s, u"DIAG_SEM_MUDANCAS"_s, u"DIAG_CONSERTADOS"_s, u"DIAG_NOVAS_FALHAS"_s, u"DIAG_SUBSISTEMAS"_s, u"DIAG_DESVIOS"_s, u"DIAG_TODAS_LEITURAS"_s, u"DIAG_PASSO_NAO_EXECUTADO"_s, u"DIAG_PASSO_SEM_RESPOSTA"_s, u"DIAG_NAO_EXECUTADOS"_s, u"DIAG_HISTORICO_NAO_SALVO"_s
    };
    QCOMPARE(esperadas.size(), 196);
    // The program's own keys come first, in this order; keys added later follow them.
    QCOMPARE(ChavesDoDicionario().mid(0, 151), esperadas.mid(0, 151));
    for (const QString& k : esperadas)
        QVERIFY2(ExisteNoDicionario(k), qPrintable(k));
}

void TstDicionario::textosExatos_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("texto");

    // Texts that differ from their key: callers get the text.
    QTest::newRow("Aguarde en") << u"Aguarde..."_s << 2 << u"Processing another command, wait..."_s;
    QTest::newRow("Aguarde pt") << u"Aguarde..."_s << 1 << u"Processando outro comando, aguarde..."_s;
    QTest::newRow("Comparador pt") << u"Comparador: (Dispositivos Gravados)"_s << 1
                                   << u"Comparador: (Dispositivo Referência)"_s;
    QTest::newRow("OFF pt") << u"COMUNICAÇÃO OFF"_s << 1 << u"Sem Comunicação"_s;
    QTest::newRow("OFF es") << u"COMUNICAÇÃO OFF"_s << 3 << u"Sin comunicacion"_s;
    QTest::newRow("Clique duplo pt") << u"Clique duplo para enviar texto ao campo comandos"_s << 1
                                     << u"Clique Duplo para enviar texto ao campo comandos"_s;
    QTest::newRow("Auto Comparador en") << u"Auto Comparador TOOL"_s << 2
                                        << u"Auto Comparator for some commands"_s;
    QTest::newRow("Porta COM pt") << u"Porta COM"_s << 1 << u"Porta COM:"_s;
    QTest::newRow("Box_Modelo pt") << u"Box_Modelo"_s << 1 << u"Box Modelo:"_s;
    // Blank-sensitive texts and keys.
    QTest::newRow("CORRENTE es") << u"CORRENTE"_s << 3 << u"CORRIENTE "_s;
    QTest::newRow("CORRENTE en") << u"CORRENTE"_s << 2 << u"CURRENT"_s;
    QTest::newRow("excluir comando pt") << u"Deseja excluir o comando "_s << 1
                                        << u"Deseja excluir o comando "_s;
    QTest::newRow("excluir comando en") << u"Deseja excluir o comando "_s << 2
                                        << u"Do you want to delete the command?"_s;
    QTest::newRow("NAO_DISP pt") << u"NAO_DISP_PARA_ESSE_MODELO"_s << 1
                                 << u"Função não dispoível para esse modelo"_s;
    QTest::newRow("TESTE 15s es") << u"TESTE 15s"_s << 3
                                  << u"Espere ... Esta prueba tarda aproximadamente 15 segundos ..."_s;
    QTest::newRow("SAUDE pt") << u"SAUDE DA BATERIA"_s << 1 << u"SAÚDE DA BATERIA"_s;
    // Multi-line texts joined by CR LF.
    QTest::newRow("Porta 16 en")
        << u"Porta 16"_s << 2
        << u"1. Vexador Tarrim works correctly up to Serial COM Port 16"_s + CRLF + CRLF
               + u"2. If the address of your Box is above port address 16, change it to a lower one"_s
               + CRLF + CRLF
               + u"3. If you need help we have an explanatory video, a simple and quick process, click Yes to watch the video"_s;
    QTest::newRow("Porta 16 pt")
        << u"Porta 16"_s << 1
        << u"1. Vexador Tarrim funciona corretamente até a Porta Serial COM 16"_s + CRLF + CRLF
               + u"2. Se o endereço da sua Box estiver acima do endereço de porta 16 altere-a para uma inferior"_s
               + CRLF + CRLF
               + u"3. Se você precisa de ajuda temos um vídeo explicativo, um processo simples e rápido, clique em Sim para ver o vídeo"_s;
    // Sentences of the tag keys.
    QTest::newRow("VAR3 pt") << u"VAR3"_s << 1
                             << u"* GPU ( BUCK 1 / 8 ) e * CÂMERA NÃO APRESENTAM VALORES EM MODO PURPLE"_s;
    QTest::newRow("VAR4 pt")
        << u"VAR4"_s << 1
        << u"* GPU ( BUCK 1 / 8 ), * CÂMERA e * CPU 8/X (BUCK 0 CORRENTE) NÃO APRESENTAM VALORES EM MODO PURPLE"_s;
    QTest::newRow("Nao Purple en")
        << u"Nao Purple"_s << 2
        << u"The Vexador Tarrim software does not put the device into purple mode and makes no changes to the deice. It only reads and interprets commands."_s;
    QTest::newRow("Dados UPDATE1 pt") << u"Dados UPDATE1"_s << 1
                                      << u"Foi localizado dados salvos ou alterados por você na versão anterior."_s;
}

void TstDicionario::textosExatos()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(QString, texto);
    RoteiroInstalado r;
    DefineIdioma(idioma);
    QCOMPARE(L(chave), texto);
    QCOMPARE(TextoDoDicionario(chave, idioma), texto);
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstDicionario::brancosNasBordas_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<int>("iniciais"); // -1: at least one
    QTest::addColumn<int>("finais");

    QTest::newRow("PDF pt") << u"Gerar Relatório PDF"_s << 1 << 0 << 5;
    QTest::newRow("PDF en") << u"Gerar Relatório PDF"_s << 2 << 0 << 6;
    QTest::newRow("PDF es") << u"Gerar Relatório PDF"_s << 3 << 0 << 7;
    QTest::newRow("CORRENTE es") << u"CORRENTE"_s << 3 << 0 << 1;
    QTest::newRow("licenca pt") << u"MSG_LICENCA"_s << 1 << -1 << 0;
    QTest::newRow("licenca en") << u"MSG_LICENCA"_s << 2 << -1 << 0;
    QTest::newRow("licenca es") << u"MSG_LICENCA"_s << 3 << -1 << 0;
}

void TstDicionario::brancosNasBordas()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    QFETCH(int, iniciais);
    QFETCH(int, finais);
    DefineIdioma(idioma);
    const QString t = L(chave);
    if (iniciais < 0)
        QVERIFY(brancosIniciais(t) > 0);
    else
        QCOMPARE(brancosIniciais(t), iniciais);
    QCOMPARE(brancosFinais(t), finais);
    QVERIFY(!t.trimmed().isEmpty());
}

void TstDicionario::todasAsChavesTemTresTextos()
{
    // The upper-case tags are not captions: their texts are sentences, never the tag itself.
    const QSet<QString> etiquetas = {u"MSG_LICENCA"_s, u"TermosYes"_s, u"TermosNo"_s, u"SYNC_1"_s,
                                     u"SYNC_2"_s, u"VAR"_s, u"VAR3"_s, u"VAR4"_s, u"Buck6GPU"_s,
                                     u"Processo syscfg"_s, u"REPITA PROCESSO"_s, u"TESTE 15s"_s,
                                     u"TESTE 40s"_s, u"Dados UPDATE1"_s, u"Dados UPDATE2"_s,
                                     u"NAO_DISP_PARA_ESSE_MODELO"_s, u"ANALISE COMPLETA"_s,
                                     u"Box_Modelo"_s, u"Nao Purple"_s, u"Porta 16"_s};
    const QStringList chaves = ChavesDoDicionario();
    QCOMPARE(QSet<QString>(chaves.begin(), chaves.end()).size(), chaves.size()); // no duplicate
    for (const QString& k : chaves) {
        QSet<QString> textos;
        for (int idioma = 1; idioma <= 3; ++idioma) {
            const QString t = TextoDoDicionario(k, idioma);
            QVERIFY2(!t.trimmed().isEmpty(), qPrintable(k + u" / "_s + QString::number(idioma)));
            if (etiquetas.contains(k))
                QVERIFY2(t != k, qPrintable(k));
            textos << t;
        }
        if (etiquetas.contains(k))
            QVERIFY2(textos.size() == 3, qPrintable(k)); // really translated
    }
}

void TstDicionario::quebrasDeLinhaSempreCrLf()
{
    // Lines are separated by CR LF: no lone CR or LF anywhere in the table.
    for (const QString& k : ChavesDoDicionario())
        for (int idioma = 1; idioma <= 3; ++idioma) {
            QString t = TextoDoDicionario(k, idioma);
            t.replace(CRLF, u" "_s);
            QVERIFY2(!t.contains(u'\r') && !t.contains(u'\n'), qPrintable(k));
        }
    // The disclaimer is several lines, its first one a centred heading.
    for (int idioma = 1; idioma <= 3; ++idioma) {
        const QStringList linhas = TextoDoDicionario(u"MSG_LICENCA"_s, idioma).split(CRLF);
        QVERIFY(linhas.size() > 3);
        QVERIFY(brancosIniciais(linhas.first()) > 10);
    }
}

void TstDicionario::chaveDesconhecidaMostraCaixa_data()
{
    QTest::addColumn<QString>("chave");
    QTest::addColumn<int>("idioma");
    QTest::newRow("caixa baixa") << u"aguarde..."_s << 1;
    QTest::newRow("sem o branco final") << u"Deseja excluir o comando"_s << 2;
    QTest::newRow("branco a mais") << u"Gerar Relatório PDF "_s << 3;
    QTest::newRow("etiqueta em caixa baixa") << u"var3"_s << 1;
    QTest::newRow("vazia") << QString() << 2;
    QTest::newRow("idioma nao carregado") << u"Conecta"_s << 0;
}

void TstDicionario::chaveDesconhecidaMostraCaixa()
{
    QFETCH(QString, chave);
    QFETCH(int, idioma);
    RoteiroInstalado r;
    InstalaAvisoChavesDesconhecidas();
    DefineIdioma(idioma);
    QCOMPARE(L(chave), u"NÃO LOCALIZADO"_s);
    // Shown by the window layer after the lookup, not inside it.
    QCOMPARE(r.roteiro.mostradas.size(), 0);
    QTRY_COMPARE(r.roteiro.mostradas.size(), 1);
    const Dialogos::Caixa c = r.roteiro.mostradas.first().caixa;
    QCOMPARE(c.texto, chave + u" NÃO LOCALIZADO"_s);
    QCOMPARE(c.titulo, QString()); // the application's title
    QCOMPARE(c.icone, Dialogos::Icone::Nenhum);
    QCOMPARE(c.botoes, Dialogos::Botoes::Ok);
    // Once per lookup.
    L(chave);
    QTRY_COMPARE(r.roteiro.mostradas.size(), 2);
    DefineAvisoChaveDesconhecida({});
}

void TstDicionario::idiomaNaoCarregadoDaVazioSemCaixa_data()
{
    QTest::addColumn<int>("idioma");
    QTest::newRow("0") << 0;
    QTest::newRow("4") << 4;
    QTest::newRow("255") << 255;
}

void TstDicionario::idiomaNaoCarregadoDaVazioSemCaixa()
{
    QFETCH(int, idioma);
    RoteiroInstalado r;
    DefineIdioma(idioma);
    for (const QString& k : ChavesDoDicionario())
        QVERIFY2(L(k).isEmpty(), qPrintable(k));
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstDicionario::consultaDiretaNaoMostraCaixa()
{
    RoteiroInstalado r;
    QCOMPARE(TextoDoDicionario(u"aguarde..."_s, 1), QString());
    QCOMPARE(TextoDoDicionario(u"Aguarde..."_s, 0), QString());
    QVERIFY(!ExisteNoDicionario(u"aguarde..."_s));
    QVERIFY(!ExisteNoDicionario(u"Deseja excluir o comando"_s));
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

QTEST_GUILESS_MAIN(TstDicionario)
#include "tst_dicionario.moc"
