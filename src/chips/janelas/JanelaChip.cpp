#include "chips/janelas/JanelaChip.h"
#include "ui/MenuJanelas.h"

#include "chips/LeituraChip.h"
#include "chips/ProcedimentoChip.h"
#include "chips/janelas/DesenhoChip.h"
#include "db/ConsultaDados.h"
#include "i18n/Dicionario.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "shell/Ligacao.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace {
QPixmap imagemIndicador(bool ok)
{
    QPixmap px(26, 26);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(ok ? QColor(0x1e, 0xa0, 0x3c) : QColor(0xd0, 0x2a, 0x2a));
    p.setPen(QPen(ok ? QColor(0x10, 0x60, 0x20) : QColor(0x80, 0x10, 0x10), 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 23, 23));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (ok) {
        p.drawPolyline(QPolygonF({QPointF(7.5, 13.5), QPointF(11.5, 17.5), QPointF(18.5, 8.5)}));
    } else {
        p.drawLine(QPointF(8.5, 8.5), QPointF(17.5, 17.5));
        p.drawLine(QPointF(17.5, 8.5), QPointF(8.5, 17.5));
    }
    return px;
}
} // namespace

JanelaChip::JanelaChip(const QString& nome, GerenciadorJanelas& janelas)
    : JanelaFilha(nome, janelas)
{
    m_avisoRelatorio = new AvisoRelatorio(this);
}

QLabel* JanelaChip::criaValor(const QString& nome, int larguraTwips)
{
    auto* l = new QLabel(this);
    l->setObjectName(nome);
    l->setProperty("moldura", true);
    l->setAlignment(Qt::AlignCenter);
    // A reading is the phone's text: a '<' in it is shown, never taken for markup.
    l->setTextFormat(Qt::PlainText);
    l->setFixedWidth(Twips::paraPixels(larguraTwips));
    l->setMinimumHeight(AlturaValor);
    registra(l);
    return l;
}

QLabel* JanelaChip::criaRotulo(const QString& nome, const QString& texto)
{
    auto* l = new QLabel(texto, this);
    l->setObjectName(nome);
    registra(l);
    return l;
}

QLabel* JanelaChip::texto(const QString& texto, QWidget* pai, bool negrito)
{
    auto* l = new QLabel(texto, pai);
    if (negrito) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel* JanelaChip::criaIndicador(bool ok, int k)
{
    auto* l = new QLabel(this);
    l->setObjectName(Indice(ok ? QStringLiteral("OK") : QStringLiteral("NO"), k));
    l->setPixmap(imagemIndicador(ok));
    l->setScaledContents(true); // smaller in the compact form
    l->setFixedSize(TamanhoIndicador, TamanhoIndicador);
    m_indicadores << l;
    l->setToolTip(ok ? QStringLiteral("OK") : QStringLiteral("NO"));
    registra(l);
    return l;
}

void JanelaChip::ligaProcedimento(ProcedimentoChip* procedimento, QPushButton* btExecuta)
{
    m_procedimento = procedimento;
    connect(procedimento, &Procedimento::enviado, this, [this, btExecuta] {
        btExecuta->setEnabled(false);
        esqueceRespostaContinuou();
        LimpaLeituras();
    });
    connect(procedimento, &ProcedimentoChip::lido, this, [this] {
        m_painel = m_procedimento->painel();
        defineTxtDados(m_procedimento->dados());
        aplicaPainel();
        leituraMostrada();
    });
    connect(procedimento, &Procedimento::terminou, this, [this, btExecuta] {
        btExecuta->setEnabled(true);
        if (m_procedimento->fim() == Procedimento::Fim::Recusado)
            recusado();
    });
}

void JanelaChip::executaLeitura()
{
    if (!m_procedimento || m_procedimento->emCurso())
        return;
    m_procedimento->defineModelo(sessao().modelo());
    if (!m_procedimento->recusaModelo() && ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    m_procedimento->inicia();
}

void JanelaChip::registra(QWidget* controle)
{
    // Showing or hiding a control must not move its neighbours.
    QSizePolicy sp = controle->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    controle->setSizePolicy(sp);
    m_controles.insert(controle->objectName(), controle);
}

void JanelaChip::novaPlaca()
{
    LimpaLeituras();
    m_avisoRelatorio->limpa();
}

void JanelaChip::aplicaPainel()
{
    for (const QString& nome : m_painel.controles()) {
        QWidget* w = m_controles.value(nome);
        if (!w)
            continue;
        const Painel::Estado e = m_painel.estado(nome);
        if (e.temTexto) {
            if (auto* l = qobject_cast<QLabel*>(w))
                l->setText(e.texto);
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->setText(e.texto);
        }
        if (e.temCor || e.temCorTexto || w->property("moldura").toBool()) {
            QString estilo;
            const QColor fundo = e.temCor ? CorVb(e.cor) : QColor();
            if (fundo.isValid())
                estilo += QStringLiteral("background-color: %1;").arg(fundo.name());
            else if (w->property("moldura").toBool())
                estilo += QStringLiteral("background-color: white;");
            const QColor frente = e.temCorTexto ? CorVb(e.corTexto) : QColor();
            if (frente.isValid())
                estilo += QStringLiteral("color: %1;").arg(frente.name());
            if (w->property("moldura").toBool())
                estilo += QStringLiteral("border: 1px solid #8a8a8a; padding: 1px 3px;");
            w->setStyleSheet(estilo);
        }
        if (e.temVisivel)
            w->setVisible(e.visivel);
        // The verdict in words beside its tint, for whoever cannot tell the colours apart.
        // A cleared control loses the word of its last verdict with its tint.
        if (!e.temVeredito && !w->property("veredito").toString().isEmpty())
            w->setToolTip(QString());
        w->setProperty("veredito", e.temVeredito ? NomeVeredito(e.veredito) : QString());
        if (e.temVeredito) {
            w->setToolTip(e.veredito == Veredito::NaoGraduado ? QString() : TextoVeredito(e.veredito));
            // A verdict given (a new one, or the same control with another value) is logged once.
            const QString dado = e.texto + QLatin1Char('|') + NomeVeredito(e.veredito);
            if (m_vereditosAnotados.value(nome) != dado) {
                m_vereditosAnotados.insert(nome, dado);
                AnotaVeredito(objectName(), nome, e.texto, QString(), e.veredito);
            }
        }
    }
}

void JanelaChip::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    if (m_edDados)
        m_edDados->setPlainText(texto);
}

QWidget* JanelaChip::criaPainelLog()
{
    auto* painel = new QFrame(this);
    painel->setObjectName(QStringLiteral("FrameLog"));
    auto* v = new QVBoxLayout(painel);
    v->setContentsMargins(6, 0, 0, 0);
    auto* l0 = criaRotulo(QStringLiteral("lblLabel(0)"));
    m_edDados = new QPlainTextEdit(painel);
    m_edDados->setObjectName(QStringLiteral("txtDados"));
    m_edDados->setReadOnly(true);
    m_edDados->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* l4 = criaRotulo(QStringLiteral("lblLabel(4)"));
    m_edComparador = new QPlainTextEdit(painel);
    m_edComparador->setObjectName(QStringLiteral("txtComparador"));
    m_edComparador->setReadOnly(true);
    m_edComparador->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* var = criaRotulo(QStringLiteral("lbVarInfo"));
    var->setWordWrap(true);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(font().pointSizeF() * 0.85);
    m_edDados->setFont(mono);
    m_edComparador->setFont(mono);
    v->addWidget(l0);
    v->addWidget(m_edDados, 1);
    v->addWidget(l4);
    v->addWidget(m_edComparador, 1);
    v->addWidget(var);

    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    // At load the comparator matches no row.
    consultaComparador(QStringLiteral("xxxxx"), QStringLiteral("xxxxxxxx"));
    return painel;
}

void JanelaChip::consultaComparador(const QString& modelo, const QString& comando)
{
    if (!m_data1)
        return;
    m_txtComparador.clear();
    m_data1->setQuery(ConsultaDados(contexto().dados.banco, modelo, comando));
    while (m_data1->canFetchMore())
        m_data1->fetchMore();
    if (m_data1->rowCount() > 0)
        m_txtComparador = m_data1->record(0).value(QStringLiteral("Dados")).toString();
    if (m_edComparador)
        m_edComparador->setPlainText(m_txtComparador);
}

void JanelaChip::traduzLog()
{
    if (auto* l = qobject_cast<QLabel*>(m_controles.value(QStringLiteral("lblLabel(0)"))))
        l->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    if (auto* l = qobject_cast<QLabel*>(m_controles.value(QStringLiteral("lblLabel(4)"))))
        l->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    if (auto* l = qobject_cast<QLabel*>(m_controles.value(QStringLiteral("lbVarInfo"))))
        l->setText(L(QStringLiteral("VAR")).remove(QStringLiteral("  ")));
}

void JanelaChip::montaColunaELog(QLayout* botoes, QWidget* desenho, QLayout* grade, int larguraSemLog)
{
    auto* esquerda = new QWidget(this);
    m_coluna = esquerda;
    m_largColuna = Twips::paraPixels(larguraSemLog) - 24;
    esquerda->setFixedWidth(m_largColuna);
    auto* ve = new QVBoxLayout(esquerda);
    ve->setContentsMargins(0, 0, 0, 0);
    ve->addLayout(botoes);
    ve->addLayout(corpoDoChip(desenho, grade));
    ve->addWidget(m_avisoRelatorio);
    ve->addStretch(1);

    m_log = criaPainelLog();
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(10, 8, 10, 8);
    h->addWidget(esquerda);
    h->addWidget(m_log, 1);
}

QBoxLayout* JanelaChip::corpoDoChip(QWidget* desenho, QLayout* leituras)
{
    m_corpo = new QBoxLayout(QBoxLayout::TopToBottom);
    m_desenho = desenho;
    m_corpo->addWidget(desenho, 0, Qt::AlignHCenter);
    m_corpo->addLayout(leituras, 1);
    // Compact, the rail names heading the rows take the drawing's font, the columns closer.
    if (auto* grade = qobject_cast<QGridLayout*>(leituras); grade && (m_grade = grade))
        for (int r = 0; r < grade->rowCount(); ++r)
            if (QLayoutItem* item = grade->itemAtPosition(r, 0))
                if (auto* nome = qobject_cast<QLabel*>(item->widget()); nome && !nome->text().isEmpty())
                    m_nomesDasLinhas << nome;
    return m_corpo;
}

void JanelaChip::ajustaCorpo()
{
    QLayout* l = conteudo()->layout();
    if (!m_corpo || !l)
        return;
    const QSize quadro = size(); // the scroll area fills the frame
    auto* desenho = qobject_cast<DesenhoChip*>(m_desenho);
    struct Forma {
        QBoxLayout::Direction direcao;
        bool compacto;
        bool ladoALado = false;  // the readings in fewer, wider rows
        bool semDesenho = false; // the last resort: every control in view matters more
    };
    auto aplica = [&](Forma f) {
        m_corpo->setDirection(f.direcao);
        if (desenho)
            desenho->defineCompacto(f.compacto);
        if (m_desenho)
            m_desenho->setVisible(!f.semDesenho);
        if (leiturasLadoALado())
            dispoeLeituras(f.ladoALado);
        // Compact, a mark no taller than a value box: the rows as low as their values.
        const int marcaLado = f.compacto ? TamanhoIndicadorCompacto : TamanhoIndicador;
        for (QLabel* marca : std::as_const(m_indicadores))
            marca->setFixedSize(marcaLado, marcaLado);
        for (QLabel* nome : std::as_const(m_nomesDasLinhas)) {
            QFont fonte = font();
            if (f.compacto)
                fonte.setPointSizeF(fonte.pointSizeF() * DesenhoChip::EscalaDosNomes);
            nome->setFont(fonte);
        }
        if (m_grade) {
            if (m_espacoGrade < 0)
                m_espacoGrade = m_grade->horizontalSpacing();
            m_grade->setHorizontalSpacing(f.compacto ? qMin(m_espacoGrade, 3) : m_espacoGrade);
        }
        m_corpo->invalidate();
        if (m_coluna) { // as wide as the drawing beside the readings needs; compact, no wider
            m_coluna->setFixedWidth(m_largColuna);
            m_coluna->layout()->invalidate();
            const int justa = m_coluna->layout()->totalMinimumSize().width();
            m_coluna->setFixedWidth(f.compacto ? justa : qMax(m_largColuna, justa));
            m_coluna->updateGeometry(); // its height too, where its width stayed
        }
        m_corpo->setAlignment(m_desenho, f.direcao == QBoxLayout::TopToBottom ? Qt::AlignHCenter : Qt::AlignTop);
        l->invalidate(); // the window's layout keeps its sizes until told
    };
    auto minimo = [&](Forma f) {
        aplica(f);
        return QSize(l->totalMinimumSize().width(),
                     l->hasHeightForWidth() ? l->totalMinimumHeightForWidth(quadro.width()) : l->totalMinimumSize().height());
    };
    // The normal drawing first; the first form that fits is kept, else the lowest that is not
    // too wide.
    const Forma formas[] = {{QBoxLayout::TopToBottom, false},
                            {QBoxLayout::LeftToRight, false},
                            {QBoxLayout::TopToBottom, true},
                            {QBoxLayout::LeftToRight, true},
                            {QBoxLayout::TopToBottom, true, true},
                            {QBoxLayout::TopToBottom, true, leiturasLadoALado(), true}};
    Forma escolhida = formas[0];
    int menorAltura = -1;
    for (const Forma& f : formas) {
        if (f.compacto && !desenho)
            continue;
        if (f.ladoALado && !leiturasLadoALado())
            continue;
        const QSize m = minimo(f);
        if (m.width() > quadro.width())
            continue;
        if (m.height() <= quadro.height()) {
            escolhida = f;
            break;
        }
        // Without the drawing only when that is what brings every control into view.
        if (!f.semDesenho && (menorAltura < 0 || m.height() < menorAltura)) {
            menorAltura = m.height();
            escolhida = f;
        }
    }
    aplica(escolhida);
}

void JanelaChip::resizeEvent(QResizeEvent* e)
{
    JanelaFilha::resizeEvent(e);
    ajustaCorpo();
}

QString JanelaChip::textoExibirLog()
{
    return L(QStringLiteral("Exibir")) + QStringLiteral(" Log ->");
}

bool JanelaChip::alternaLog(QPushButton* btLog)
{
    if (btLog->text() == textoExibirLog()) {
        btLog->setText(L(QStringLiteral("Ocultar")));
        return true;
    }
    btLog->setText(textoExibirLog());
    return false;
}

void JanelaChip::defineLarguraLog(int twips, int larguraComLog, int altura)
{
    m_log->setVisible(twips == larguraComLog);
    defineTamanhoNatural(QSize(Twips::paraPixels(twips), Twips::paraPixels(altura)));
    centraliza();
    ajustaCorpo(); // a maximised frame keeps its size: the log shown or hidden may change the form
}

QLabel* JanelaChip::criaRotuloUC(bool alinhado)
{
    QLabel* uc = criaRotulo(QStringLiteral("lbUC"));
    QFont fuc = uc->font();
    fuc.setBold(true);
    fuc.setPointSizeF(fuc.pointSizeF() * 1.2);
    uc->setFont(fuc);
    if (alinhado) {
        uc->setMinimumWidth(Twips::paraPixels(1400));
        uc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return uc;
}

void JanelaChip::centraliza()
{
    QMdiArea* area = janelas().area();
    QWidget* alvo = parentWidget();
    if (m_topoTwips < 0 || !area || !alvo)
        return;
    JanelaFilha::centraliza(); // the frame's size: the natural one, as far as the area allows
    alvo->move(PosicaoDentroDaArea(QPoint((area->viewport()->width() - alvo->width()) / 2, Twips::paraPixels(m_topoTwips)),
                                   alvo->size(), area->viewport()->size()));
}

void JanelaChip::showEvent(QShowEvent* e)
{
    JanelaFilha::showEvent(e);
    if (!m_centralizada) {
        m_centralizada = true;
        centraliza();
    }
}

void JanelaChip::publicaRelatorio(const QString& pagina, const QList<QPair<QString, QString>>& pares)
{
    const std::optional<QString> nome = PerguntaNomeRelatorio(contexto().dados.banco);
    if (!nome)
        return;
    QList<QPair<QString, QString>> comNome = pares;
    comNome.append({QStringLiteral("EMP"), *nome});
    m_avisoRelatorio->mostra(PublicaRelatorio(contexto().dados, pagina, MontaConsulta(comNome), sessao().modelo(),
                                              sessao().numeroModelo(), objectName()));
}
