#pragma once
#include "rails/BuckCheck.h"
#include "rails/ProcedimentoBuck.h"
#include "ui/JanelaFilha.h"

class PainelProgresso;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;

// The phone's own buck tests: "buck" (every buck output's voltage) and "buckcheck <tolerance>"
// (target, measured, PASS/FAIL), listed beside the same command's recorded answer.
class BuckTeste : public JanelaFilha {
    Q_OBJECT
public:
    explicit BuckTeste(GerenciadorJanelas& janelas);

    ModoBuck modo() const { return m_modo; }
    QString txtDados() const { return m_txtDados; }
    void defineTxtDados(const QString& texto);
    QString txtComparador() const { return m_txtComparador; }

    // i = 3 "buck", i = 4 "buckcheck " + tolerance.
    void Pesquisa(int i);
    void PreProcesso();
    void MostraInfoBucks();
    // Data2 pointed at the recorded answers of the model and the link's command.
    void consultaDados();

    // The reading the live list shows.
    const ProcedimentoBuck& procedimento() const { return *m_procedimento; }

    void atualizaJanelaAberta() override;
    void traduz() override;
    void esperaCancelada() override;
    QSize sizeHint() const override;

private:
    void botaoBl(int i);
    void consultaVazia();
    void carregaComparador();
    void consultaDados(const QString& comando);
    void leituraTerminou();
    // The live list from parsed items (the raw answer is emptied by the parse's rule), then the
    // recorded answer beside it.
    void mostra(const QList<ItemBuck>& itens);
    void lista(const QList<ItemBuck>& itens, QListWidget* destino);
    void voltaParaBuckLdo();

    ModoBuck m_modo = ModoBuck::Buck;
    ProcedimentoBuck* m_procedimento = nullptr;
    QString m_txtDados;
    QString m_txtComparador;
    QPushButton* m_btBl3 = nullptr;
    QPushButton* m_btBl4 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QPlainTextEdit* m_vistaDados = nullptr;
    QPlainTextEdit* m_vistaComparador = nullptr;
    QSqlQueryModel* m_data2 = nullptr;
    QListWidget* m_listView = nullptr;
    QListWidget* m_listViewComparador = nullptr;
    QLabel* m_lbInfoBucks = nullptr;
    QLabel* m_lblLabel0 = nullptr;
    QLabel* m_lblLabel1 = nullptr;
    QLabel* m_lblLabel4 = nullptr;
    QPushButton* m_btOriginal = nullptr;
    QPushButton* m_botao1 = nullptr;
    QPushButton* m_botao2 = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
};
