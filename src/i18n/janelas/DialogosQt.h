#pragma once
#include "i18n/Dialogos.h"

class QMessageBox;
class QWidget;

// Gives `caixaQt` the text, title, icon and buttons of `caixa`.
void montaCaixa(QMessageBox& caixaQt, const Dialogos::Caixa& caixa);

// The real boxes, input boxes and document opener of the running program.
class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(QWidget* pai = nullptr) : m_pai(pai) {}
    void definePai(QWidget* pai) { m_pai = pai; }

    using Dialogos::mensagem;
    Resposta mensagem(const Caixa& caixa) override;
    std::optional<QString> entrada(const QString& prompt, const QString& titulo,
                                   const QString& padrao) override;
    bool abre(const QString& caminhoOuEndereco) override;
    QDateTime agora() override { return QDateTime::currentDateTime(); }

private:
    QWidget* m_pai;
};
