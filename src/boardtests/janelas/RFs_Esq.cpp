#include "boardtests/janelas/RFs_Esq.h"

#include "boardtests/RfRadios.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>

namespace {

constexpr int Largura = 12630;
constexpr int Altura = 8265;

} // namespace

RFs_Esq::RFs_Esq(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("RFs_Esq"), janelas)
{
    QFont negrito = font();
    negrito.setBold(true);

    m_lbREF = new QLabel(this);
    m_lbREF->setObjectName(QStringLiteral("lbREF"));
    m_lbREF->setGeometry(geometriaTwips(240, 180, 12150, 420));
    QFont titulo = negrito;
    titulo.setPointSizeF(titulo.pointSizeF() * 1.4);
    m_lbREF->setFont(titulo);
    m_lbREF->setAlignment(Qt::AlignCenter);

    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(geometriaTwips(240, 720, 3000, 900));
    m_comboAparelhos = new QComboBox(m_frame2);
    m_comboAparelhos->setObjectName(QStringLiteral("ComboAparelhos"));
    m_comboAparelhos->setEditable(false); // choosing only: typed keys are discarded
    m_comboAparelhos->addItems(ModuloRf::Modelos());
    m_comboAparelhos->setGeometry(geometriaTwips(120, 360, 2760, 400));

    m_botao1 = new QPushButton(QStringLiteral("INT."), this);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao1->setGeometry(geometriaTwips(3480, 1020, 1560, 480));
    connect(m_botao1, &QPushButton::clicked, this, &RFs_Esq::Botao1_Click);
    m_botao2 = new QPushButton(QStringLiteral("QUAL."), this);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    m_botao2->setGeometry(geometriaTwips(5160, 1020, 1560, 480));
    connect(m_botao2, &QPushButton::clicked, this, &RFs_Esq::Botao2_Click);

    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    m_dbGrid1 = new QTableView(this);
    m_dbGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_dbGrid1->setModel(m_data1);
    m_dbGrid1->setGeometry(geometriaTwips(240, 1800, 12150, 6240));
    m_dbGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_dbGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_dbGrid1->verticalHeader()->setDefaultSectionSize(Twips::paraPixels(300));
    m_dbGrid1->horizontalHeader()->setStretchLastSection(true);

    // Load.
    m_tipoReferencia = 1;
    CentralizaRFsEsq();
    {
        const QSignalBlocker bloqueio(m_comboAparelhos);
        m_comboAparelhos->setCurrentIndex(m_comboAparelhos->findText(sessao().modelo()));
    }
    MostraReferenciasRf(m_comboAparelhos->currentText());
    TraduzRFsEsq();
    // Change and click of the list both show the chosen model's rows.
    connect(m_comboAparelhos, &QComboBox::currentTextChanged, this, &RFs_Esq::MostraReferenciasRf);
}

void RFs_Esq::traduz()
{
    TraduzRFsEsq();
}

void RFs_Esq::TraduzRFsEsq()
{
    m_lbREF->setText(L(QStringLiteral("VALORES DE REFERÊNCIA RF")));
    m_frame2->setTitle(L(QStringLiteral("Modelo:")));
    setWindowTitle(L(QStringLiteral("TensoesRF")) + QStringLiteral(" - Vexador Tarrim"));
    const QStringList legendas = {QStringLiteral("Modelo"), L(QStringLiteral("Malha")),
                                  L(QStringLiteral("Componente")), L(QStringLiteral("Referência")),
                                  QStringLiteral("Tipo")};
    for (int i = 0; i < legendas.size(); ++i)
        m_data1->setHeaderData(i, Qt::Horizontal, legendas.at(i));
}

void RFs_Esq::CentralizaRFsEsq()
{
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    if (QWidget* moldura = parentWidget()) {
        moldura->adjustSize();
        centraliza();
    }
}

void RFs_Esq::Botao1_Click()
{
    m_tipoReferencia = 1;
    MostraReferenciasRf(m_comboAparelhos->currentText());
}

void RFs_Esq::Botao2_Click()
{
    m_tipoReferencia = 2;
    MostraReferenciasRf(m_comboAparelhos->currentText());
}

void RFs_Esq::MostraReferenciasRf(const QString& modelo)
{
    if (modelo.isEmpty())
        return;
    const QString letra = ModuloRf::LetraGrupo(modelo, m_tipoReferencia);
    ModuloRf::ReferenciasRf r = ModuloRf::ConsultaReferenciasRf(contexto().dados.banco, m_comboAparelhos->currentText(), letra);
    if (!r.erro) {
        m_data1->setQuery(std::move(r.consulta));
        TraduzRFsEsq();
        static const int larguras[] = {1500, 3600, 2100, 2100};
        for (int i = 0; i < 4; ++i)
            m_dbGrid1->setColumnWidth(i, Twips::paraPixels(larguras[i]));
        return;
    }
    const ModuloRf::CaixaErro& caixa = *r.erro;
    dialogos().mensagem(caixa.texto, caixa.titulo, Dialogos::Icone::Critico);
}
