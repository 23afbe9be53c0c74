#include "diagnostico/PaginaDiagnostico.h"

#include "diagnostico/PassosDiagnostico.h"
#include "i18n/Dicionario.h"
#include "i18n/Idioma.h"
#include "shell/Modelo.h"

#include <QLocale>
#include <algorithm>

namespace {

QString esc(const QString& t)
{
    return t.toHtmlEscaped();
}

// "&H00BBGGRR" as a CSS colour; white when there is no tint.
QString corCss(Veredito v)
{
    const QString vb = CorVbVeredito(v);
    if (vb.size() < 10)
        return QStringLiteral("#ffffff");
    return (QLatin1Char('#') + vb.mid(8, 2) + vb.mid(6, 2) + vb.mid(4, 2)).toLower();
}

// The bar of a rail: strong enough to read on the pale band.
QString corBarra(Veredito v)
{
    switch (v) {
    case Veredito::Passa: return QStringLiteral("#2e7d32");
    case Veredito::Falha: return QStringLiteral("#c62828");
    default: return QStringLiteral("#757575");
    }
}

QString num(double v, int casas = 1)
{
    return QString::number(v, 'f', casas);
}

// 40 rails of 16 px: well inside an A4 or Letter page.
constexpr qsizetype TrilhasPorGrafico = 40;

QString linhaItem(const ItemDiagnostico& i, const QString& classe)
{
    // The subsystem tells apart one rail read by two windows.
    return QStringLiteral("<li class=\"%1 %2\" data-chave=\"%3\">%4 <span class=\"subsistema\">%5</span> %6</li>\n")
        .arg(classe, NomeVeredito(i.veredito), esc(i.chave()), esc(MarcaVeredito(i.veredito)),
             esc(TituloSubsistema(i.subsistema)), esc(LinhaFalha(i)));
}

const char* Estilo = R"(
body{font-family:sans-serif;margin:24px;color:#222}
h1{margin:0 0 4px 0;font-size:22px}
h2{font-size:17px;margin:22px 0 8px 0;border-bottom:1px solid #bbb}
.cabecalho td{padding:1px 12px 1px 0}
.resumo{padding:10px 14px;font-weight:bold;font-size:16px;margin:14px 0}
.resumo.passa{background:#c0ffc0}.resumo.falha{background:#ffb4b4}.resumo.parcial{background:#ffe0a0}
ul{margin:4px 0;padding-left:22px}
li.falha,li.semleitura{color:#8b0000}
span.subsistema{display:inline-block;min-width:80px;color:#555}
table.dados{border-collapse:collapse;font-size:13px}
table.dados td,table.dados th{border:1px solid #ccc;padding:2px 8px;text-align:left}
table.dados td.n{text-align:right}
svg text{font-family:sans-serif;font-size:11px}
@media print{h2{break-after:avoid;page-break-after:avoid}.junto,svg.desvios,tr{break-inside:avoid;page-break-inside:avoid}}
)";

} // namespace

QString GraficoDesvios(const QList<ItemDiagnostico>& itens)
{
    QList<ItemDiagnostico> trilhas;
    for (const ItemDiagnostico& i : itens)
        if (i.desvio)
            trilhas << i;
    if (trilhas.isEmpty())
        return {};
    // The scale holds three bands either side, so a bar far outside still shows where it points.
    double escala = 0;
    for (const ItemDiagnostico& i : trilhas)
        escala = std::max(escala, i.tolerancia * 3);
    const int rotulo = 230, largura = 420, alturaLinha = 16, topo = 22;
    const int meio = rotulo + largura / 2;
    const auto x = [&](double pct) {
        return meio + std::clamp(pct, -escala, escala) / escala * (largura / 2.0);
    };
    // At most a page of rails per picture: a picture never splits, and the heading stays with
    // the first one.
    QString r;
    for (qsizetype inicio = 0; inicio < trilhas.size(); inicio += TrilhasPorGrafico) {
        const qsizetype n = std::min<qsizetype>(TrilhasPorGrafico, trilhas.size() - inicio);
        const int altura = topo + alturaLinha * int(n) + 6;
        QString s = QStringLiteral("<svg class=\"desvios\" xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                   "viewBox=\"0 0 %1 %2\">\n")
                        .arg(rotulo + largura + 70)
                        .arg(altura);
        for (double pct : {-escala, -escala / 3, 0.0, escala / 3, escala})
            s += QStringLiteral("<text x=\"%1\" y=\"12\" text-anchor=\"middle\">%2 %</text>\n")
                     .arg(num(x(pct)), QString::number(std::round(pct)));
        for (qsizetype k = 0; k < n; ++k) {
            const ItemDiagnostico& i = trilhas.at(inicio + k);
            const int y = topo + int(k) * alturaLinha;
            const double d = *i.desvio;
            const double x0 = x(-i.tolerancia), x1 = x(i.tolerancia);
            const double xa = std::min(x(0), x(d)), xb = std::max(x(0), x(d));
            s += QStringLiteral("<g class=\"trilha %1\" data-item=\"%2\" data-desvio=\"%3\">")
                     .arg(NomeVeredito(i.veredito), esc(i.chave()), num(d, 2));
            s += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>")
                     .arg(rotulo - 6)
                     .arg(y + 11)
                     .arg(esc(i.item + QStringLiteral(" \u00B7 ") + TituloSubsistema(i.subsistema)));
            s += QStringLiteral("<rect class=\"faixa\" x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#e8f5e9\"/>")
                     .arg(num(x0), QString::number(y + 1), num(x1 - x0), QString::number(alturaLinha - 2));
            s += QStringLiteral("<rect class=\"barra\" x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>")
                     .arg(num(xa), QString::number(y + 4), num(std::max(1.0, xb - xa)), QString::number(alturaLinha - 8),
                          corBarra(i.veredito));
            s += QStringLiteral("<text x=\"%1\" y=\"%2\">%3 %</text></g>\n")
                     .arg(rotulo + largura + 6)
                     .arg(y + 11)
                     .arg(num(d));
        }
        s += QStringLiteral("<line x1=\"%1\" y1=\"16\" x2=\"%1\" y2=\"%2\" stroke=\"#444\"/>\n").arg(meio).arg(altura - 4);
        r += s + QStringLiteral("</svg>\n");
    }
    return r;
}

bool PapelCarta(const QLocale& local)
{
    // The territories glibc's LC_PAPER gives Letter.
    static const QList<QLocale::Territory> carta{
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Chile,
        QLocale::Colombia,     QLocale::Venezuela,  QLocale::CostaRica, QLocale::Guatemala,
        QLocale::Panama,       QLocale::PuertoRico, QLocale::Philippines, QLocale::Nicaragua,
        QLocale::ElSalvador,   QLocale::Bolivia};
    return carta.contains(local.territory());
}

QString PaginaDiagnostico(const ExecucaoDiagnostico& e, const std::optional<ExecucaoDiagnostico>& anterior,
                          const QString& notaAnterior)
{
    const QString titulo = L(QStringLiteral("Diagnóstico completo"));
    QString h = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1 - %2</title><style>%3</style>"
                               "</head><body>\n")
                    .arg(esc(titulo), esc(e.modelo),
                         QStringLiteral("@page{size:%1;margin:12mm}").arg(PapelCarta(QLocale()) ? QStringLiteral("letter") : QStringLiteral("A4"))
                             + QString::fromLatin1(Estilo));
    h += QStringLiteral("<h1>%1</h1>\n<table class=\"cabecalho\">").arg(esc(titulo));
    const QList<QPair<QString, QString>> cabecalho{
        {L(QStringLiteral("Modelo")), e.modelo + (e.numero.isEmpty() ? QString() : QStringLiteral(" (") + e.numero + QLatin1Char(')'))},
        // How the references were chosen: a model not named by the board's number was chosen by hand.
        {L(QStringLiteral("DIAG_ORIGEM_MODELO")),
         L(ModeloDaPlaca(e.numero, e.modelo) ? QStringLiteral("DIAG_MODELO_DA_PLACA") : QStringLiteral("DIAG_MODELO_ESCOLHIDO"))},
        {L(QStringLiteral("DIAG_ETIQUETA_CURTA")), e.etiqueta},
        {L(QStringLiteral("DIAG_DATA")), LocalDoPrograma().toString(e.inicio, QLocale::ShortFormat)},
        {L(QStringLiteral("DIAG_DURACAO")), num(e.duracaoMs / 1000.0) + QStringLiteral(" s")}};
    for (const auto& [k, v] : cabecalho)
        h += QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>").arg(esc(k), esc(v));
    h += QStringLiteral("</table>\n");

    const QList<Falha> falhas = AgrupaFalhas(e);
    const Veredito geral = VereditoDaExecucao(e);
    const QString classe = !e.completa ? QStringLiteral("parcial")
                           : geral == Veredito::Passa ? QStringLiteral("passa")
                           : geral == Veredito::Falha ? QStringLiteral("falha")
                                                      : QStringLiteral("parcial");
    h += QStringLiteral("<div id=\"resumo\" class=\"resumo %1\">%2</div>\n").arg(classe, esc(ResumoExecucao(e)));

    if (!falhas.isEmpty()) {
        // Each fault once, with every reading that graded it and the windows that show it.
        h += QStringLiteral("<div class=\"junto\"><h2>%1</h2>\n<ul id=\"falhas\">\n").arg(esc(L(QStringLiteral("DIAG_FALHAS"))));
        for (const Falha& f : falhas) {
            QStringList leituras, janelas;
            for (const ItemDiagnostico& i : f.leituras)
                leituras << LinhaFalha(i);
            for (const QString& sub : f.subsistemas)
                janelas << TituloSubsistema(sub);
            h += QStringLiteral("<li class=\"falha %1\" data-chave=\"%2\">%3 <b>%4</b> <span class=\"subsistema\">%5 %6</span>"
                                "<br>%7</li>\n")
                     .arg(NomeVeredito(f.veredito), esc(f.nome), esc(MarcaVeredito(f.veredito)), esc(f.nome),
                          esc(L(QStringLiteral("DIAG_LIDO_EM"))), esc(janelas.join(QStringLiteral(", "))),
                          esc(leituras.join(QStringLiteral("; "))));
        }
        h += QStringLiteral("</ul></div>\n");
    }

    if (anterior) {
        const Mudancas m = ComparaExecucoes(*anterior, e);
        h += QStringLiteral("<div class=\"junto\"><h2>%1</h2>\n<p>%2</p></div>\n")
                 .arg(esc(L(QStringLiteral("DIAG_ANTERIOR"))),
                      esc(LocalDoPrograma().toString(anterior->inicio, QLocale::ShortFormat) + QStringLiteral(" — ")
                          + L(QStringLiteral("DIAG_FALHAS")) + QStringLiteral(": ")
                          + QString::number(AgrupaFalhas(*anterior).size()) + QStringLiteral(" → ")
                          + QString::number(falhas.size())));
        if (!notaAnterior.isEmpty())
            h += QStringLiteral("<p id=\"notaanterior\">%1</p>\n").arg(esc(notaAnterior));
        if (m.vazia())
            h += QStringLiteral("<p id=\"semmudancas\">%1</p>\n").arg(esc(L(QStringLiteral("DIAG_SEM_MUDANCAS"))));
        for (const auto& [lista, chave, id] : {std::tuple{&m.consertados, "DIAG_CONSERTADOS", "consertados"},
                                               std::tuple{&m.novasFalhas, "DIAG_NOVAS_FALHAS", "novasfalhas"}}) {
            if (lista->isEmpty())
                continue;
            h += QStringLiteral("<h3>%1</h3>\n<ul id=\"%2\">\n").arg(esc(L(QString::fromLatin1(chave))), QString::fromLatin1(id));
            for (const ItemDiagnostico& i : *lista)
                h += linhaItem(i, QStringLiteral("mudanca"));
            h += QStringLiteral("</ul>\n");
        }
    }

    h += QStringLiteral("<div class=\"junto\"><h2>%1</h2>\n<table class=\"dados\" id=\"contagens\"><tr><th></th>").arg(esc(L(QStringLiteral("DIAG_SUBSISTEMAS"))));
    for (Veredito v : {Veredito::Passa, Veredito::Falha, Veredito::NaoMensuravel, Veredito::SemLeitura})
        h += QStringLiteral("<th>%1 %2</th>").arg(esc(MarcaVeredito(v)), esc(TextoVeredito(v)));
    h += QStringLiteral("</tr>\n");
    for (const Contagem& c : e.contagens()) {
        const bool ruim = c.falha + c.semLeitura > 0;
        h += QStringLiteral("<tr class=\"contagem\" data-subsistema=\"%1\" style=\"background:%2\"><td>%3</td>"
                            "<td class=\"n\">%4</td><td class=\"n\">%5</td><td class=\"n\">%6</td><td class=\"n\">%7</td></tr>\n")
                 .arg(esc(c.subsistema), ruim ? corCss(Veredito::Falha) : QStringLiteral("#ffffff"),
                      esc(TituloSubsistema(c.subsistema)))
                 .arg(c.passa)
                 .arg(c.falha)
                 .arg(c.naoMensuravel)
                 .arg(c.semLeitura);
    }
    h += QStringLiteral("</table></div>\n");

    const QString grafico = GraficoDesvios(e.itens());
    if (!grafico.isEmpty())
        h += QStringLiteral("<div class=\"junto\"><h2>%1</h2>\n").arg(esc(L(QStringLiteral("DIAG_DESVIOS"))))
             + QString(grafico).insert(grafico.indexOf(QStringLiteral("</svg>\n")) + 7, QStringLiteral("</div>\n"));

    h += QStringLiteral("<h2>%1</h2>\n<table class=\"dados\" id=\"itens\">\n").arg(esc(L(QStringLiteral("DIAG_TODAS_LEITURAS"))));
    for (const ResultadoPasso& p : e.passos) {
        QString estado;
        if (p.fim == FimPasso::NaoExecutado)
            estado = QStringLiteral(" — ") + L(QStringLiteral("DIAG_PASSO_NAO_EXECUTADO"));
        else if (p.fim == FimPasso::SemResposta)
            estado = QStringLiteral(" — ") + L(QStringLiteral("DIAG_PASSO_SEM_RESPOSTA"));
        h += QStringLiteral("<tr class=\"passo\"><th colspan=\"4\">%1 <code>%2</code>%3</th></tr>\n")
                 .arg(esc(p.titulo), esc(p.comando), esc(estado));
        for (const ItemDiagnostico& i : p.itens)
            h += QStringLiteral("<tr class=\"item %1\" style=\"background:%2\"><td>%3</td><td>%4</td><td>%5</td><td>%6 %7</td></tr>\n")
                     .arg(NomeVeredito(i.veredito), corCss(i.veredito), esc(i.item), esc(i.leitura), esc(i.referencia),
                          esc(MarcaVeredito(i.veredito)), esc(TextoVeredito(i.veredito)));
    }
    h += QStringLiteral("</table>\n");

    h += QStringLiteral("<div class=\"junto\"><h2>%1</h2>\n<ul id=\"naoexecutados\">\n").arg(esc(L(QStringLiteral("DIAG_NAO_EXECUTADOS"))));
    for (const QString& t : TestesNaoExecutados())
        h += QStringLiteral("<li>%1</li>\n").arg(esc(t));
    return h + QStringLiteral("</ul></div>\n</body></html>\n");
}
