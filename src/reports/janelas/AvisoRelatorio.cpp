#include "reports/janelas/AvisoRelatorio.h"

#include "i18n/Dicionario.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "ui/RotuloElidido.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

AvisoRelatorio::AvisoRelatorio(QWidget* pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("AvisoRelatorio"));
    // A long path must not widen a fixed window nor be cut blind: the line is shortened in its
    // middle, whole in its tooltip, and its menu (or Ctrl+C) copies the path.
    m_lbRelatorio = new RotuloElidido(this);
    m_lbRelatorio->setObjectName(QStringLiteral("lbRelatorio"));
    m_btAbreRelatorio = new QPushButton(this);
    m_btAbreRelatorio->setObjectName(QStringLiteral("btAbreRelatorio"));
    connect(m_btAbreRelatorio, &QPushButton::clicked, this, &AvisoRelatorio::abreRelatorio);
    m_btAbrePasta = new QPushButton(this);
    m_btAbrePasta->setObjectName(QStringLiteral("btAbrePasta"));
    connect(m_btAbrePasta, &QPushButton::clicked, this, &AvisoRelatorio::abrePasta);
    // The PDF is printed in the background: the line says it once the browser has ended.
    connect(&ImpressoesPdf::instancia(), &ImpressoesPdf::terminada, this, [this](const QString& pdf) {
        if (pdf == m_pdf)
            traduz();
    });
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_lbRelatorio, 1);
    lay->addWidget(m_btAbreRelatorio);
    lay->addWidget(m_btAbrePasta);
    traduz();
    hide();
}

void AvisoRelatorio::mostra(const RelatorioPublicado& r)
{
    if (r.arquivo.isEmpty())
        return;
    m_arquivo = r.arquivo;
    m_pdf = r.pdf;
    traduz();
    show();
}

void AvisoRelatorio::limpa()
{
    m_arquivo.clear();
    m_pdf.clear();
    hide();
}

void AvisoRelatorio::traduz()
{
    m_btAbreRelatorio->setText(L(QStringLiteral("Abrir relatório")));
    m_btAbrePasta->setText(L(QStringLiteral("Abrir pasta")));
    QString t = L(QStringLiteral("Relatório salvo em:")) + QLatin1Char(' ') + QDir::toNativeSeparators(m_arquivo);
    if (!m_pdf.isEmpty())
        t += TextoPdf(m_pdf);
    m_lbRelatorio->defineTexto(t, QDir::toNativeSeparators(m_arquivo));
}

QString TextoPdf(const QString& pdf)
{
    const ImpressoesPdf& impressoes = ImpressoesPdf::instancia();
    switch (impressoes.estado(pdf)) {
    case ImpressoesPdf::Estado::Pronto: return QStringLiteral(" (+ PDF)");
    case ImpressoesPdf::Estado::EmPreparo: return QStringLiteral(" (") + L(QStringLiteral("PDF_EM_PREPARO")) + QLatin1Char(')');
    case ImpressoesPdf::Estado::Falhou:
        return QStringLiteral(" \u2014 ") + L(QStringLiteral("PDF_NAO_CRIADO")).arg(impressoes.motivo(pdf));
    case ImpressoesPdf::Estado::Nenhum: break;
    }
    return {};
}

void AvisoRelatorio::abrePasta()
{
    if (!m_arquivo.isEmpty())
        AbreDocumento(QFileInfo(m_arquivo).absolutePath());
}

void AvisoRelatorio::abreRelatorio()
{
    if (!m_pdf.isEmpty() && QFileInfo::exists(m_pdf))
        AbreDocumento(m_pdf);
    else if (!m_arquivo.isEmpty())
        AbreDocumento(m_arquivo);
}

void MostraRelatorio(AvisoRelatorio* aviso, const std::optional<RelatorioPublicado>& r)
{
    if (r)
        aviso->mostra(*r);
}
