#include "app/janelas/AvisosInicio.h"
#include "app/janelas/Inicial.h"
#include "app/janelas/InicioPrograma.h"
#include "app/janelas/xScreen.h"
#include "i18n/Dialogos.h"
#include "i18n/janelas/AvisoChaves.h"
#include "i18n/janelas/DialogosQt.h"
#include "linha/Linha.h"
#include "linha/OpcoesLinha.h"
#include "shell/ContextoAplicacao.h"
#include "shell/Inicio.h"
#include "shell/InstanciaUnica.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstdio>

namespace {

// Boxes written to the standard error output and answered with their first button, for runs
// without anyone at the screen (scripted checks of the start-up).
class DialogosRegistrados : public DialogosRoteiro {
public:
    using Dialogos::mensagem;
    Resposta mensagem(const Caixa& caixa) override
    {
        QTextStream(stderr) << "CAIXA [" << caixa.titulo << "] " << caixa.texto << "\n";
        return DialogosRoteiro::mensagem(caixa);
    }
};

} // namespace

int main(int argc, char** argv)
{
    // The command line (diagnostico, portas) needs no display: decided before any window
    // system is touched.
    QStringList argumentos;
    for (int k = 0; k < argc; ++k)
        argumentos << QString::fromLocal8Bit(argv[k]);
    // No display name: Qt would append " — Vexador Tarrim" to every title a window manager
    // draws ("Vexador Tarrim v.2.31 — Vexador Tarrim"); the windows name themselves.
    QCoreApplication::setApplicationName(QStringLiteral("vexador-tarrim"));
    if (Linha::EhComandoDeLinha(argumentos)) {
        QCoreApplication nucleo(argc, argv);
        return Linha::Executa(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(),
                              [](const QString& pasta) { return ContextoAplicacao::daPasta(pasta).dados; });
    }

    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QStringLiteral(
        "Vexador Tarrim, the diagnostics console.\n"
        "Without windows (no display needed):\n"
        "  vexador-tarrim diagnostico --porta N --etiqueta LABEL [...]   the whole-board diagnosis\n"
        "  vexador-tarrim diagnostico --help                              its options and exit statuses\n"
        "  vexador-tarrim portas                                          the COM numbers and their devices"));
    opcoes.addHelpOption();
    const QCommandLineOption pasta(QStringLiteral("pasta"),
                                   QStringLiteral("Application folder (default: the executable's folder)."),
                                   QStringLiteral("DIR"));
    const QCommandLineOption semCaixas(QStringLiteral("sem-caixas"),
                                       QStringLiteral("Write message boxes to stderr instead of showing them."));
    opcoes.addOption(pasta);
    opcoes.addOption(semCaixas);
    // The help needs no display either. Anything else waits for Qt's own options (-platform,
    // -style...) to be taken out by the application.
    opcoes.parse(argumentos);
    if (opcoes.isSet(QStringLiteral("help"))) {
        QCoreApplication nucleo(argc, argv);
        opcoes.process(nucleo); // prints the help and ends the program
        return 0;
    }

    QApplication app(argc, argv);
    opcoes.process(app);

    DialogosQt caixasQt;
    DialogosRegistrados caixasRegistradas;
    if (opcoes.isSet(semCaixas))
        defineDialogos(&caixasRegistradas);
    else
        defineDialogos(&caixasQt);
    InstalaAvisoChavesDesconhecidas();

    const QString pastaAplicacao = opcoes.isSet(pasta) ? QDir(opcoes.value(pasta)).absolutePath()
                                                       : QCoreApplication::applicationDirPath();
    // What the program shares, handed to whatever needs it.
    const ContextoAplicacao contexto = ContextoAplicacao::daPasta(pastaAplicacao);

    // One program per folder, decided before anything touches its database.
    InstanciaUnica instancia(pastaAplicacao);
    switch (instancia.assume()) {
    case InstanciaUnica::Situacao::Primeira:
        break;
    case InstanciaUnica::Situacao::JaAberta:
        return 0;
    case InstanciaUnica::Situacao::JaAbertaMuda:
        dialogos().mensagem(Inicio::textoJaEmExecucao(pastaAplicacao), Inicio::tituloJaEmExecucao(),
                            Dialogos::Icone::Exclamacao);
        return 0;
    case InstanciaUnica::Situacao::EmUsoPelaLinha:
        dialogos().mensagem(Inicio::textoEmUsoPelaLinha(pastaAplicacao), Inicio::tituloJaEmExecucao(),
                            Dialogos::Icone::Exclamacao);
        return 0;
    }

    xScreen abertura;
    abertura.show();
    QCoreApplication::processEvents();

    // A missing database, or one that cannot be used, is said before anything reads its texts
    // from it; the installation's own copy may take the place of a damaged one.
    if (const ExameBanco exame = Inicio::examinaBanco(contexto.dados.banco); !exame.bom()) {
        abertura.hide();
        if (!Inicio::recuperaBanco(contexto.dados.banco, exame, QCoreApplication::applicationDirPath()))
            return 1;
        abertura.show();
    }

    // Language, first start (declining the disclaimer ends the program), online notices,
    // then the main window, which closes the splash when it has loaded.
    std::unique_ptr<Inicial> principal = IniciaPrograma(contexto, &abertura);
    if (!principal)
        return 0;
    caixasQt.definePai(principal.get());
    QObject::connect(&instancia, &InstanciaUnica::outraPartida, principal.get(), [janela = principal.get()] {
        janela->setWindowState((janela->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        janela->show();
        janela->raise();
        janela->activateWindow();
    });
    return app.exec();
}
