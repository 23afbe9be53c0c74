#pragma once
#include <QLabel>

// A one-line caption that may be longer than its place (a line with a file path): drawn cut in
// its middle with "…" so both its start and the file name stay in view, whole in its tooltip,
// and copied (the text given to copy, else the whole text) from its context menu or with
// Ctrl+C. text() stays the whole text.
class RotuloElidido : public QLabel {
    Q_OBJECT
public:
    explicit RotuloElidido(QWidget* pai = nullptr);
    void defineTexto(const QString& texto, const QString& paraCopiar = QString());
    QString paraCopiar() const { return m_paraCopiar.isEmpty() ? text() : m_paraCopiar; }
    // What is drawn: the text, or the text cut to the width it has.
    QString textoVisivel() const;
    void copia() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString m_paraCopiar;
};
