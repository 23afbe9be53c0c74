#include "diagnostico/janelas/Diagnostico.h"

#include "diagnostico/ExecutorDiagnostico.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "shell/Modelo.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QDir>
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
// The list of steps asks for no more than its few rows: the window's wrapped status line makes
// the scroll area size the content by the rows' wishes, and a list asking for its default
// height would make a low window (a scaled-up laptop screen) scroll as a whole; it takes
// the room left all the same.
class ListaPassos : public QListWidget {
public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override { return {QListWidget::sizeHint().width(), minimumHeight()}; }
};
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
    // Graded against the references of a model the board did not name, every reading could be
    // a false failure: said, and run only when the technician keeps that model.
    const Sessao& sessao = janelas.sessao();
    if (!ModeloDaPlaca(sessao.numeroModelo(), sessao.modelo())) {
        const QString numero = sessao.numeroModelo().isEmpty() ? QStringLiteral("-") : sessao.numeroModelo();
        const auto r = dialogos().mensagem(L(QStringLiteral("DIAG_MODELO_NAO_IDENTIFICADO")).arg(numero, sessao.modelo()),
                                           L(QStringLiteral("Diagnóstico completo")), Dialogos::Icone::Pergunta,
                                           Dialogos::Botoes::SimNao);
        if (r != Dialogos::Resposta::Sim)
            return nullptr;
    }
    // Asked on every run (the next board is another job), prefilled with the last label.
    const auto digitada = dialogos().entrada(L(QStringLiteral("DIAG_ETIQUETA")),
                                             L(QStringLiteral("Diagnóstico completo")), etiqueta());
    if (!digitada || digitada->trimmed().isEmpty())
        return nullptr;
    etiqueta() = digitada->trimmed();
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
    // The label and the model come from the technician and the phone: never markup.
    m_lbPlaca->setTextFormat(Qt::PlainText);
    m_lstPassos = new ListaPassos(this);
    m_lstPassos->setObjectName(QStringLiteral("lstPassos"));
    m_lstPassos->setMinimumHeight(4 * m_lstPassos->fontMetrics().height());
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("barraProgresso"));
    m_lbEstado = new QLabel(this);
    m_lbEstado->setObjectName(QStringLiteral("lbEstado"));
    m_lbEstado->setWordWrap(true);
    m_lbEstado->setTextFormat(Qt::PlainText);
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
    connect(m_btCancelar, &QPushButton::clicked, this, &Diagnostico::cancela);
    // "Cancelando…" stays until the link has drained the answer that was given up.
    connect(&sessao().ligacao(), &Ligacao::estadoMudou, this, [this](EstadoLigacao e) {
        if (m_cancelando && e != EstadoLigacao::Ocupada) {
            m_cancelando = false;
            traduz();
        }
    });
    traduz();
}

Diagnostico::~Diagnostico() = default;

void Diagnostico::traduz()
{
    setWindowTitle(L(QStringLiteral("Diagnóstico completo")) + QStringLiteral(" - Vexador Tarrim"));
    m_btCancelar->setText(L(m_cancelando ? QStringLiteral("DIAG_CANCELANDO") : QStringLiteral("Cancelar")));
    m_aviso->traduz();
    if (!m_executor)
        return;
    // The panel of the run on show, in the language now chosen.
    const ExecucaoDiagnostico& e = m_executor->execucao();
    m_lbPlaca->setText(QStringLiteral("%1 %2   %3: %4").arg(e.modelo, e.numero, L(QStringLiteral("DIAG_ETIQUETA_CURTA")),
                                                              e.etiqueta));
    for (int k = 0; k < e.passos.size() && k < m_lstPassos->count(); ++k)
        mostraPasso(k);
    if (!m_executor->rodando() && e.inicio.isValid())
        mostraEstado();
}

void Diagnostico::cancela()
{
    if (!m_executor || !m_executor->rodando())
        return;
    m_btCancelar->setEnabled(false);
    m_executor->cancela();
    m_cancelando = sessao().ligacao().estado() == EstadoLigacao::Ocupada;
    traduz();
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
    m_executor = new ExecutorDiagnostico(sessao(), contexto().dados, etiquetaPlaca, this);
    connect(m_executor, &ExecutorDiagnostico::passoIniciado, this, &Diagnostico::passoIniciado);
    connect(m_executor, &ExecutorDiagnostico::passoTerminado, this, &Diagnostico::passoTerminado);
    connect(m_executor, &ExecutorDiagnostico::terminou, this, &Diagnostico::terminou);
    m_lstPassos->clear();
    for (const PassoDiagnostico& p : m_executor->passos())
        m_lstPassos->addItem(textoPasso(p));
    m_barra->setRange(0, int(m_executor->passos().size()));
    m_barra->setValue(0);
    m_lbEstado->clear();
    m_btCancelar->setEnabled(true);
    m_cancelando = false;
    traduz();
    m_executor->inicia();
}

void Diagnostico::passoIniciado(int indice)
{
    if (QListWidgetItem* item = m_lstPassos->item(indice)) {
        item->setText(QStringLiteral("\u25B6 ") + textoPasso(m_executor->passos().at(indice)));
        m_lstPassos->scrollToItem(item);
    }
}

void Diagnostico::passoTerminado(int indice, const ResultadoPasso&)
{
    mostraPasso(indice);
    m_barra->setValue(indice + 1);
}

void Diagnostico::mostraPasso(int indice)
{
    QListWidgetItem* item = m_lstPassos->item(indice);
    const ExecucaoDiagnostico& e = m_executor->execucao();
    if (!item || indice >= e.passos.size())
        return;
    const ResultadoPasso& r = e.passos.at(indice);
    QString texto = textoPasso(m_executor->passos().at(indice));
    if (r.fim == FimPasso::NaoExecutado) {
        // Not reached yet (the step under way keeps its arrow), or the run stopped before it.
        if (m_executor->rodando()) {
            const bool emCurso = item->text().startsWith(QStringLiteral("\u25B6 "));
            item->setText((emCurso ? QStringLiteral("\u25B6 ") : QString()) + texto);
            return;
        }
        item->setText(texto + QStringLiteral(" — ") + L(QStringLiteral("DIAG_PASSO_NAO_EXECUTADO")));
        return;
    }
    const Veredito v = VereditoDoPasso(r);
    // The row names what failed; the tooltip gives each failing item with its reading.
    const DescricaoPasso d = DescrevePasso(r);
    item->setText(texto + d.sufixo);
    item->setIcon(iconeVeredito(v));
    if (const QColor cor = corVeredito(v); cor.isValid())
        item->setBackground(cor);
    item->setToolTip(d.linhas.isEmpty() ? TextoVeredito(v) : d.linhas.join(QLatin1Char('\n')));
    item->setData(Qt::UserRole, NomeVeredito(v));
}

void Diagnostico::mostraEstado()
{
    const ExecucaoDiagnostico& e = m_executor->execucao();
    const QString estado = ResumoComAnterior(e, m_executor->anterior(), m_executor->notaAnterior());
    m_lbEstado->setText(estado);
    pintaVeredito(m_lbEstado, VereditoDaExecucao(e));
}

void Diagnostico::terminou()
{
    m_btCancelar->setEnabled(false);
    const ExecucaoDiagnostico& e = m_executor->execucao();
    // A step the run never finished is no longer under way.
    for (int k = 0; k < e.passos.size(); ++k)
        if (e.passos.at(k).fim == FimPasso::NaoExecutado)
            mostraPasso(k);
    mostraEstado();
    if (!m_executor->historicoDanificado().isEmpty())
        dialogos().mensagem(L(QStringLiteral("DIAG_HISTORICO_DANIFICADO")) + QStringLiteral("\n\n")
                                + QDir::toNativeSeparators(m_executor->historicoDanificado()),
                            L(QStringLiteral("Diagnóstico completo")), Dialogos::Icone::Exclamacao);
    if (!m_executor->erroHistorico().isEmpty())
        dialogos().mensagem(L(QStringLiteral("DIAG_HISTORICO_NAO_SALVO")) + QStringLiteral("\n\n")
                                + m_executor->erroHistorico(),
                            L(QStringLiteral("Diagnóstico completo")), Dialogos::Icone::Exclamacao);
    MostraRelatorio(m_aviso, AbreRelatorioEscrito(m_executor->relatorio()));
}
