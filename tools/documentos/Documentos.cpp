#include "Documentos.h"

#include "boardtests/I2c.h"
#include "db/Banco.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlRecord>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace Documentos {

namespace {

const char* const FonteTexto = "DejaVu Sans";
const char* const FonteComando = "DejaVu Sans Mono";

QString esc(const QString& s)
{
    return s.toHtmlEscaped();
}

struct TextosReferencia {
    const char* titulo;
    const char* introducao;
    const char* total;
    const char* semNota;
};

// The command reference in the three languages of the program.
const TextosReferencia Referencia[3] = {
    {"Referência de comandos do modo diagnóstico",
     "Comandos do shell de diagnóstico do aparelho em modo purple. Digite ou escolha um comando na "
     "janela Modo Comandos e Comparador e clique em Executar: o Vexador Tarrim envia o texto seguido "
     "de um retorno de carro e mostra a resposta até o prompt “] :-) ”, ao lado da resposta gravada "
     "de uma placa de referência do mesmo modelo. Os comandos que você gravar também entram na lista "
     "da janela.",
     "%1 comandos.",
     "(sem descrição)"},
    {"Diagnostics shell command reference",
     "Commands of the phone's diagnostics shell in purple mode. Type or pick a command in the "
     "Command Mode and Comparator window and press Run: Vexador Tarrim sends the text followed by "
     "one carriage return and shows the answer up to the prompt “] :-) ”, beside the answer a "
     "reference board of the same model gave. Commands you save are added to the window's list.",
     "%1 commands.",
     "(no description)"},
    {"Referencia de comandos del modo diagnóstico",
     "Comandos del shell de diagnóstico del teléfono en modo purple. Escriba o elija un comando en "
     "la ventana Modo Comandos y Comparador y pulse Ejecutar: Vexador Tarrim envía el texto seguido "
     "de un retorno de carro y muestra la respuesta hasta el prompt “] :-) ”, junto a la respuesta "
     "grabada de una placa de referencia del mismo modelo. Los comandos que usted grabe también "
     "entran en la lista de la ventana.",
     "%1 comandos.",
     "(sin descripción)"},
};

const TextosReferencia& textos(int idioma)
{
    return Referencia[qBound(1, idioma, 3) - 1];
}

} // namespace

QString ArquivoReferencia(int idioma)
{
    switch (idioma) {
    case 2: return QStringLiteral("xDOD_USA.pdf");
    case 3: return QStringLiteral("xDOD_ES.pdf");
    default: return QStringLiteral("xDOD_BR.pdf");
    }
}

QString TituloReferencia(int idioma)
{
    return QString::fromUtf8(textos(idioma).titulo);
}

std::optional<QList<Comando>> LeComandos(const QString& banco, int idioma, QString* erro)
{
    if (!QFileInfo(banco).isFile()) {
        if (erro)
            *erro = QStringLiteral("database not found: %1").arg(banco);
        return std::nullopt;
    }
    Banco b(banco);
    const auto linhas = b.linhas(QStringLiteral("SELECT Comando, Info, Info2, Info3 FROM Comandos ORDER BY rowid"));
    if (!b.aberto() || !b.erro().isEmpty()) {
        if (erro)
            *erro = b.erro();
        return std::nullopt;
    }
    const int coluna = qBound(1, idioma, 3);
    QList<Comando> comandos;
    for (const QSqlRecord& r : linhas)
        comandos.append({r.value(0).toString(), r.value(coluna).toString()});
    return comandos;
}

QString HtmlReferencia(const QList<Comando>& comandos, int idioma, const QString& versao)
{
    const TextosReferencia& t = textos(idioma);
    QString h;
    h += QStringLiteral("<h1>%1</h1>").arg(esc(QString::fromUtf8(t.titulo)));
    h += QStringLiteral("<p>Vexador Tarrim %1</p>").arg(esc(versao));
    h += QStringLiteral("<p>%1</p>").arg(esc(QString::fromUtf8(t.introducao)));
    h += QStringLiteral("<p>%1</p><hr/>").arg(QString::fromUtf8(t.total).arg(comandos.size()));
    for (const Comando& c : comandos) {
        // Command and note in one paragraph: they stay on one page, and a note never splits
        // across table columns.
        const QString nota = c.nota.trimmed().isEmpty() ? QString::fromUtf8(t.semNota) : c.nota;
        h += QStringLiteral("<p style=\"margin-top:10px\"><b><span style=\"font-family:'%1'\">%2</span></b><br/>%3</p>")
                 .arg(QLatin1String(FonteComando), esc(c.comando),
                      esc(nota).replace(QLatin1Char('\n'), QLatin1String("<br/>")));
    }
    return h;
}

DispositivoI2c DecompoeEntrada(const QString& id, const QString& entrada)
{
    DispositivoI2c d;
    d.id = id;
    if (entrada.isEmpty()) {
        d.nome = QStringLiteral("(code %1 is not in the device table)").arg(id);
        return d;
    }
    d.procurado = ModuloI2C::EnderecoDaEntrada(entrada);
    // Bus digit, "x", two address characters ("8 " is address 0x08), then the description.
    const QString hexa = entrada.mid(2, 2).trimmed().toUpper();
    d.endereco = QStringLiteral("0x") + hexa.rightJustified(2, QLatin1Char('0'));
    QString resto = entrada.mid(4).trimmed();
    if (resto.startsWith(QLatin1Char('-')))
        resto = resto.mid(1).trimmed();
    // A trailing board reference (U1700, J5800), after " - " or a blank, is the designator.
    static const QRegularExpression designador(QStringLiteral("^(.*?)(?:\\s*-\\s*|\\s+)([UJ]\\d{3,5})$"));
    const auto m = designador.match(resto);
    if (m.hasMatch()) {
        d.nome = m.captured(1).trimmed();
        d.designador = m.captured(2);
    } else {
        d.nome = resto;
    }
    return d;
}

std::optional<QList<FamiliaI2c>> LeFamiliasI2c(const QString& banco, QString* erro)
{
    auto falha = [&](const QString& texto) -> std::optional<QList<FamiliaI2c>> {
        if (erro)
            *erro = texto;
        return std::nullopt;
    };
    if (!QFileInfo(banco).isFile())
        return falha(QStringLiteral("database not found: %1").arg(banco));
    QStringList modelos;
    {
        Banco b(banco);
        const auto linhas = b.linhas(QStringLiteral("SELECT Aparelho FROM i GROUP BY Aparelho ORDER BY MIN(rowid)"));
        if (!b.aberto() || !b.erro().isEmpty())
            return falha(b.erro());
        for (const QSqlRecord& r : linhas)
            modelos << r.value(0).toString();
    }
    QList<FamiliaI2c> familias;
    for (const QString& modelo : modelos) {
        const QString arquivo = ModuloI2C::ArquivoDiagrama(modelo);
        if (arquivo.isEmpty())
            continue;
        ModeloI2c m;
        m.modelo = modelo;
        const QList<int> varridos = ModuloI2C::BarramentosDoAutoTeste(ModuloI2C::BotoesDoModelo(modelo));
        for (int bus = 0; bus < ModuloI2C::NumeroBarramentos; ++bus) {
            QString texto;
            const auto ids = ModuloI2C::DispositivosEsperados(banco, modelo, bus, &texto);
            if (!ids)
                return falha(texto);
            BarramentoI2c barramento;
            barramento.numero = bus;
            barramento.varrido = varridos.contains(bus);
            for (const QString& id : *ids)
                barramento.dispositivos << DecompoeEntrada(id, ModuloI2C::EntradaDispositivo(id).value_or(QString()));
            if (barramento.varrido || !barramento.dispositivos.isEmpty())
                m.barramentos << barramento;
        }
        auto it = std::find_if(familias.begin(), familias.end(),
                               [&](const FamiliaI2c& f) { return f.arquivo == arquivo; });
        if (it == familias.end()) {
            familias.append({arquivo, {}});
            it = familias.end() - 1;
        }
        it->modelos << m;
    }
    return familias;
}

namespace {

QString nomesModelos(const FamiliaI2c& familia)
{
    QStringList nomes;
    for (const ModeloI2c& m : familia.modelos)
        nomes << m.modelo;
    return nomes.join(QStringLiteral(" / "));
}

} // namespace

QString TituloI2c(const FamiliaI2c& familia)
{
    return QStringLiteral("I2C buses — %1").arg(nomesModelos(familia));
}

QString HtmlI2c(const FamiliaI2c& familia, const QString& versao)
{
    QString h;
    h += QStringLiteral("<h1>%1</h1>").arg(esc(TituloI2c(familia)));
    h += QStringLiteral("<p>Vexador Tarrim %1</p>").arg(esc(versao));
    h += QStringLiteral(
        "<p>The devices each I2C bus of the board is expected to answer for, as the I2C test checks "
        "them. The test sends <b>i2c -s</b> followed by the bus number and counts a device as present "
        "when its search text occurs in the answer. A device reported absent points at the chip, its "
        "supply, its pull-ups or the bus lines between the processor and the chip; when every device of "
        "a bus is absent, look at the bus itself (pull-up supply, a shorted line) before the chips.</p>"
        "<p>Columns: <b>Code</b> the entry of the reference database; <b>Address</b> the 7-bit address "
        "on the bus; <b>Device</b> the chip; <b>Designator</b> its reference on the board; <b>Search</b> "
        "the text looked for in the scan. The bus drawings of every model follow the tables.</p>");
    for (const ModeloI2c& m : familia.modelos) {
        h += QStringLiteral("<h2>%1</h2>").arg(esc(m.modelo));
        for (const BarramentoI2c& b : m.barramentos) {
            h += QStringLiteral("<h3>I2C %1%2</h3>")
                     .arg(b.numero)
                     .arg(b.varrido ? QString() : QStringLiteral(" (not scanned by the test on this model)"));
            if (b.dispositivos.isEmpty()) {
                h += QStringLiteral("<p>No expected devices.</p>");
                continue;
            }
            h += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                                "<tr><th align=\"left\">Code</th><th align=\"left\">Address</th>"
                                "<th align=\"left\">Device</th><th align=\"left\">Designator</th>"
                                "<th align=\"left\">Search</th></tr>");
            for (const DispositivoI2c& d : b.dispositivos)
                h += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>“%5”</td></tr>")
                         .arg(esc(d.id), esc(d.endereco), esc(d.nome),
                              esc(d.designador.isEmpty() ? QStringLiteral("—") : d.designador),
                              esc(d.procurado));
            h += QStringLiteral("</table>");
        }
    }
    return h;
}

void PreparaDocumento(QTextDocument& documento)
{
    QFont fonte(QString::fromLatin1(FonteTexto));
    fonte.setPointSizeF(10);
    // No shaping for Latin text means no ligatures: "fi" stays two letters, so a search or a copy
    // from the PDF finds the words as written.
    fonte.setStyleStrategy(QFont::PreferNoShaping);
    documento.setDefaultFont(fonte);
    documento.setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 18pt; } h2 { font-size: 14pt; margin-top: 14px; } "
        "h3 { font-size: 11pt; margin-top: 10px; } th { background-color: #e8e8e8; } "
        "code { font-family: 'DejaVu Sans Mono'; }"));
}

void CarregaGuia(QTextDocument& documento, const QString& markdown, QString* titulo)
{
    PreparaDocumento(documento);
    documento.setMarkdown(markdown);
    if (titulo) {
        static const QRegularExpression cabecalho(QStringLiteral("^#\\s+(.+)$"), QRegularExpression::MultilineOption);
        const auto m = cabecalho.match(markdown);
        *titulo = m.hasMatch() ? m.captured(1).trimmed() : QString();
    }
}

namespace {

// The layout breaks pages between lines, so a paragraph can start at the foot of one page and end
// at the top of the next; each page then carries the whole paragraph (hidden by the clip, but
// there for a search or a text extractor). Short paragraphs that straddle a page start the next.
void MantemParagrafosInteiros(QTextDocument& documento, qreal alturaPagina)
{
    QAbstractTextDocumentLayout* layout = documento.documentLayout();
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        QTextCursor cursor(bloco);
        if (cursor.currentTable())
            continue; // tables break between rows on their own
        const QRectF r = layout->blockBoundingRect(bloco);
        if (r.height() <= 0 || r.height() > alturaPagina / 2)
            continue;
        const int primeira = int(r.top() / alturaPagina);
        const int ultima = int((r.bottom() - 1) / alturaPagina);
        if (primeira != ultima) {
            // Pushed down to the next page by its top margin (a page break here upsets the
            // lazy layout of what follows).
            QTextBlockFormat f = bloco.blockFormat();
            f.setTopMargin(f.topMargin() + (primeira + 1) * alturaPagina - r.top());
            cursor.setBlockFormat(f);
        }
    }
    documento.markContentsDirty(0, documento.characterCount());
}

// One page per model: the processor on the left, one line per bus, the expected devices
// hanging from it with name, address and designator.
void desenhaBarramentos(QPainter& p, const QRectF& area, const ModeloI2c& modelo)
{
    const qreal escala = p.device()->logicalDpiY() / 72.0; // pixels per point
    QFont titulo(QString::fromLatin1(FonteTexto));
    titulo.setPointSizeF(15);
    titulo.setBold(true);
    p.setFont(titulo);
    const qreal alturaTitulo = 30 * escala;
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top(), area.width(), alturaTitulo), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 — I2C buses").arg(modelo.modelo));

    const int linhas = qMax<int>(1, modelo.barramentos.size());
    const QRectF corpo(area.left(), area.top() + alturaTitulo + 10 * escala, area.width(),
                       area.height() - alturaTitulo - 10 * escala);
    const qreal alturaLinha = qMin(corpo.height() / linhas, 110 * escala);
    const qreal larguraCpu = corpo.width() * 0.12;
    const QRectF cpu(corpo.left(), corpo.top(), larguraCpu, alturaLinha * linhas);

    QPen contorno(Qt::black, 1.2 * escala);
    p.setPen(contorno);
    p.setBrush(QColor(0xEE, 0xEE, 0xF6));
    p.drawRect(cpu);
    QFont normal(QString::fromLatin1(FonteTexto));
    normal.setPointSizeF(9);
    normal.setBold(true);
    p.setFont(normal);
    p.drawText(cpu, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("SoC\n(I2C master)"));

    QFont pequeno(QString::fromLatin1(FonteTexto));
    pequeno.setPointSizeF(7);
    const int porLinha = ModuloI2C::Indicadores;
    const qreal inicio = cpu.right() + 40 * escala;
    const qreal espaco = 6 * escala;
    const qreal larguraCaixa = (corpo.right() - inicio - espaco * (porLinha - 1)) / porLinha;

    for (int i = 0; i < modelo.barramentos.size(); ++i) {
        const BarramentoI2c& b = modelo.barramentos[i];
        const qreal topo = corpo.top() + i * alturaLinha;
        const qreal yLinha = topo + 16 * escala;
        QPen linha(b.varrido ? Qt::black : Qt::gray, 1.6 * escala, b.varrido ? Qt::SolidLine : Qt::DashLine);
        p.setPen(linha);
        p.drawLine(QPointF(cpu.right(), yLinha), QPointF(corpo.right(), yLinha));
        p.setFont(normal);
        p.setPen(Qt::black);
        p.drawText(QRectF(cpu.right() + 3 * escala, topo, 200 * escala, 14 * escala), Qt::AlignLeft | Qt::AlignBottom,
                   b.varrido ? QStringLiteral("I2C %1").arg(b.numero)
                             : QStringLiteral("I2C %1 (not scanned)").arg(b.numero));
        p.setFont(pequeno);
        if (b.dispositivos.isEmpty()) {
            p.setPen(Qt::darkGray);
            p.drawText(QRectF(inicio, yLinha + 4 * escala, corpo.right() - inicio, 14 * escala),
                       Qt::AlignLeft | Qt::AlignTop, QStringLiteral("no expected devices"));
            continue;
        }
        const qreal topoCaixa = yLinha + 14 * escala;
        const qreal alturaCaixa = alturaLinha - (topoCaixa - topo) - 8 * escala;
        for (int k = 0; k < b.dispositivos.size(); ++k) {
            const DispositivoI2c& d = b.dispositivos[k];
            // Devices beyond one row share the last column's place, drawn smaller below.
            const int coluna = k % porLinha;
            const qreal x = inicio + coluna * (larguraCaixa + espaco);
            const int fileira = k / porLinha;
            const qreal alturaFileira = alturaCaixa / (1 + (b.dispositivos.size() - 1) / porLinha);
            const QRectF caixa(x, topoCaixa + fileira * alturaFileira, larguraCaixa, alturaFileira - 2 * escala);
            p.setPen(QPen(Qt::black, 0.8 * escala));
            if (fileira == 0)
                p.drawLine(QPointF(x + larguraCaixa / 2, yLinha), QPointF(x + larguraCaixa / 2, caixa.top()));
            p.setBrush(QColor(0xFF, 0xFF, 0xF0));
            p.drawRect(caixa);
            const QString texto = QStringLiteral("%1\n%2  %3").arg(d.nome, d.endereco,
                                                                   d.designador.isEmpty() ? QStringLiteral("—") : d.designador);
            p.drawText(caixa.adjusted(3 * escala, 2 * escala, -3 * escala, -2 * escala),
                       Qt::AlignCenter | Qt::TextWordWrap, texto);
        }
    }
    p.setBrush(Qt::NoBrush);
}

} // namespace

bool EscrevePdf(const QString& caminho, const QString& titulo, QTextDocument& documento, const QString& versao,
                const FamiliaI2c* familia, QString* erro)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        if (erro)
            *erro = arquivo.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&arquivo);
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("Vexador Tarrim %1").arg(versao));

        const QRect pagina = pdf.pageLayout().paintRectPixels(pdf.resolution());
        const qreal escala = pdf.resolution() / 72.0;
        const qreal alturaRodape = 20 * escala;
        const QSizeF corpo(pagina.width(), pagina.height() - alturaRodape);

        documento.documentLayout()->setPaintDevice(&pdf);
        documento.setPageSize(corpo);
        MantemParagrafosInteiros(documento, corpo.height());

        QPainter p;
        if (!p.begin(&pdf)) {
            if (erro)
                *erro = QStringLiteral("cannot paint on %1").arg(caminho);
            arquivo.cancelWriting();
            return false;
        }
        QFont fonteRodape(QString::fromLatin1(FonteTexto));
        fonteRodape.setPointSizeF(7.5);
        int numero = 0;
        auto novaPagina = [&] {
            if (numero > 0)
                pdf.newPage();
            ++numero;
        };
        auto rodape = [&] {
            p.save();
            p.setFont(fonteRodape);
            p.setPen(Qt::darkGray);
            p.drawText(QRectF(0, corpo.height(), corpo.width(), alturaRodape), Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("Vexador Tarrim %1 — %2 — %3").arg(versao, titulo).arg(numero));
            p.restore();
        };
        // The layout runs lazily; the page count is only final once the last block is placed.
        documento.documentLayout()->blockBoundingRect(documento.lastBlock());
        const int paginasTexto = documento.pageCount();
        for (int i = 0; i < paginasTexto; ++i) {
            novaPagina();
            p.save();
            p.translate(0, -i * corpo.height());
            documento.drawContents(&p, QRectF(0, i * corpo.height(), corpo.width(), corpo.height()));
            p.restore();
            rodape();
        }
        if (familia) {
            for (const ModeloI2c& m : familia->modelos) {
                novaPagina();
                desenhaBarramentos(p, QRectF(QPointF(0, 0), corpo), m);
                rodape();
            }
        }
        p.end();
    }
    if (!arquivo.commit()) {
        if (erro)
            *erro = arquivo.errorString();
        return false;
    }
    return true;
}

} // namespace Documentos
