#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The disclaimer of the first start, modal. Its three flags switch its texts to another
// language and make that the stored language. Accepting lets the start-up go on; declining
// (or closing it without accepting) ends the program. It stores nothing about the decision.
class xResponsabilidade : public QDialog {
    Q_OBJECT
public:
    // The language chosen here is stored in database `banco`.
    explicit xResponsabilidade(const QString& banco, QWidget* pai = nullptr);

    // What a click on the flag Img(idioma) does (1 Portuguese, 2 English, 3 Spanish).
    void escolheIdioma(int idioma);
    QString termos() const { return m_termos; }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void traduz();

    QString m_termos;
    QPlainTextEdit* m_txtTermos = nullptr;
    QPushButton* m_btOk = nullptr;
    QPushButton* m_btNo = nullptr;
    QLabel* m_img[4] = {};
    QString m_banco;
};
