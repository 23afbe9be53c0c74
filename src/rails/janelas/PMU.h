#pragma once
#include "rails/GradeTrilhas.h"
#include "rails/ProcedimentoPmu.h"
#include "ui/JanelaFilha.h"

#include <QList>
#include <optional>

class NotaVar;
class PainelProgresso;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

// The buck or LDO outputs of the power-management unit as a table of lines (output, rail,
// voltage, current, reference, percentage, pass or fail mark against the chosen tolerance).
class PMU : public JanelaFilha {
    Q_OBJECT
public:
    explicit PMU(GerenciadorJanelas& janelas);

    struct Linha {
        QLabel* saida = nullptr;
        QLabel* malhaNome = nullptr;
        QLabel* leituraV = nullptr;
        QLabel* leituraA = nullptr;
        QLabel* ref = nullptr;
        QLabel* porc = nullptr;
        QLabel* ok = nullptr;
        QLabel* no = nullptr;
        QLabel* marca = nullptr; // the mark of a line neither passed nor failed
        QFrame* linha = nullptr;
    };

    int familia() const { return m_familia; }
    Decimais decimais() const { return m_decimais; }
    const QList<Linha>& linhas() const { return m_linhas; }

    void Pesquisa();
    void LimpaLinhas();
    void novaPlaca() override { LimpaLinhas(); }
    // Tolerance field rule on leaving it: outside 0..100 or not a number gives "10", else
    // its whole part.
    void validaTolerancia();

    void atualizaJanelaAberta() override;
    void traduz() override;
    void esperaCancelada() override;
    QSize sizeHint() const override;

    // Grading and display of the last reading (the lines are shown inside the procedure's
    // grading turn, before the rows are stored).
    qint64 nsTrabalhoUltimaLeitura() const { return m_procedimento->nsGraduacao(); }
    // The reading the lines show.
    const ProcedimentoPmu& procedimento() const { return *m_procedimento; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void familiaEscolhida(int familia);
    void leituraTerminou();
    void ExibeResultados(const QList<LinhaPmu>& linhas);
    void menuDaLinha(const QPoint& ponto);
    void posicionaNota();
    void criaLinha(int i);
    void falha(const ErroGrade& erro);

    int m_familia = 0;
    Decimais m_decimais;
    ProcedimentoPmu* m_procedimento = nullptr;
    QList<Linha> m_linhas;
    QPushButton* m_botao1 = nullptr;
    QPushButton* m_botao2 = nullptr;
    QComboBox* m_porcTolerancia = nullptr;
    QComboBox* m_comboDecimais = nullptr;
    QComboBox* m_comboDecimaisAmp = nullptr;
    QLabel* m_lbInfoDecimais = nullptr;
    QLabel* m_lbTolerancia = nullptr;
    QFrame* m_frameControle = nullptr;
    QScrollArea* m_rolagemLinhas = nullptr;
    QFrame* m_retangulo = nullptr;
    QGridLayout* m_grade = nullptr;
    QLabel* m_labelRef[4] = {};
    PainelProgresso* m_frameVCore = nullptr;
    NotaVar* m_lbVar = nullptr;
};
