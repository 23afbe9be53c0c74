// A database the program cannot use, or cannot write, on real files: what start-up, a recording
// and the backup copy say, and that neither Config.qzd nor User.qzd is made worse by them.
#include "db/Banco.h"
#include "db/Combos.h"
#include "db/ExameBanco.h"
#include "db/janelas/Sincronizacao.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Inicio.h"
#include "app/janelas/AvisosInicio.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QElapsedTimer>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <atomic>
#include <thread>

namespace {

const QString BancoInstalado = QStringLiteral(PASTA_APLICACAO "/Config.qzd");

QByteArray resumo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

bool executa(const QString& caminho, const QString& sql)
{
    Banco b(caminho);
    return b.executa(sql);
}

QString texto(const QString& caminho, const QString& sql)
{
    Banco b(caminho);
    return b.valor(sql).toString();
}

// A tiny filesystem of the test's own (tmpfs), to make a folder really read-only or really full.
// Mounting needs the rights to; without them the fault is injected instead (file modes, a file
// size limit), and the test only asks that the failure be reported.
class SistemaPequeno {
public:
    explicit SistemaPequeno(const QString& ponto) : m_ponto(ponto) { QDir().mkpath(ponto); }
    ~SistemaPequeno()
    {
#ifdef __linux__
        if (m_montado)
            ::umount2(m_ponto.toLocal8Bit().constData(), MNT_DETACH);
#endif
    }
    bool monta(qint64 bytes)
    {
#ifdef __linux__
        const QByteArray opcoes = "size=" + QByteArray::number(bytes);
        m_montado = ::mount("tmpfs", m_ponto.toLocal8Bit().constData(), "tmpfs", 0, opcoes.constData()) == 0;
#endif
        return m_montado;
    }
    bool somenteLeitura()
    {
#ifdef __linux__
        return ::mount("tmpfs", m_ponto.toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
        return false;
#endif
    }
    // Takes every free byte.
    void enche()
    {
        QFile f(m_ponto + QStringLiteral("/enchimento"));
        f.open(QIODevice::WriteOnly);
        const QByteArray bloco(4096, 'e');
        while (f.write(bloco) == bloco.size() && f.flush()) {
        }
        f.close();
    }

private:
    QString m_ponto;
    bool m_montado = false;
};

enum class Dano { Ausente, Vazio, Truncado, Aleatorio, SemTabela, SomenteLeitura, DiscoCheio };
enum class Acao { Inicio, Gravacao, Copia };

} // namespace

Q_DECLARE_METATYPE(Dano)
Q_DECLARE_METATYPE(Acao)
Q_DECLARE_METATYPE(MotivoFalhaBanco)

class TstBancoDanificado : public QObject {
    Q_OBJECT

    QString m_usuarioOriginal; // a sound User.qzd of a previous installation, with the user's data

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(BancoInstalado));
    }

    void init()
    {
        ReiniciaTeste();
        DefineIdioma(2);
    }

    void danoPorPrimeiraAcao_data();
    void danoPorPrimeiraAcao();
    void recomecaDoBancoDaInstalacao_data();
    void recomecaDoBancoDaInstalacao();
    void importacaoRecusadaNaoApagaACopia();
    void copiaRecusadaDitaAoFecharAJanela_data();
    void copiaRecusadaDitaAoFecharAJanela();
    void copiaQueFalhaDitaCadaVez();
    void esperaQuemSeguraOArquivo_data();
    void esperaQuemSeguraOArquivo();
};

void TstBancoDanificado::danoPorPrimeiraAcao_data()
{
    QTest::addColumn<Dano>("dano");
    QTest::addColumn<Acao>("acao");
    QTest::addColumn<MotivoFalhaBanco>("motivo"); // of the recording or the copy; Nenhum: it works
    QTest::addColumn<QString>("caixa");           // start-up: a text the box holds; "": no box
    QTest::addColumn<bool>("segue");              // start-up: the program goes on

    const QString danificado = QStringLiteral("US - The file '");
    QTest::newRow("missing, start") << Dano::Ausente << Acao::Inicio << MotivoFalhaBanco::Nenhum
                                    << QStringLiteral("US - Config.qzd' missing") << false;
    QTest::newRow("empty, start") << Dano::Vazio << Acao::Inicio << MotivoFalhaBanco::Nenhum << danificado << false;
    QTest::newRow("truncated, start") << Dano::Truncado << Acao::Inicio << MotivoFalhaBanco::Nenhum << danificado << false;
    QTest::newRow("random, start") << Dano::Aleatorio << Acao::Inicio << MotivoFalhaBanco::Nenhum << danificado << false;
    QTest::newRow("table dropped, start") << Dano::SemTabela << Acao::Inicio << MotivoFalhaBanco::Nenhum
                                          << QStringLiteral("tables or fields are missing: Combos") << false;
    QTest::newRow("read-only, start") << Dano::SomenteLeitura << Acao::Inicio << MotivoFalhaBanco::Nenhum
                                      << QStringLiteral("What you record will NOT be stored: the file Config.qzd or its "
                                                        "folder cannot be written (read-only).")
                                      << true;
    QTest::newRow("full disk, start") << Dano::DiscoCheio << Acao::Inicio << MotivoFalhaBanco::Nenhum << QString() << true;

    QTest::newRow("missing, recording") << Dano::Ausente << Acao::Gravacao << MotivoFalhaBanco::Ausente << QString() << true;
    QTest::newRow("empty, recording") << Dano::Vazio << Acao::Gravacao << MotivoFalhaBanco::Danificado << QString() << true;
    QTest::newRow("random, recording") << Dano::Aleatorio << Acao::Gravacao << MotivoFalhaBanco::Danificado << QString() << true;
    QTest::newRow("table dropped, recording") << Dano::SemTabela << Acao::Gravacao << MotivoFalhaBanco::Danificado
                                              << QString() << true;
    QTest::newRow("read-only, recording") << Dano::SomenteLeitura << Acao::Gravacao
                                          << MotivoFalhaBanco::SomenteLeitura << QString() << true;
    QTest::newRow("full disk, recording") << Dano::DiscoCheio << Acao::Gravacao << MotivoFalhaBanco::DiscoCheio
                                          << QString() << true;

    QTest::newRow("missing, copy") << Dano::Ausente << Acao::Copia << MotivoFalhaBanco::Nenhum << QString() << true;
    QTest::newRow("empty, copy") << Dano::Vazio << Acao::Copia << MotivoFalhaBanco::Danificado << QString() << true;
    QTest::newRow("truncated, copy") << Dano::Truncado << Acao::Copia << MotivoFalhaBanco::Danificado << QString() << true;
    QTest::newRow("random, copy") << Dano::Aleatorio << Acao::Copia << MotivoFalhaBanco::Danificado << QString() << true;
    QTest::newRow("table dropped, copy") << Dano::SemTabela << Acao::Copia << MotivoFalhaBanco::Danificado
                                         << QString() << true;
    QTest::newRow("read-only, copy") << Dano::SomenteLeitura << Acao::Copia << MotivoFalhaBanco::SomenteLeitura
                                     << QString() << true;
    QTest::newRow("full disk, copy") << Dano::DiscoCheio << Acao::Copia << MotivoFalhaBanco::DiscoCheio << QString() << true;
}

void TstBancoDanificado::danoPorPrimeiraAcao()
{
    QFETCH(Dano, dano);
    QFETCH(Acao, acao);
    QFETCH(MotivoFalhaBanco, motivo);
    QFETCH(QString, caixa);
    QFETCH(bool, segue);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    // The folder is a small filesystem of its own for the faults of the disk.
    const QString pasta = tmp.filePath(QStringLiteral("pasta"));
    SistemaPequeno sistema(pasta);
    const qint64 tamanho = QFileInfo(BancoInstalado).size();
    const bool montado = (dano == Dano::SomenteLeitura || dano == Dano::DiscoCheio) && sistema.monta(4 * tamanho);

    const QString banco = pasta + QStringLiteral("/Config.qzd");
    const QString usuario = pasta + QStringLiteral("/User.qzd");
    QVERIFY(QFile::copy(BancoInstalado, banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(executa(banco, QStringLiteral("Update Tools set syncbd = '2'")));
    QVERIFY(QFile::copy(banco, usuario));
    QVERIFY(executa(usuario, QStringLiteral("Update Master set G1 = 'gravado antes'")));

    switch (dano) {
    case Dano::Ausente:
        QVERIFY(QFile::remove(banco));
        break;
    case Dano::Vazio:
        QVERIFY(QFile::resize(banco, 0));
        break;
    case Dano::Truncado:
        QVERIFY(QFile::resize(banco, tamanho / 2));
        break;
    case Dano::Aleatorio: {
        QFile f(banco);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray lixo(int(tamanho), Qt::Uninitialized);
        QRandomGenerator gerador(16);
        for (char& c : lixo)
            c = char(gerador.bounded(256));
        f.write(lixo);
        break;
    }
    case Dano::SemTabela:
        QVERIFY(executa(banco, QStringLiteral("Drop table Combos")));
        break;
    case Dano::SomenteLeitura:
        if (montado) {
            QVERIFY(sistema.somenteLeitura());
        } else {
            QFile(banco).setPermissions(QFileDevice::ReadOwner);
            QFile(pasta).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        break;
    case Dano::DiscoCheio:
        if (montado)
            sistema.enche();
        break;
    }
    const QByteArray antes = resumo(banco);
    const QByteArray usuarioAntes = resumo(usuario);
    ReiniciaTeste(pasta);
    DefineIdioma(2);

    // Without a small filesystem, a full disk is a file size limit.
    rlimit limiteAntigo {};
    const bool limitado = dano == Dano::DiscoCheio && !montado;
    if (limitado) {
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &limiteAntigo) == 0);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = limiteAntigo;
        limite.rlim_cur = 4096;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limite) == 0);
    }
    RoteiroInstalado r;
    ResultadoBanco resultado;
    bool seguiu = true;
    switch (acao) {
    case Acao::Inicio:
        seguiu = Inicio::recuperaBanco(DadosTeste().banco, Inicio::examinaBanco(DadosTeste().banco), QString());
        if (seguiu)
            Inicio::avisaSomenteLeitura(DadosTeste().banco);
        break;
    case Acao::Gravacao:
        resultado = GravaCombo(DadosTeste().banco, 7, QStringLiteral("2"));
        break;
    case Acao::Copia:
        resultado = CopiaBancoUsuario(DadosTeste().pasta);
        break;
    }
    if (limitado)
        ::setrlimit(RLIMIT_FSIZE, &limiteAntigo);
    if (dano == Dano::SomenteLeitura && !montado)
        QFile(pasta).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    if (acao == Acao::Inicio) {
        QCOMPARE(seguiu, segue);
        QCOMPARE(r.roteiro.mostradas.size(), caixa.isEmpty() ? 0 : 1);
        if (!caixa.isEmpty()) {
            const QString mostrado = r.roteiro.textos().first();
            QVERIFY2(mostrado.contains(caixa), qPrintable(mostrado));
        }
        if (!caixa.isEmpty() && !segue) {
            const QString mostrado = r.roteiro.textos().first();
            for (const char* idioma : {"BR - ", "US - ", "ES - "})
                QVERIFY(mostrado.contains(QLatin1String(idioma)));
            if (dano != Dano::Ausente)
                QVERIFY2(mostrado.contains(banco), qPrintable(mostrado));
        }
    } else if (motivo == MotivoFalhaBanco::Nenhum) {
        QVERIFY2(resultado.ok(), qPrintable(resultado.mensagem()));
    } else {
        QVERIFY(!resultado.ok());
        // An injected fault reaches the engine by another road: only its report is asked.
        const bool injetado = (dano == Dano::SomenteLeitura || dano == Dano::DiscoCheio) && !montado;
        if (!injetado)
            QCOMPARE(resultado.motivo(), motivo);
        const QString inicio = acao == Acao::Copia ? TextoDoDicionario(QStringLiteral("BANCO Cópia não atualizada"), 2)
                                                   : TextoDoDicionario(QStringLiteral("BANCO Não gravado"), 2);
        QVERIFY2(resultado.mensagem().startsWith(inicio), qPrintable(resultado.mensagem()));
        QVERIFY2(resultado.mensagem().size() > inicio.size() + 10, qPrintable(resultado.mensagem()));
    }

    // Nothing was made worse: the database as it was (a missing one is not created), the backup
    // as it was, no rotated copy, no stray file.
    QCOMPARE(resumo(banco), antes);
    QCOMPARE(QFile::exists(banco), dano != Dano::Ausente);
    QCOMPARE(resumo(usuario), usuarioAntes);
    QCOMPARE(texto(usuario, QStringLiteral("Select G1 from Master")), QStringLiteral("gravado antes"));
    QVERIFY(!QFile::exists(usuario + QStringLiteral(".1")));
    QStringList arquivos = QDir(pasta).entryList(QDir::Files);
    arquivos.removeAll(QStringLiteral("enchimento"));
    arquivos.sort();
    const QStringList esperados = dano == Dano::Ausente
        ? QStringList{QStringLiteral("User.qzd")}
        : QStringList{QStringLiteral("Config.qzd"), QStringLiteral("User.qzd")};
    QCOMPARE(arquivos, esperados);
}

void TstBancoDanificado::recomecaDoBancoDaInstalacao_data()
{
    QTest::addColumn<Dano>("dano");
    QTest::addColumn<bool>("aceita");
    QTest::addColumn<bool>("nomeOcupado"); // a damaged file of the same second was kept before
    QTest::newRow("random, Yes") << Dano::Aleatorio << true << false;
    QTest::newRow("truncated, Yes, name taken") << Dano::Truncado << true << true;
    QTest::newRow("table dropped, No") << Dano::SemTabela << false << false;
}

void TstBancoDanificado::recomecaDoBancoDaInstalacao()
{
    QFETCH(Dano, dano);
    QFETCH(bool, aceita);
    QFETCH(bool, nomeOcupado);

    QTemporaryDir pasta;
    const QString banco = pasta.filePath(QStringLiteral("Config.qzd"));
    const QString usuario = pasta.filePath(QStringLiteral("User.qzd"));
    QVERIFY(QFile::copy(BancoInstalado, banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(QFile::copy(BancoInstalado, usuario));
    if (dano == Dano::SemTabela)
        QVERIFY(executa(banco, QStringLiteral("Drop table Combos")));
    else if (dano == Dano::Truncado)
        QVERIFY(QFile::resize(banco, QFileInfo(banco).size() / 2));
    else
        QVERIFY(QFile::resize(banco, 1000) && QFile::resize(banco, 200000)); // zeros after a header cut
    // A journal beside the file (one SQLite could not play back while examining it) belongs
    // to the damaged file: left beside the new one, it would be played into it.
    const ExameBanco exame = ExaminaBanco(banco);
    QVERIFY(!exame.bom());
    QFile diario(banco + QStringLiteral("-journal"));
    QVERIFY(diario.open(QIODevice::WriteOnly));
    diario.write("diario do arquivo danificado");
    diario.close();
    const QString ocupado = pasta.filePath(QStringLiteral("Config-danificado-2026-12-10-103015.qzd"));
    if (nomeOcupado) {
        QFile f(ocupado);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("anterior");
    }
    const QByteArray danificado = resumo(banco);
    const QByteArray copiaUsuario = resumo(usuario);
    ReiniciaTeste(pasta.path());

    RoteiroInstalado r;
    r.roteiro.respostas = {aceita ? Dialogos::Resposta::Sim : Dialogos::Resposta::Nao};
    const bool seguiu = Inicio::recuperaBanco(DadosTeste().banco, exame, QStringLiteral(PASTA_APLICACAO));

    QCOMPARE(seguiu, aceita);
    QCOMPARE(r.roteiro.mostradas.size(), 1);
    const auto& pergunta = r.roteiro.mostradas.first().caixa;
    QCOMPARE(pergunta.botoes, Dialogos::Botoes::SimNao);
    const QString guardado = nomeOcupado ? QStringLiteral("Config-danificado-2026-12-10-103015-2.qzd")
                                         : QStringLiteral("Config-danificado-2026-12-10-103015.qzd");
    QVERIFY2(pergunta.texto.contains(QStringLiteral("'") + guardado + QStringLiteral("'")), qPrintable(pergunta.texto));
    QVERIFY(pergunta.texto.contains(QStringLiteral("importing User.qzd")));

    QCOMPARE(resumo(usuario), copiaUsuario);
    if (nomeOcupado)
        QCOMPARE(resumo(ocupado), QCryptographicHash::hash("anterior", QCryptographicHash::Sha256));
    if (!aceita) {
        QCOMPARE(resumo(banco), danificado);
        QVERIFY(QFile::exists(banco + QStringLiteral("-journal")));
        QVERIFY(!QFile::exists(pasta.filePath(guardado)));
        return;
    }
    // The shipped database in its place, the damaged one kept whole beside it with its journal.
    QCOMPARE(resumo(banco), resumo(BancoInstalado));
    QVERIFY(ExaminaBanco(banco).bom());
    QVERIFY(QFileInfo(banco).isWritable());
    QCOMPARE(resumo(pasta.filePath(guardado)), danificado);
    QVERIFY(!QFile::exists(banco + QStringLiteral("-journal")));
    QVERIFY(QFile::exists(pasta.filePath(guardado) + QStringLiteral("-journal")));
}

// "No" to the import, then a recording and the console's close: the previous installation's
// data in User.qzd stays, and is still there to import at the next start.
void TstBancoDanificado::importacaoRecusadaNaoApagaACopia()
{
    QTemporaryDir pasta;
    const QString banco = pasta.filePath(QStringLiteral("Config.qzd"));
    const QString usuario = pasta.filePath(QStringLiteral("User.qzd"));
    QVERIFY(QFile::copy(BancoInstalado, banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(QFile::copy(BancoInstalado, usuario));
    QVERIFY(executa(usuario, QStringLiteral("Update Master set G1 = 'gravacao antiga'")));
    QCOMPARE(texto(banco, QStringLiteral("Select syncbd from Tools")), QStringLiteral("0"));
    const QByteArray antiga = resumo(usuario);
    ReiniciaTeste(pasta.path());
    DefineIdioma(2);

    RoteiroInstalado r;
    r.roteiro.respostas = {Dialogos::Resposta::Nao};
    QVERIFY(PerguntaImportacao(DadosTeste()));
    QCOMPARE(texto(banco, QStringLiteral("Select syncbd from Tools")), QStringLiteral("1"));

    QVERIFY(GravaCombo(DadosTeste().banco, 1, QStringLiteral("3")));
    const ResultadoBanco copia = CopiaBancoUsuario(DadosTeste().pasta);
    QCOMPARE(copia.motivo(), MotivoFalhaBanco::ImportacaoPendente);
    QVERIFY(copia.mensagem().startsWith(TextoDoDicionario(QStringLiteral("BANCO Cópia não atualizada"), 2)));
    QCOMPARE(resumo(usuario), antiga);
    QVERIFY(!QFile::exists(usuario + QStringLiteral(".1")));

    // The next start asks again; Yes brings the old recordings over, and from then on the copy
    // follows the database, the replaced one kept beside it.
    r.roteiro.limpa();
    r.roteiro.respostas = {Dialogos::Resposta::Sim};
    QVERIFY(PerguntaImportacao(DadosTeste()));
    QCOMPARE(texto(banco, QStringLiteral("Select syncbd from Tools")), QStringLiteral("2"));
    QCOMPARE(texto(banco, QStringLiteral("Select G1 from Master")), QStringLiteral("gravacao antiga"));
    QVERIFY(CopiaBancoUsuario(DadosTeste().pasta));
    QCOMPARE(resumo(usuario), resumo(banco));
    QCOMPARE(resumo(usuario + QStringLiteral(".1")), antiga);
}

void TstBancoDanificado::copiaRecusadaDitaAoFecharAJanela_data()
{
    QTest::addColumn<Dialogos::Resposta>("resposta");
    QTest::newRow("import now") << Dialogos::Resposta::Sim;
    QTest::newRow("keep the old data aside") << Dialogos::Resposta::Nao;
    QTest::newRow("later") << Dialogos::Resposta::Cancelar;
}

// A window that changed data closes while the previous installation's data waits in User.qzd:
// the copy is refused, and that is said once per session with the way out. Whatever the
// answer, nothing of either installation is lost.
void TstBancoDanificado::copiaRecusadaDitaAoFecharAJanela()
{
    QFETCH(Dialogos::Resposta, resposta);
    QTemporaryDir pasta;
    const QString banco = pasta.filePath(QStringLiteral("Config.qzd"));
    const QString usuario = pasta.filePath(QStringLiteral("User.qzd"));
    QVERIFY(QFile::copy(BancoInstalado, banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(QFile::copy(BancoInstalado, usuario));
    QVERIFY(executa(usuario, QStringLiteral("Update Master set G1 = 'gravacao antiga'")));
    const QByteArray antiga = resumo(usuario);
    ReiniciaTeste(pasta.path());
    DefineIdioma(2);
    QVERIFY(executa(banco, QStringLiteral("Update Master set G2 = 'gravacao nova'")));
    const QString guardada = NomeCopiaGuardada(DadosTeste().pasta);
    QVERIFY(guardada.startsWith(QStringLiteral("User-")));

    RoteiroInstalado r;
    r.roteiro.respostas = {resposta};
    QCOMPARE(CopiaBancoUsuarioAvisando(DadosTeste(), QStringLiteral("VCore")).motivo(), MotivoFalhaBanco::ImportacaoPendente);
    QVERIFY(r.roteiro.mostradas.isEmpty()); // not inside the closing window
    QTRY_VERIFY(!r.roteiro.mostradas.isEmpty());
    const Dialogos::Caixa oferta = r.roteiro.mostradas.first().caixa;
    QCOMPARE(oferta.texto, L(QStringLiteral("COPIA_PENDENTE")).arg(guardada));
    QCOMPARE(oferta.botoes, Dialogos::Botoes::SimNaoCancelar);
    QTest::qWait(20);

    QCOMPARE(texto(banco, QStringLiteral("Select G2 from Master")), QStringLiteral("gravacao nova"));
    if (resposta == Dialogos::Resposta::Sim) {
        // The old recordings fill what was empty; the newer ones stay; the old file is kept.
        QCOMPARE(texto(banco, QStringLiteral("Select G1 from Master")), QStringLiteral("gravacao antiga"));
        QCOMPARE(texto(banco, QStringLiteral("Select syncbd from Tools")), QStringLiteral("2"));
        QCOMPARE(resumo(usuario), resumo(banco));
        QCOMPARE(resumo(pasta.filePath(guardada)), antiga);
        QCOMPARE(r.roteiro.mostradas.value(1).caixa.texto, CaixaDaMensagem(QStringLiteral("MSG_DADOS_SYNC"), 2)->texto);
    } else if (resposta == Dialogos::Resposta::Nao) {
        QCOMPARE(resumo(pasta.filePath(guardada)), antiga);
        QCOMPARE(texto(banco, QStringLiteral("Select syncbd from Tools")), QStringLiteral("2"));
        QCOMPARE(resumo(usuario), resumo(banco));
        QCOMPARE(r.roteiro.mostradas.size(), 2);
        QCOMPARE(r.roteiro.mostradas.last().caixa.texto, L(QStringLiteral("COPIA_GUARDADA")).arg(guardada));
    } else {
        QCOMPARE(r.roteiro.mostradas.size(), 1);
        QCOMPARE(resumo(usuario), antiga);
        QCOMPARE(texto(banco, QStringLiteral("Select syncbd from Tools")), QStringLiteral("0"));
    }

    // The next window that closes: the copy follows the database, or (still pending) nothing
    // more is said this session.
    r.roteiro.limpa();
    const ResultadoBanco outra = CopiaBancoUsuarioAvisando(DadosTeste(), QStringLiteral("VCore"));
    QTest::qWait(20);
    QVERIFY(r.roteiro.mostradas.isEmpty());
    QCOMPARE(outra.ok(), resposta != Dialogos::Resposta::Cancelar);
}

// A copy that fails (User.qzd cannot be replaced) is said each time, in the program's words.
void TstBancoDanificado::copiaQueFalhaDitaCadaVez()
{
    QTemporaryDir pasta;
    const QString banco = pasta.filePath(QStringLiteral("Config.qzd"));
    QVERIFY(QFile::copy(BancoInstalado, banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(executa(banco, QStringLiteral("Update Tools set syncbd = '2'")));
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("User.qzd")));
    ReiniciaTeste(pasta.path());
    DefineIdioma(2);
    RoteiroInstalado r;
    for (int vez = 1; vez <= 2; ++vez) {
        QVERIFY(!CopiaBancoUsuarioAvisando(DadosTeste(), QStringLiteral("Console")).ok());
        QTRY_COMPARE(r.roteiro.mostradas.size(), vez);
        const Dialogos::Caixa caixa = r.roteiro.mostradas.last().caixa;
        QVERIFY2(caixa.texto.startsWith(TextoDoDicionario(QStringLiteral("BANCO Cópia não atualizada"), 2)),
                 qPrintable(caixa.texto));
        QCOMPARE(caixa.titulo, QStringLiteral("Console"));
    }
}

void TstBancoDanificado::esperaQuemSeguraOArquivo_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<MotivoFalhaBanco>("motivo");
    QTest::newRow("a moment") << 400 << MotivoFalhaBanco::Nenhum;
    QTest::newRow("longer than the wait") << 3500 << MotivoFalhaBanco::Ocupado;
}

// Another program (the bench board, a database tool) holding the file for a moment does not
// make a write fail; holding it for long is said as such. Neither wait freezes the event loop.
void TstBancoDanificado::esperaQuemSeguraOArquivo()
{
    QFETCH(int, ms);
    QFETCH(MotivoFalhaBanco, motivo);
    QTemporaryDir pasta;
    const QString banco = pasta.filePath(QStringLiteral("Config.qzd"));
    QVERIFY(QFile::copy(BancoInstalado, banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ReiniciaTeste(pasta.path());

    std::atomic<bool> segurando {false};
    std::thread outro([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
            db.setDatabaseName(banco);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            segurando = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            segurando = false;
            q.exec(QStringLiteral("COMMIT"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("outro"));
    });
    while (!segurando)
        std::this_thread::yield();
    QElapsedTimer relogio;
    // Turns that began and ended while the file was held: the wait's own, not the write's.
    qint64 ultimo = 0, maiorParada = 0;
    bool seguravaAntes = true;
    QTimer pulso;
    pulso.setInterval(1);
    pulso.setTimerType(Qt::PreciseTimer);
    connect(&pulso, &QTimer::timeout, [&] {
        const qint64 agora = relogio.nsecsElapsed();
        const bool segura = segurando;
        if (seguravaAntes && segura)
            maiorParada = std::max(maiorParada, agora - ultimo);
        ultimo = agora;
        seguravaAntes = segura;
    });
    relogio.start();
    pulso.start();
    const ResultadoBanco r = GravaCombo(DadosTeste().banco, 7, QStringLiteral("2"));
    QTest::qWait(5); // the tick held back by a freeze, if any, counts it
    pulso.stop();
    outro.join();
    qInfo("longest stall while the file was held: %.1f ms", maiorParada / 1e6);
    QVERIFY2(maiorParada < 20'000'000, qPrintable(QString::number(maiorParada / 1e6) + " ms"));
    QCOMPARE(r.motivo(), motivo);
    QCOMPARE(LeCombo(DadosTeste().banco, 7) == QLatin1String("2"), r.ok());
}

QTEST_GUILESS_MAIN(TstBancoDanificado)
#include "tst_bancodanificado.moc"
