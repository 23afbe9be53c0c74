#include "diagnostico/janelas/Diagnostico.h"

#include "diagnostico/ExecutorDiagnostico.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "ui/AvisoRelatorio.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString& etiqueta()
{
    static QString e;
    return e;
}
// A step as the list shows it: the mark of its verdict is the item's icon.
QString textoPasso(const PassoDiagnostico& p)
{
    return p.titulo() + QStringLiteral("   (") + p.comando + QLatin1Char(')');
}
} // namespace

QString Diagnostico::etiquetaDaSessao()
{
    return etiqueta();
}

Diagnostico* Diagnostico::abre(GerenciadorJanelas& janelas)
{
    if (auto* aberta = janelas.aberta<Diagnostico>(QStringLiteral("Diagnostico"));
        aberta && aberta->m_executor && aberta->m_executor->rodando()) {
        janelas.mostra(QStringLiteral("Diagnostico"));
        return aberta;
    }
    if (etiqueta().isEmpty()) {
        const auto digitada = dialogos().entrada(L(QStringLiteral("DIAG_ETIQUETA")),
                                                 L(QStringLiteral("Diagnóstico completo")), QString());
        if (!digitada || digitada->trimmed().isEmpty())
            return nullptr;
        etiqueta() = digitada->trimmed();
    }
    auto* d = janelas.mostra<Diagnostico>(QStringLiteral("Diagnostico"));
    if (d)
        d->inicia(etiqueta());
    return d;
}

QSize Diagnostico::sizeHint() const
{
    return {Twips::paraPixels(7800), Twips::paraPixels(8400)};
}

Diagnostico::Diagnostico(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Diagnostico"), janelas)
{
    auto* coluna = new QVBoxLayout(this);
    m_lbPlaca = new QLabel(this);
    m_lbPlaca->setObjectName(QStringLiteral("lbPlaca"));
    QFont negrito = m_lbPlaca->font();
    negrito.setBold(true);
    m_lbPlaca->setFont(negrito);
    m_lstPassos = new QListWidget(this);
    m_lstPassos->setObjectName(QStringLiteral("lstPassos"));
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("barraProgresso"));
    m_lbEstado = new QLabel(this);
    m_lbEstado->setObjectName(QStringLiteral("lbEstado"));
    m_lbEstado->setWordWrap(true);
    m_btCancelar = new QPushButton(this);
    m_btCancelar->setObjectName(QStringLiteral("btCancelar"));
    m_aviso = new AvisoRelatorio(this);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(m_barra, 1);
    baixo->addWidget(m_btCancelar);
    coluna->addWidget(m_lbPlaca);
    coluna->addWidget(m_lstPassos, 1);
    coluna->addLayout(baixo);
    coluna->addWidget(m_lbEstado);
    coluna->addWidget(m_aviso);
    connect(m_btCancelar, &QPushButton::clicked, this, [this] {
        if (m_executor)
            m_executor->cancela();
    });
    traduz();
}

Diagnostico::~Diagnostico() = default;

void Diagnostico::traduz()
{
    setWindowTitle(L(QStringLiteral("Diagnóstico completo")) + QStringLiteral(" - Vexador Tarrim"));
    m_btCancelar->setText(L(QStringLiteral("Cancelar")));
    m_aviso->traduz();
}

void Diagnostico::inicia(const QString& etiquetaPlaca)
{
    if (m_executor && m_executor->rodando())
        return;
    // The previous run's engine stays with the window: its results may still be read (the page
    // it wrote, the history beside this run). The one before it goes, or every run of a long
    // session would stay in memory (about 200 kB each).
    delete m_anterior.data();
    m_anterior = m_executor;
    m_executor = new ExecutorDiagnostico(sessao(), etiquetaPlaca, this);
    connect(m_executor, &ExecutorDiagnostico::passoIniciado, this, &Diagnostico::passoIniciado);
    connect(m_executor, &ExecutorDiagnostico::passoTerminado, this, &Diagnostico::passoTerminado);
    connect(m_executor, &ExecutorDiagnostico::terminou, this, &Diagnostico::terminou);
    const ExecucaoDiagnostico& e = m_executor->execucao();
    m_lbPlaca->setText(QStringLiteral("%1 %2   %3: %4").arg(e.modelo, e.numero, L(QStringLiteral("DIAG_ETIQUETA_CURTA")),
                                                              etiquetaPlaca));
    m_lstPassos->clear();
    for (const PassoDiagnostico& p : m_executor->passos())
        m_lstPassos->addItem(textoPasso(p));
    m_barra->setRange(0, int(m_executor->passos().size()));
    m_barra->setValue(0);
    m_lbEstado->clear();
    m_btCancelar->setEnabled(true);
    m_executor->inicia();
}

void Diagnostico::passoIniciado(int indice)
{
    if (QListWidgetItem* item = m_lstPassos->item(indice)) {
        item->setText(QStringLiteral("\u25B6 ") + textoPasso(m_executor->passos().at(indice)));
        m_lstPassos->scrollToItem(item);
    }
}

void Diagnostico::passoTerminado(int indice, const ResultadoPasso& r)
{
    QListWidgetItem* item = m_lstPassos->item(indice);
    if (!item)
        return;
    const Veredito v = VereditoDoPasso(r);
    int falhas = 0;
    for (const ItemDiagnostico& i : r.itens)
        falhas += ContaComoFalha(i.veredito) ? 1 : 0;
    QString texto = textoPasso(m_executor->passos().at(indice));
    if (falhas > 0)
        texto += QStringLiteral(" — ") + QString::number(falhas) + QLatin1Char(' ') + TextoVeredito(Veredito::Falha);
    item->setText(texto);
    item->setIcon(iconeVeredito(v));
    if (const QColor cor = corVeredito(v); cor.isValid())
        item->setBackground(cor);
    item->setToolTip(TextoVeredito(v));
    item->setData(Qt::UserRole, NomeVeredito(v));
    m_barra->setValue(indice + 1);
}

void Diagnostico::terminou()
{
    m_btCancelar->setEnabled(false);
    const ExecucaoDiagnostico& e = m_executor->execucao();
    // A step the run never finished is no longer under way.
    for (int k = 0; k < e.passos.size(); ++k)
        if (e.passos.at(k).fim == FimPasso::NaoExecutado)
            m_lstPassos->item(k)->setText(textoPasso(m_executor->passos().at(k)) + QStringLiteral(" — ")
                                          + L(QStringLiteral("DIAG_PASSO_NAO_EXECUTADO")));
    QString estado;
    if (!e.completa)
        estado = L(QStringLiteral("DIAG_PARCIAL")) + QStringLiteral(": ") + e.interrupcao;
    else if (e.tudoPassou())
        estado = L(QStringLiteral("DIAG_TUDO_PASSOU"));
    else
        estado = L(QStringLiteral("DIAG_HA_FALHAS")).arg(e.falhas().size());
    if (m_executor->anterior()) {
        const Mudancas m = ComparaExecucoes(*m_executor->anterior(), e);
        estado += QStringLiteral("\n%1: %2   %3: %4")
                      .arg(L(QStringLiteral("DIAG_CONSERTADOS")))
                      .arg(m.consertados.size())
                      .arg(L(QStringLiteral("DIAG_NOVAS_FALHAS")))
                      .arg(m.novasFalhas.size());
    }
    m_lbEstado->setText(estado);
    pintaVeredito(m_lbEstado, !e.completa ? Veredito::SemLeitura : e.tudoPassou() ? Veredito::Passa : Veredito::Falha);
    if (!m_executor->erroHistorico().isEmpty())
        dialogos().mensagem(L(QStringLiteral("DIAG_HISTORICO_NAO_SALVO")) + QStringLiteral("\n\n")
                                + m_executor->erroHistorico(),
                            L(QStringLiteral("Diagnóstico completo")), Dialogos::Icone::Exclamacao);
    MostraRelatorio(m_aviso, AbreRelatorioEscrito(m_executor->relatorio()));
}
