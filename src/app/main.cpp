#include "i18n/Dialogos.h"
#include "i18n/Idioma.h"
#include "i18n/janelas/DialogosQt.h"
#include "shell/Globais.h"
#include "shell/Inicio.h"
#include "shell/janelas/GanchosShell.h"
#include "shell/janelas/Inicial.h"
#include "shell/janelas/xScreen.h"

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexador-tarrim"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexador Tarrim"));

    QCommandLineParser opcoes;
    opcoes.addHelpOption();
    const QCommandLineOption pasta(QStringLiteral("pasta"),
                                   QStringLiteral("Application folder (default: the executable's folder)."),
                                   QStringLiteral("DIR"));
    const QCommandLineOption semCaixas(QStringLiteral("sem-caixas"),
                                       QStringLiteral("Write message boxes to stderr instead of showing them."));
    opcoes.addOption(pasta);
    opcoes.addOption(semCaixas);
    opcoes.process(app);

    DialogosQt caixasQt;
    DialogosRegistrados caixasRegistradas;
    if (opcoes.isSet(semCaixas))
        defineDialogos(&caixasRegistradas);
    else
        defineDialogos(&caixasQt);

    Globais& g = Globais::instancia();
    const QString pastaAplicacao = opcoes.isSet(pasta) ? QDir(opcoes.value(pasta)).absolutePath()
                                                       : QCoreApplication::applicationDirPath();
    g.reinicia(pastaAplicacao);
    g.VersaoSistema = QStringLiteral("2.31");

    xScreen abertura;
    abertura.show();
    QCoreApplication::processEvents();

    if (!Inicio::bancoPresente()) {
        dialogos().mensagem(Inicio::textoBancoAusente(), Inicio::tituloBancoAusente(),
                            Dialogos::Icone::Critico);
        return 1;
    }

    CarregaIdioma();
    instalaGanchosShell(ganchosShell());

    if (Inicio::primeiroInicio()) {
        // The first-run import step, then the disclaimer; declining it ends the program.
        if (auto& gancho = ganchosShell().primeiroInicio; gancho && !gancho())
            return 0;
    }
    if (auto& gancho = ganchosShell().verificaVersaoOnline)
        gancho();

    g.TesteAtivo = QStringLiteral("0");

    Inicial principal(&abertura);
    caixasQt.definePai(&principal);
    principal.show();
    return app.exec();
}
