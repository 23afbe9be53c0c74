#include "console/janelas/CaixaTexto.h"

#include "console/RegrasConsole.h"

CaixaTexto::CaixaTexto(const QString& nome, QWidget* pai, bool somenteLeitura) : QPlainTextEdit(pai)
{
    setObjectName(nome);
    setReadOnly(somenteLeitura);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &CaixaTexto::editadoPeloUsuario);
}

QString CaixaTexto::paraExibicao(const QString& texto)
{
    return RegrasConsole::ComoExibido(texto);
}

void CaixaTexto::defineTexto(const QString& texto)
{
    if (texto == m_texto)
        return;
    m_texto = texto;
    m_definindo = true;
    setPlainText(paraExibicao(texto));
    m_exibido = toPlainText();
    m_definindo = false;
    emit textoMudou();
}

void CaixaTexto::editadoPeloUsuario()
{
    if (m_definindo)
        return;
    // Only what the user changed changes: the line endings the box does not show stay.
    const QString exibido = toPlainText();
    const QString t = RegrasConsole::AplicaEdicao(m_texto, m_exibido, exibido);
    m_exibido = exibido;
    if (t == m_texto)
        return;
    m_texto = t;
    emit textoMudou();
}
