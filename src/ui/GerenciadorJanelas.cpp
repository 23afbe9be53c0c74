#include "ui/GerenciadorJanelas.h"

#include "shell/Globais.h"
#include "shell/Ligacao.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
// Which window BuscaDadosGravados refreshes for the code of the exchange in progress.
const QHash<QString, QString>& janelaDoRequisitante()
{
    static const QHash<QString, QString> t = {
        {"1", "Master"}, {"3", "Displays"}, {"5", "IC"}, {"6", "I2C"}, {"13", "BuckTeste"},
        {"14", "Bateria"}, {"15", "BuckLdo"}, {"16", "VCores"},
    };
    return t;
}

// The order in which open windows are refreshed after a model change.
const QStringList& ordemAtualizacao()
{
    static const QStringList o = {"IC", "Outros", "VCores", "BuckLdo", "Displays",
                                  "BuckTeste", "Master", "I2C", "PMU"};
    return o;
}
} // namespace

GerenciadorJanelas::GerenciadorJanelas(Ligacao& ligacao, QMdiArea* area, QObject* pai)
    : QObject(pai), m_ligacao(ligacao), m_area(area)
{
}

void GerenciadorJanelas::registra(const QString& nome, Fabrica fabrica, const QStringList& codigos)
{
    m_fabricas.insert(nome, std::move(fabrica));
    m_codigos.insert(nome, codigos);
}

Troca* GerenciadorJanelas::pede(const QString& nome, const QString& codigo, const QString& comando,
                                Ligacao::Modo modo)
{
    Troca* troca = m_ligacao.pede(codigo, comando, modo);
    if (troca->recusada() || codigo == QLatin1String("0"))
        return troca;
    // The answer goes to the window of the name, created again if it was closed meanwhile.
    // The rail windows ask for their own readings only ("13", "15", "16", "18"): one the user
    // closed while its reading was in flight stays closed and the late answer is dropped,
    // instead of reopening it in its default state.
    static const QStringList soDaPropriaJanela = {QStringLiteral("13"), QStringLiteral("15"),
                                                  QStringLiteral("16"), QStringLiteral("18")};
    const bool recria = !soDaPropriaJanela.contains(codigo);
    connect(troca, &Troca::respondida, this, [this, nome, codigo, recria](const QString& R, const QString& A) {
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
    auto fabrica = m_fabricas.constFind(nome);
    if (fabrica == m_fabricas.constEnd())
        return nullptr;
    JanelaFilha* j = (*fabrica)(*this);
    j->setProperty("codigos", m_codigos.value(nome));
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

void GerenciadorJanelas::BuscaDadosGravados()
{
    const QString nome = janelaDoRequisitante().value(m_ligacao.requisitante());
    if (JanelaFilha* j = nome.isEmpty() ? nullptr : aberta(nome))
        j->buscaDadosGravados();
    if (JanelaFilha* console = aberta(QStringLiteral("Master")))
        console->buscaDadosGravados();
}

void GerenciadorJanelas::AtualizaJanelasAbertas()
{
    for (const QString& nome : ordemAtualizacao())
        if (JanelaFilha* j = aberta(nome))
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
        alvo->close();
        // The window is deleted later; it is closed now, and so is its flag.
        if (Globais::instancia().JanelaAberta.contains(nome))
            Globais::instancia().defineJanelaAberta(nome, false);
    }
}

QStringList GerenciadorJanelas::nomesAbertos() const
{
    QStringList n;
    for (auto it = m_abertas.constBegin(); it != m_abertas.constEnd(); ++it)
        if (!it->isNull())
            n << it.key();
    return n;
}
