#include "ui/GerenciadorJanelas.h"

#include "shell/Ligacao.h"
#include "shell/RegrasTroca.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>


GerenciadorJanelas::GerenciadorJanelas(const ContextoAplicacao& contexto, Sessao& sessao, QMdiArea* area,
                                       QObject* pai)
    : QObject(pai), m_contexto(contexto), m_sessao(sessao), m_ligacao(sessao.ligacao()), m_area(area)
{
    // The phone went on sending after an answer was closed: the window that asked says so
    // next to its verdict (if it is still open).
    connect(&m_ligacao, &Ligacao::respostaContinuou, this, [this](const QString& codigo, qint64 caracteres) {
        // A window's procedure asks the link itself: its code names the window.
        const QString nome = m_ultimaJanela.value(codigo, nomeDoRequisitante(codigo));
        if (JanelaFilha* j = aberta(nome))
            j->respostaContinuou(caracteres);
    });
    // The number is emptied when the link closes and reads "..." while it is asked; any other
    // value is an identification, the start of another board's results (the same model's
    // boards share the model, so the model alone does not tell a swap).
    connect(&m_sessao, &Sessao::numeroModeloMudou, this, [this](const QString& numero) {
        if (!numero.isEmpty() && numero != QLatin1String("..."))
            novaPlaca();
    });
}

void GerenciadorJanelas::novaPlaca()
{
    for (const auto& j : std::as_const(m_abertas))
        if (j)
            j->novaPlaca();
}

void GerenciadorJanelas::registra(DescritorJanela descritor)
{
    const QString nome = descritor.nome;
    m_descritores.insert(nome, std::move(descritor));
}

const DescritorJanela* GerenciadorJanelas::descritor(const QString& nome) const
{
    auto it = m_descritores.constFind(nome);
    return it == m_descritores.constEnd() ? nullptr : &*it;
}

QString GerenciadorJanelas::nomeDoRequisitante(const QString& codigo) const
{
    if (codigo == SemRequisitante)
        return QStringLiteral("Inicial");
    for (const DescritorJanela& d : m_descritores)
        if (d.codigos.contains(codigo))
            return d.nome;
    return codigo;
}

QString GerenciadorJanelas::janelaDoBotao(int botao) const
{
    for (const DescritorJanela& d : m_descritores)
        if (botao != 0 && d.botaoMenu == botao)
            return d.nome;
    return {};
}

Troca* GerenciadorJanelas::pede(const QString& nome, const QString& codigo, const QString& comando,
                                Ligacao::Modo modo)
{
    const DescritorJanela* d = descritor(nome);
    Troca* troca = m_ligacao.pede(codigo, comando, modo, RegrasTroca::RegraDoComando(comando));
    if (troca->recusada() || codigo == SemRequisitante)
        return troca;
    // The answer goes to the window of the name, created again if it was closed meanwhile
    // unless its descriptor says otherwise.
    const bool recria = d && !d->entregaSoAberta;
    connect(troca, &Troca::respondida, this, [this, nome, codigo, recria](const QString& R, const QString& A) {
        m_ultimaJanela.insert(codigo, nome);
        JanelaFilha* j = aberta(nome);
        if (!j && recria)
            j = mostra(nome);
        if (j)
            j->recebeResposta(codigo, R, A);
    });
    connect(troca, &Troca::parcial, this, [this, nome, codigo](const QString& R, const QString& A) {
        if (JanelaFilha* j = aberta(nome))
            j->espelha(codigo, R, A);
    });
    connect(troca, &Troca::cancelada, this, [this, nome](Troca::Motivo) {
        if (JanelaFilha* j = aberta(nome))
            j->esperaCancelada();
    });
    return troca;
}

JanelaFilha* GerenciadorJanelas::aberta(const QString& nome) const
{
    auto it = m_abertas.constFind(nome);
    if (it == m_abertas.constEnd() || it->isNull())
        return nullptr;
    return it->data();
}

JanelaFilha* GerenciadorJanelas::mostra(const QString& nome)
{
    if (JanelaFilha* j = aberta(nome)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(j->parentWidget())) {
            sub->showNormal();
            if (m_area)
                m_area->setActiveSubWindow(sub);
        }
        j->raise();
        j->setFocus();
        return j;
    }
    const DescritorJanela* d = descritor(nome);
    if (!d || !d->fabrica)
        return nullptr;
    JanelaFilha* j = d->fabrica(*this);
    m_abertas.insert(nome, j);
    if (m_area) {
        QMdiSubWindow* sub = m_area->addSubWindow(j);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(j->windowTitle());
        connect(j, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
        sub->adjustSize();
        j->centraliza();
        sub->show();
        m_area->setActiveSubWindow(sub);
    } else {
        j->show();
    }
    j->setFocus();
    emit janelaCriada(nome);
    return j;
}

void GerenciadorJanelas::passaPara(const QString& de, const QString& para)
{
    QPointer<JanelaFilha> destino = mostra(para);
    fecha({de});
    if (destino)
        destino->setFocus();
}

void GerenciadorJanelas::pedeComandoNoConsole(const QString& comando)
{
    const QString console = QStringLiteral("Master");
    if (!aberta(console) && !mostra(console))
        return;
    emit comandoParaConsole(comando);
}

void GerenciadorJanelas::pedeAcompanhamento(int variante, int familia, const QString& trilha)
{
    if (mostra(QStringLiteral("Acompanhar")))
        emit acompanhamentoPedido(variante, familia, trilha);
}

void GerenciadorJanelas::pedeAjuda(const QString& texto)
{
    if (mostra(QStringLiteral("fmHelp")))
        emit textoDeAjuda(texto);
}

void GerenciadorJanelas::AtualizaJanelasAbertas()
{
    QList<const DescritorJanela*> ordem;
    for (const DescritorJanela& d : std::as_const(m_descritores))
        if (d.ordemAtualizacao > 0)
            ordem << &d;
    std::sort(ordem.begin(), ordem.end(),
              [](auto* a, auto* b) { return a->ordemAtualizacao < b->ordemAtualizacao; });
    for (const DescritorJanela* d : ordem)
        if (JanelaFilha* j = aberta(d->nome))
            j->atualizaJanelaAberta();
}

void GerenciadorJanelas::traduzAbertas()
{
    for (const auto& j : std::as_const(m_abertas))
        if (j)
            j->traduz();
}

void GerenciadorJanelas::fecha(const QStringList& nomes)
{
    for (const QString& nome : nomes) {
        JanelaFilha* j = aberta(nome);
        if (!j)
            continue;
        QWidget* alvo = qobject_cast<QMdiSubWindow*>(j->parentWidget()) ? j->parentWidget() : j;
        m_abertas.remove(nome);
        // The window is deleted later; for the manager it is closed now.
        alvo->close();
    }
}

JanelaFilha* GerenciadorJanelas::ativa() const
{
    QMdiSubWindow* sub = m_area ? m_area->activeSubWindow() : nullptr;
    if (!sub || !sub->widget())
        return nullptr;
    if (auto* j = qobject_cast<JanelaFilha*>(sub->widget()))
        return j;
    return sub->widget()->findChild<JanelaFilha*>();
}

QStringList GerenciadorJanelas::nomesAbertos() const
{
    QStringList n;
    for (auto it = m_abertas.constBegin(); it != m_abertas.constEnd(); ++it)
        if (!it->isNull())
            n << it.key();
    return n;
}
