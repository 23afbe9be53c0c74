#pragma once
#include <QWidget>

#include "reports/ArquivoRelatorio.h"

class RotuloElidido;
class QPushButton;

// The line under a report button once a report is saved: where the file is ("lbRelatorio",
// shortened in its middle where the row is too narrow, whole in its tooltip, its path copied
// from its menu) and its actions: "Open report" ("btAbreRelatorio": the PDF when one was made, else the page)
// and "Open folder" ("btAbrePasta"). Hidden until the first report. Where nothing can open
// them, a box says so with the path.
class AvisoRelatorio : public QWidget {
    Q_OBJECT
public:
    explicit AvisoRelatorio(QWidget* pai = nullptr);
    void mostra(const RelatorioPublicado& r);
    void traduz();
    void limpa(); // hidden and forgotten: the report was of another board
    QString arquivo() const { return m_arquivo; }

private:
    void abrePasta();
    void abreRelatorio();

    QString m_arquivo, m_pdf;
    RotuloElidido* m_lbRelatorio = nullptr;
    QPushButton* m_btAbreRelatorio = nullptr;
    QPushButton* m_btAbrePasta = nullptr;
};

// What the line says of the PDF beside a report: " (+ PDF)" only once it is made whole, that
// it is being made, or that it could not be made and why; "" without one.
QString TextoPdf(const QString& pdf);

// Shows what a report publication gave, when there is something to show.
void MostraRelatorio(AvisoRelatorio* aviso, const std::optional<RelatorioPublicado>& r);
