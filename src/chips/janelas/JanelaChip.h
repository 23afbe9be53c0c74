#pragma once
#include "chips/Painel.h"
#include "ui/JanelaFilha.h"

#include <QHash>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QSqlQueryModel;
class QWidget;

// What the four chip readers share on screen: named value labels and indicator images fed
// from a Painel, the answer text the window keeps (txtDados), and the log panel with the
// recorded-answer comparator (Tigris and Chestnut).
class JanelaChip : public JanelaFilha {
    Q_OBJECT
public:
    JanelaChip(const QString& nome, GerenciadorJanelas& janelas, bool temFlagAberta = true);

    const Painel& painel() const { return m_painel; }
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }

protected:
    // A value label with a frame; its background follows the painel.
    QLabel* criaValor(const QString& nome, int larguraTwips = 1300);
    // A plain label with a name (rail names, notes, markers).
    QLabel* criaRotulo(const QString& nome, const QString& texto = QString());
    // A caption without behaviour.
    static QLabel* texto(const QString& texto, QWidget* pai = nullptr, bool negrito = false);
    // The OK(k) or NO(k) image.
    QLabel* criaIndicador(bool ok, int k);
    // Makes a control known to aplicaPainel (by its objectName).
    void registra(QWidget* controle);
    // Copies the painel onto the controls.
    void aplicaPainel();

    void defineTxtDados(const QString& texto);
    // The log panel: lblLabel(0), txtDados, lblLabel(4), txtComparador, lbVarInfo.
    QWidget* criaPainelLog();
    // Data1 over table Dados: the recorded answer of the model and command, or nothing.
    void consultaComparador(const QString& modelo, const QString& comando);
    void traduzLog();

    Painel m_painel;
    QString m_txtDados;
    QString m_txtComparador;
    QPlainTextEdit* m_edDados = nullptr;
    QPlainTextEdit* m_edComparador = nullptr;
    QSqlQueryModel* m_data1 = nullptr;
    QHash<QString, QWidget*> m_controles;
};
