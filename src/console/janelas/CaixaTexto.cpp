#include "console/janelas/CaixaTexto.h"

CaixaTexto::CaixaTexto(const QString& nome, QWidget* pai, bool somenteLeitura) : QPlainTextEdit(pai)
{
    setObjectName(nome);
    setReadOnly(somenteLeitura);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &CaixaTexto::editadoPeloUsuario);
}

QString CaixaTexto::paraExibicao(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.remove(QLatin1Char('\r'));
    return texto;
}

void CaixaTexto::defineTexto(const QString& texto)
{
    if (texto == m_texto)
        return;
    m_texto = texto;
    m_definindo = true;
    setPlainText(paraExibicao(texto));
    m_definindo = false;
    emit textoMudou();
}

void CaixaTexto::editadoPeloUsuario()
{
    if (m_definindo)
        return;
    // The line ending of the text being edited: console answers carry "\r\r\n".
    const QString fim = m_texto.contains(QStringLiteral("\r\r\n")) ? QStringLiteral("\r\r\n")
                                                                   : QStringLiteral("\r\n");
    QString t = toPlainText();
    t.replace(QLatin1Char('\n'), fim);
    if (t == m_texto)
        return;
    m_texto = t;
    emit textoMudou();
}
