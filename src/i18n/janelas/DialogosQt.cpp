#include "i18n/janelas/DialogosQt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QSpacerItem>
#include <QUrl>

namespace {
// The width a dialog needs for its title beside the frame's icon and buttons: window managers
// draw the title in bold, and the icon, the three buttons and their gaps take about seven
// times the font's height (measured under openbox).
int larguraDoTitulo(const QWidget& dialogo)
{
    QFont negrito = dialogo.font();
    negrito.setBold(true);
    const QFontMetrics fm(negrito);
    return fm.horizontalAdvance(dialogo.windowTitle()) + 7 * fm.height() + 16;
}
} // namespace

void montaCaixa(QMessageBox& caixaQt, const Dialogos::Caixa& caixa)
{
    using Icone = Dialogos::Icone;
    using Botoes = Dialogos::Botoes;
    caixaQt.setText(caixa.texto);
    // A path or a number in a box can be copied.
    caixaQt.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    caixaQt.setWindowTitle(caixa.titulo);
    switch (caixa.icone) {
    case Icone::Nenhum: caixaQt.setIcon(QMessageBox::NoIcon); break;
    case Icone::Informacao: caixaQt.setIcon(QMessageBox::Information); break;
    case Icone::Pergunta: caixaQt.setIcon(QMessageBox::Question); break;
    case Icone::Critico: caixaQt.setIcon(QMessageBox::Critical); break;
    case Icone::Exclamacao: caixaQt.setIcon(QMessageBox::Warning); break;
    }
    switch (caixa.botoes) {
    case Botoes::Ok: caixaQt.setStandardButtons(QMessageBox::Ok); break;
    case Botoes::OkCancelar: caixaQt.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Botoes::SimNao: caixaQt.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Botoes::SimNaoCancelar:
        caixaQt.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // A message box sizes itself to its text; a row as wide as the title keeps the title whole.
    if (auto* grade = qobject_cast<QGridLayout*>(caixaQt.layout()))
        grade->addItem(new QSpacerItem(larguraDoTitulo(caixaQt), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                       grade->rowCount(), 0, 1, grade->columnCount());
}

Dialogos::Resposta DialogosQt::mensagem(const Caixa& caixa)
{
    QMessageBox caixaQt(m_pai);
    montaCaixa(caixaQt, caixa);
    switch (caixaQt.exec()) {
    case QMessageBox::Yes: return Resposta::Sim;
    case QMessageBox::No: return Resposta::Nao;
    case QMessageBox::Cancel: return Resposta::Cancelar;
    default: return caixa.botoes == Botoes::Ok ? Resposta::Ok : Resposta::Cancelar;
    }
}

std::optional<QString> DialogosQt::entrada(const QString& prompt, const QString& titulo,
                                           const QString& padrao)
{
    QInputDialog caixa(m_pai);
    caixa.setWindowTitle(titulo);
    caixa.setLabelText(prompt);
    caixa.setTextValue(padrao);
    // Its layout fixes the least size to its own (a minimum width is ignored); a size given
    // before it shows is kept.
    const QSize natural = caixa.sizeHint();
    caixa.resize(qMax(natural.width(), larguraDoTitulo(caixa)), natural.height());
    if (caixa.exec() != QDialog::Accepted)
        return std::nullopt;
    return caixa.textValue();
}

bool DialogosQt::abre(const QString& caminhoOuEndereco)
{
    const bool arquivo = QFileInfo::exists(caminhoOuEndereco);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop services count xdg-open starting as success, even when it then finds no
    // program for the file and exits with an error: run it and hear its verdict. An opener
    // still running after a moment has handed the file to a program (or is that program).
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return false;
    auto* processo = new QProcess; // no parent: the program it starts outlives this one
    processo->setStandardOutputFile(QProcess::nullDevice());
    processo->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(processo, &QProcess::finished, processo, &QObject::deleteLater);
    QObject::connect(processo, &QProcess::errorOccurred, processo, [processo](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            processo->deleteLater();
    });
    processo->start(xdgOpen, {arquivo ? QFileInfo(caminhoOuEndereco).absoluteFilePath() : caminhoOuEndereco});
    if (!processo->waitForStarted(3000))
        return false;
    if (!processo->waitForFinished(1500))
        return true;
    return processo->exitStatus() == QProcess::NormalExit && processo->exitCode() == 0;
#else
    const QUrl url = arquivo ? QUrl::fromLocalFile(caminhoOuEndereco) : QUrl(caminhoOuEndereco);
    return QDesktopServices::openUrl(url);
#endif
}
