#include "apoio/CenarioJanela.h"

#include "apoio/Apoio.h"
#include "diagnostico/ExecutorDiagnostico.h"
#include "i18n/IdiomaAtivo.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

void capturaJanela(QWidget* janela, const QString& nome)
{
    const QString pasta = qEnvironmentVariable("VEXADOR_CAPTURAS");
    if (pasta.isEmpty())
        return;
    QWidget* alvo = janela->parentWidget() ? janela->parentWidget() : janela;
    alvo->grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png")));
}

bool CenarioJanela::iniciaBancada(const QString& modelo, const QStringList& perfil, const QStringList& opcoes,
                                  const QString& numero, bool comBanco)
{
    DefineIdioma(1);
    QStringList op = {QStringLiteral("--modelo"), modelo};
    if (comBanco)
        op << QStringLiteral("--banco") << pasta.banco();
    op << opcoes;
    if (!perfil.isEmpty()) {
        const QString arquivo = temp.filePath(QStringLiteral("placa.txt"));
        QFile f(arquivo);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
            return false;
        f.write(perfil.join(QLatin1Char('\n')).toUtf8() + '\n');
        f.close();
        op << QStringLiteral("--placa") << arquivo;
    }
    if (!bancada.inicia(op, 0, rapido))
        return false;
    amb = std::make_unique<AmbienteJanelas>();
    return numero.isEmpty() ? amb->conecta(bancada.dispositivo(), modelo)
                            : amb->conecta(bancada.dispositivo(), modelo, numero);
}

std::unique_ptr<ExecutorDiagnostico> CenarioJanela::diagnostica(const QString& etiqueta)
{
    auto e = std::make_unique<ExecutorDiagnostico>(amb->sessao, ContextoTeste().dados, etiqueta);
    e->inicia();
    // A bound for a stuck run, not a timing: a model's run takes a few seconds in fast mode.
    if (!QTest::qWaitFor([&] { return !e->rodando(); }, 60000)) {
        qWarning("the diagnosis did not end within 60 s");
        return nullptr;
    }
    if (!e->execucao().completa) {
        qWarning("the diagnosis ended without every step");
        return nullptr;
    }
    return e;
}
