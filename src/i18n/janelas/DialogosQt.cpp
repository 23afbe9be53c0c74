#include "i18n/janelas/DialogosQt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

Dialogos::Resposta DialogosQt::mensagem(const Caixa& caixa)
{
    QMessageBox caixaQt(m_pai);
    caixaQt.setText(caixa.texto);
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
    bool ok = false;
    QString texto = QInputDialog::getText(m_pai, titulo, prompt, QLineEdit::Normal, padrao, &ok);
    if (!ok)
        return std::nullopt;
    return texto;
}

bool DialogosQt::abre(const QString& caminhoOuEndereco)
{
    QUrl url = QFileInfo::exists(caminhoOuEndereco) ? QUrl::fromLocalFile(caminhoOuEndereco)
                                                     : QUrl(caminhoOuEndereco);
    return QDesktopServices::openUrl(url);
}
