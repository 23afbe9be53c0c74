#pragma once
#include "rails/GradeTrilhas.h"
#include "ui/JanelaFilha.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPair>
#include <QList>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStringList>

class AvisoRelatorio;
class NotaVar;
class ProcedimentoTrilhas;
class PainelProgresso;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

// Data1: the rows of Master behind a rail grid. Shows the fields in the window's column order
// with their captions; the reading and the percentage carry the row's verdict (the report's):
// a tint, a mark beside the reading and the verdict's word in the tooltip.
class ModeloGradeTrilhas : public QSqlQueryModel {
    Q_OBJECT
public:
    struct Coluna {
        QString campo;
        QString legenda;
    };
    explicit ModeloGradeTrilhas(QObject* pai = nullptr);
    void defineColunas(const QList<Coluna>& colunas);
    void defineLegenda(const QString& campo, const QString& legenda);

    int columnCount(const QModelIndex& pai = {}) const override;
    int rowCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    QString valor(int linha, const QString& campo) const;
    int coluna(const QString& campo) const;
    Veredito veredito(int linha) const;
    // Readings the database did not store, shown in place of the rows' stored ones (by rail
    // and output) until mostraBanco(). Meanwhile a row without one shows no reading: a stored
    // reading may be another board's.
    void defineLeiturasNaoGravadas(const QList<TrilhaGraduada>& trilhas);
    void mostraBanco();
    bool mostraLeiturasNaoGravadas() const { return m_soNaoGravadas; }

    // The verdict of a reading or percentage cell, as an int of Veredito.
    static constexpr int PapelVeredito = Qt::UserRole + 1;

protected:
    void queryChange() override;

private:
    void calculaVereditos();

    QList<Coluna> m_colunas;
    QList<QSqlRecord> m_linhas;
    QList<Veredito> m_vereditos; // of each row, as valor() shows it
    QHash<QString, QPair<QString, QString>> m_naoGravadas; // Leitura, Porc
    bool m_soNaoGravadas = false;
};

// What the VCore and the Buck and LDO windows share: the grid and its query, the decimal
// choosers, the ordering frame, the three recordings, the report button, the progress panel,
// the note, and the reading: the grid's procedure (ProcedimentoTrilhas) asks and grades the
// answer as it arrives; when it ends, the grid is queried once and shows what was graded.
class JanelaGradeTrilhas : public JanelaFilha {
    Q_OBJECT
public:
    JanelaGradeTrilhas(const QString& nome, GerenciadorJanelas& janelas, VarianteGrade variante);
    ~JanelaGradeTrilhas() override;

    int familia() const { return m_familia; }
    const ConsultaMaster& consultaGrade() const { return m_consulta; }
    bool leituraFeita() const { return m_leituraFeita; }
    // True from the reading's command until its result is stored and shown (or it could not end).
    bool lendo() const;
    // The reading's procedure: its result is the grid's last grading.
    const ProcedimentoTrilhas& procedimento() const { return *m_procedimento; }
    bool dadosMudaram() const { return m_dadosMudaram; }
    Decimais decimais() const { return m_decimais; }
    ModeloGradeTrilhas* modeloGrade() const { return m_data1; }

    // Model change: readings cleared and the model's rows shown.
    virtual void LimpaLeiturasExterno() = 0;

    // Time the program itself spent on the last reading after the exchange ended: grading,
    // storing and showing it (the grid's query).
    qint64 nsTrabalhoUltimaLeitura() const { return m_nsTrabalho; }
    qint64 nsGraduacaoUltimaLeitura() const { return m_nsGraduacao; } // the grading alone

    void esperaCancelada() override;
    void novaPlaca() override; // readings and the report line cleared

protected:
    // Builds the shared controls; the subclass lays them out.
    void criaControles();
    void carregaComum(); // choosers, decimals from Combos, note text
    void traduzComum();
    // The reading column wide enough for "*" & L("Sem Medição") and every reading it shows,
    // beside its verdict mark; it only grows.
    void alargaColunaLeitura();

    void defineConsulta(const ConsultaMaster& consulta);
    // ZeraLeituras, and the grid forgets readings it showed without the database.
    void zeraLeituras();
    void atualizaGrade() { defineConsulta(m_consulta); }
    QString modelo() const;
    bool ligacaoOciosa() const;

    // Progress, OpMalha, Frame1 off, and the procedure started with the window's model,
    // family and decimals.
    void iniciaCiclo();
    virtual void PrePesquisa() = 0;
    // Extra condition for the buttons that act only while the window may read.
    virtual bool podeAgir() const { return ligacaoOciosa(); }
    virtual ConsultaMaster consultaDoRefresh() const = 0;
    virtual void aoGraduar() {}      // after a grading that found an answer
    virtual void aoTerminar() {}     // the answer graded and shown: the reading's wait is over
    virtual void aoRefrescar() = 0;  // the grid queried again: the controls given back
    virtual void antesDeEnviar() {}  // controls disabled while a reading is in flight

    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void posicionaProgresso();
    // The answer graded: the grid shows the grading, the progress panel goes.
    void mostraGraduacao();
    // The procedure ended: the grading stored (or the refusal said), the grid queried once and
    // the controls given back; or the wait given up.
    void leituraTerminou();
    void escolheDecimais(bool corrente);
    void ordena(Ordenacao ordenacao);
    void marcaOrdenacao(Ordenacao ordenacao);
    void grava(int i);
    void exclui(int i);
    // Asks `pergunta` (Yes/No, titled `titulo`); unless No, changes recording i with `altera`
    // and says a failed write.
    void alteraGravacao(int i, const QString& pergunta, const QString& titulo,
                        ResultadoGravacao (*altera)(const QString&, int, const ConsultaMaster&));
    void relatorio();
    void acompanhaLinha(); // the current row's rail to the live watch

    VarianteGrade m_variante;
    int m_familia = 0;
    Decimais m_decimais;
    ConsultaMaster m_consulta;
    Ordenacao m_ordenacao = Ordenacao::Malha; // the order the grid's query has
    bool m_leituraFeita = false;
    bool m_dadosMudaram = false;
    QList<TrilhaGraduada> m_naoGravadas; // the reading shown that the database did not store
    qint64 m_nsTrabalho = 0;
    qint64 m_nsGraduacao = 0;

    QTableView* m_grade = nullptr;
    class QAction* m_acaoAcompanhar = nullptr; // the row's rail watched live
    ModeloGradeTrilhas* m_data1 = nullptr;
    QComboBox* m_comboDecimais = nullptr;
    QComboBox* m_comboDecimaisAmp = nullptr;
    QLabel* m_lbInfoDecimais = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QRadioButton* m_opMalha = nullptr;
    QRadioButton* m_opIc = nullptr;
    QRadioButton* m_opPorc = nullptr;
    QPushButton* m_btGravar[3] = {};
    QPushButton* m_btExcluir[3] = {};
    QPushButton* m_btExportar = nullptr;
    QToolButton* m_imgPdf = nullptr;
    AvisoRelatorio* m_avisoRelatorio = nullptr;
    PainelProgresso* m_frameVCore = nullptr;
    NotaVar* m_lbVar = nullptr;
    ProcedimentoTrilhas* m_procedimento = nullptr;
};
