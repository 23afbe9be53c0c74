// vexador-documentos: writes the PDF documents the program opens from its folder.
//
//   vexador-documentos --banco Config.qzd --textos docs --saida app
//
// Run at build time (QT_QPA_PLATFORM=offscreen); exits non-zero when any document is missing.
#include "Documentos.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

namespace {

#ifndef VEXADOR_VERSAO
#define VEXADOR_VERSAO "2.31"
#endif

int falha(const QString& texto)
{
    QTextStream(stderr) << "vexador-documentos: " << texto << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QStringLiteral("Writes the PDF documents of the Vexador Tarrim folder."));
    opcoes.addHelpOption();
    const QCommandLineOption banco(QStringLiteral("banco"), QStringLiteral("The built Config.qzd."), QStringLiteral("FILE"));
    const QCommandLineOption textos(QStringLiteral("textos"), QStringLiteral("Folder of the guides (*.md)."), QStringLiteral("DIR"));
    const QCommandLineOption saida(QStringLiteral("saida"), QStringLiteral("Folder the PDF files go to."), QStringLiteral("DIR"));
    opcoes.addOption(banco);
    opcoes.addOption(textos);
    opcoes.addOption(saida);
    opcoes.process(app);
    if (!opcoes.isSet(banco) || !opcoes.isSet(textos) || !opcoes.isSet(saida))
        return falha(QStringLiteral("--banco, --textos and --saida are required"));

    const QString versao = QStringLiteral(VEXADOR_VERSAO);
    const QString caminhoBanco = opcoes.value(banco);
    const QDir pastaSaida(opcoes.value(saida));
    if (!QDir().mkpath(pastaSaida.path()))
        return falha(QStringLiteral("cannot create %1").arg(pastaSaida.path()));
    QString erro;

    // Command references, one per language.
    for (int idioma = 1; idioma <= 3; ++idioma) {
        const auto comandos = Documentos::LeComandos(caminhoBanco, idioma, &erro);
        if (!comandos)
            return falha(erro);
        if (comandos->isEmpty())
            return falha(QStringLiteral("table Comandos is empty"));
        QTextDocument doc;
        Documentos::PreparaDocumento(doc);
        doc.setHtml(Documentos::HtmlReferencia(*comandos, idioma, versao));
        const QString arquivo = Documentos::ArquivoReferencia(idioma);
        if (!Documentos::EscrevePdf(pastaSaida.filePath(arquivo), Documentos::TituloReferencia(idioma),
                                    doc, versao, nullptr, &erro))
            return falha(erro);
    }

    // I2C documents, one per model family.
    const auto familias = Documentos::LeFamiliasI2c(caminhoBanco, &erro);
    if (!familias)
        return falha(erro);
    for (const char* esperado : {"xA8.pdf", "xA9.pdf", "xA10.pdf", "xA11.pdf"}) {
        const auto it = std::find_if(familias->begin(), familias->end(), [&](const Documentos::FamiliaI2c& f) {
            return f.arquivo == QLatin1String(esperado);
        });
        if (it == familias->end())
            return falha(QStringLiteral("table i has no model for %1").arg(QLatin1String(esperado)));
        QTextDocument doc;
        Documentos::PreparaDocumento(doc);
        doc.setHtml(Documentos::HtmlI2c(*it, versao));
        if (!Documentos::EscrevePdf(pastaSaida.filePath(it->arquivo), Documentos::TituloI2c(*it), doc,
                                    versao, &*it, &erro))
            return falha(erro);
    }

    // The guides written by us.
    const QDir pastaTextos(opcoes.value(textos));
    const struct {
        const char* fonte;
        const char* pdf;
    } guias[] = {{"ErrosNand.md", "xErrosNand.pdf"}, {"PanicFull.md", "xPanicFull.pdf"}};
    for (const auto& g : guias) {
        QFile f(pastaTextos.filePath(QLatin1String(g.fonte)));
        if (!f.open(QIODevice::ReadOnly))
            return falha(QStringLiteral("cannot read %1").arg(f.fileName()));
        QTextDocument doc;
        QString titulo;
        Documentos::CarregaGuia(doc, QString::fromUtf8(f.readAll()), &titulo);
        if (!Documentos::EscrevePdf(pastaSaida.filePath(QLatin1String(g.pdf)), titulo, doc, versao, nullptr, &erro))
            return falha(erro);
    }
    return 0;
}
