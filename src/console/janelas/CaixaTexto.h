#pragma once
#include <QPlainTextEdit>
#include <QString>

// A multi-line text box that keeps its text as the program wrote it. The rules read texto(),
// never the widget: the widget turns "\r\n" into paragraph breaks and would lose the carriage
// returns that the answers carry. What the user types changes only the span typed over.
class CaixaTexto : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CaixaTexto(const QString& nome, QWidget* pai = nullptr, bool somenteLeitura = false);

    QString texto() const { return m_texto; }
    void defineTexto(const QString& texto);

    // How a stored text is shown: every line ending becomes one line break.
    static QString paraExibicao(const QString& texto);

signals:
    // The text changed, by the program or by the user.
    void textoMudou();

private:
    void editadoPeloUsuario();

    QString m_texto;
    QString m_exibido; // the widget's text as of the last change
    bool m_definindo = false;
};
