#pragma once
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;

// A drawing of a chip: the package with its pins on the left and right, the pin names inside
// the package and the rail each pin carries at the end of its wire. Names are plain labels.
class DesenhoChip : public QWidget {
    Q_OBJECT
public:
    struct Pino {
        QString nome;
        QString malha;              // rail name written at the wire's end ("" for none)
        QLabel* rotuloMalha = nullptr; // a label of the window that names the rail instead
    };
    // The names' font against the window's.
    static constexpr qreal EscalaDosNomes = 0.8;
    DesenhoChip(const QString& nomeChip, const QList<Pino>& esquerda, const QList<Pino>& direita,
                QWidget* pai = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The chip's name printed on the package (Tristar / Hydra).
    void defineNome(const QString& nome);
    // Compact: the pins closer together and the wires shorter, for a frame too low for the
    // whole drawing; the names keep their font, so each stays as readable.
    void defineCompacto(bool compacto);
    bool compacto() const { return m_compacto; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    struct Lado {
        QList<QLabel*> pinos;
        QList<QLabel*> malhas;
    };
    QRect corpo() const;
    void posiciona();
    int passo() const;
    int fio() const;
    int margem() const;
    int topo() const;
    int largMalhaEsq() const;
    int largMalhaDir() const;

    QString m_nome;
    Lado m_esquerda, m_direita;
    int m_largMalhaEsq = 0, m_largMalhaDir = 0, m_largPino = 0;
    int m_justaEsq = 0, m_justaDir = 0;
    int m_altLinha = 0; // a name's height: the compact pitch
    bool m_compacto = false;
};
