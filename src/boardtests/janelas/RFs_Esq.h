#pragma once
#include "ui/JanelaFilha.h"

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// Reference values of the RF supply rails of one model (table Rf), in the group the buttons
// "INT." and "QUAL." select. Its model list is its own: choosing there leaves the main window's
// model alone.
class RFs_Esq : public JanelaFilha {
    Q_OBJECT
public:
    explicit RFs_Esq(GerenciadorJanelas& janelas);

    void traduz() override;

    void Botao1_Click();
    void Botao2_Click();
    void MostraReferenciasRf(const QString& modelo);

    int tipoReferencia() const { return m_tipoReferencia; }
    QSqlQueryModel* data1() const { return m_data1; }

private:
    void TraduzRFsEsq();
    void CentralizaRFsEsq();

    QComboBox* m_comboAparelhos;
    QGroupBox* m_frame2;
    QPushButton* m_botao1;
    QPushButton* m_botao2;
    QLabel* m_lbREF;
    QTableView* m_dbGrid1;
    QSqlQueryModel* m_data1;
    int m_tipoReferencia = 1;
};
