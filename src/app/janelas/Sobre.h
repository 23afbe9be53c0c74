#pragma once
#include "ui/JanelaFilha.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

// The About window: version, credit, trademark and rights lines, the synchronisation with
// the user data of a previous installation, the support and link entries (numbered online
// pages), and where the session logs are kept.
class Sobre : public JanelaFilha {
    Q_OBJECT
public:
    explicit Sobre(GerenciadorJanelas& janelas);

    void traduz() override;

    void sincroniza();          // mSync
    void abrePastaRegistros();  // the session logs' folder in the file manager
    QString pastaRegistros() const;

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QLabel* link(const QString& nome, QWidget* pai);
    void mostraPaginasConfiguradas();

    QMenuBar* m_barra = nullptr;
    QAction* m_mSync = nullptr;
    QMenu* m_mOpcoes = nullptr;
    QAction* m_remoto[4] = {};
    QLabel* m_image3 = nullptr;
    bool m_logoPequeno = false;
    QLabel* m_label8 = nullptr;
    QLabel* m_lbVersao = nullptr;
    QLabel* m_lbDes = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QGroupBox* m_frameAdd = nullptr;
    QLabel* m_linkW = nullptr;
    QLabel* m_linkIns = nullptr;
    QLabel* m_lbRegistros = nullptr;
    QLabel* m_lbPastaRegistros = nullptr;
    QPushButton* m_btRegistros = nullptr;
    bool m_posicionada = false;
};
