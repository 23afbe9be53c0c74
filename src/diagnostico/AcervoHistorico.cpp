#include "diagnostico/AcervoHistorico.h"

#include "i18n/Dicionario.h"
#include "rails/VereditoTrilha.h"
#include "reports/ArquivoRelatorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

const QString Execucoes = QStringLiteral("execucoes");

LinhaHistorico linhaDe(const ExecucaoDiagnostico& e, const QString& arquivo, int indice)
{
    LinhaHistorico l{arquivo, indice, e.modelo, e.numero, e.etiqueta, e.inicio, e.duracaoMs, e.completa,
                     VereditoDaExecucao(e)};
    for (const ResultadoPasso& p : e.passos)
        for (const ItemDiagnostico& i : p.itens)
            switch (i.veredito) {
            case Veredito::Passa: ++l.passa; break;
            case Veredito::Falha: ++l.falha; break;
            case Veredito::SemLeitura: ++l.semLeitura; break;
            default: ++l.outros; break;
            }
    for (const Falha& f : AgrupaFalhas(e))
        if (f.veredito == Veredito::Falha)
            l.falhas << f.nome;
    return l;
}

// The runs array of a history file, or why it is not one.
std::optional<QJsonArray> execucoesDoArquivo(const QString& arquivo, ArquivoDanificado* motivo = nullptr)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        if (motivo)
            *motivo = {arquivo, QString(), {f.errorString()}};
        return std::nullopt;
    }
    QJsonParseError falha;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &falha);
    if (falha.error != QJsonParseError::NoError) {
        if (motivo)
            *motivo = {arquivo, QStringLiteral("HIST_JSON_INVALIDO"), {falha.errorString(), QString::number(falha.offset)}};
        return std::nullopt;
    }
    if (!doc.object().value(Execucoes).isArray()) {
        if (motivo)
            *motivo = {arquivo, QStringLiteral("HIST_SEM_EXECUCOES"), {}};
        return std::nullopt;
    }
    return doc.object().value(Execucoes).toArray();
}

} // namespace

QString ArquivoDanificado::motivo() const
{
    if (chave.isEmpty())
        return argumentos.value(0);
    // In one pass: a system's message holding "%1" stays as it is.
    switch (argumentos.size()) {
    case 0: return L(chave);
    case 1: return L(chave).arg(argumentos.at(0));
    default: return L(chave).arg(argumentos.at(0), argumentos.at(1));
    }
}

Historico LeHistorico(const QString& pasta, const std::atomic_bool* desistir)
{
    Historico h;
    const QDir dir(pasta);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (desistir && *desistir)
            break;
        const QString arquivo = fi.absoluteFilePath();
        if (fi.fileName().contains(QLatin1String(".json.danificado"))) {
            h.danificados << ArquivoDanificado{arquivo, QStringLiteral("HIST_POSTO_DE_LADO"), {}};
            continue;
        }
        if (!fi.fileName().endsWith(QLatin1String(".json")))
            continue;
        ArquivoDanificado motivo;
        const auto execucoes = execucoesDoArquivo(arquivo, &motivo);
        if (!execucoes) {
            h.danificados << motivo;
            continue;
        }
        // One record that is not a run costs only itself: the file's other runs are listed.
        QStringList ilegiveis;
        for (qsizetype k = 0; k < execucoes->size(); ++k) {
            const auto e = DeJson(execucoes->at(k).toObject());
            if (e)
                h.execucoes << linhaDe(*e, arquivo, int(k));
            else
                ilegiveis << QString::number(k + 1);
        }
        if (!ilegiveis.isEmpty())
            h.danificados << ArquivoDanificado{arquivo, QStringLiteral("HIST_EXECUCOES_ILEGIVEIS"),
                                               {ilegiveis.join(QStringLiteral(", "))}};
    }
    // Newest first; runs without a date last, in file order.
    std::stable_sort(h.execucoes.begin(), h.execucoes.end(), [](const LinhaHistorico& a, const LinhaHistorico& b) {
        if (a.inicio.isValid() != b.inicio.isValid())
            return a.inicio.isValid();
        return a.inicio > b.inicio;
    });
    return h;
}

std::optional<ExecucaoDiagnostico> LeExecucao(const LinhaHistorico& l)
{
    const auto execucoes = execucoesDoArquivo(l.arquivo);
    if (!execucoes || l.indice < 0 || l.indice >= execucoes->size())
        return std::nullopt;
    auto e = DeJson(execucoes->at(l.indice).toObject());
    // The file changed since it was listed (another run appended is harmless; anything else
    // would give another board's run).
    if (!e || e->modelo != l.modelo || e->numero != l.numero || e->etiqueta != l.etiqueta || e->inicio != l.inicio)
        return std::nullopt;
    return e;
}

bool MesmaPlaca(const LinhaHistorico& a, const LinhaHistorico& b)
{
    return a.modelo == b.modelo && a.numero == b.numero && a.etiqueta == b.etiqueta;
}

bool Atende(const LinhaHistorico& l, const CriterioHistorico& c)
{
    if (!c.modelo.isEmpty() && l.modelo != c.modelo)
        return false;
    if (c.veredito && l.veredito != *c.veredito)
        return false;
    if (c.desde.isValid() && !(l.inicio.isValid() && l.inicio >= c.desde))
        return false;
    if (c.ate.isValid() && !(l.inicio.isValid() && l.inicio < c.ate))
        return false;
    return c.etiqueta.isEmpty() || l.etiqueta.contains(c.etiqueta, Qt::CaseInsensitive);
}

QString TextoContagens(const LinhaHistorico& l)
{
    QStringList partes;
    for (const auto& [n, v] : {std::pair{l.passa, Veredito::Passa}, std::pair{l.falha, Veredito::Falha},
                               std::pair{l.semLeitura, Veredito::SemLeitura}})
        if (n > 0)
            partes << QString::number(n) + QLatin1Char(' ') + MarcaVeredito(v);
    return partes.join(QStringLiteral("  "));
}

namespace {

QString campoCsv(QString t, bool digitado)
{
    if (digitado && !t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.at(0)))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n'))
        || t.contains(QLatin1Char('\r'))) {
        t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        t = QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t;
}

} // namespace

QByteArray CsvHistorico(const QList<LinhaHistorico>& linhas)
{
    QString csv;
    const QStringList cabecalho{L(QStringLiteral("DIAG_ETIQUETA_CURTA")), L(QStringLiteral("Modelo")),
                                L(QStringLiteral("HIST_NUMERO")),         L(QStringLiteral("DIAG_DATA")),
                                L(QStringLiteral("HIST_DURACAO_S")),      L(QStringLiteral("HIST_VEREDITO")),
                                L(QStringLiteral("HIST_COMPLETA")),       TextoVeredito(Veredito::Passa),
                                TextoVeredito(Veredito::Falha),           TextoVeredito(Veredito::SemLeitura),
                                L(QStringLiteral("DIAG_FALHAS"))};
    QStringList campos;
    for (const QString& c : cabecalho)
        campos << campoCsv(c, false);
    csv += campos.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const LinhaHistorico& l : linhas) {
        campos = {campoCsv(l.etiqueta, true),
                  campoCsv(l.modelo, true),
                  campoCsv(l.numero, true),
                  l.inicio.toString(Qt::ISODate),
                  QString::number(l.duracaoMs / 1000.0, 'f', 1),
                  campoCsv(TextoVeredito(l.veredito), false),
                  campoCsv(L(l.completa ? QStringLiteral("HIST_SIM") : QStringLiteral("HIST_NAO")), false),
                  QString::number(l.passa),
                  QString::number(l.falha),
                  QString::number(l.semLeitura),
                  campoCsv(l.falhas.join(QStringLiteral("; ")), true)};
        csv += campos.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

ComparacaoExecucoes ComparaLadoALado(const ExecucaoDiagnostico& antes, const ExecucaoDiagnostico& depois)
{
    QHash<QString, ItemDiagnostico> anteriores;
    for (const ItemDiagnostico& i : antes.itens())
        anteriores.insert(i.chave(), i);
    ComparacaoExecucoes c;
    QSet<QString> vistos;
    for (const ItemDiagnostico& i : depois.itens()) {
        const QString chave = i.chave();
        const auto it = anteriores.constFind(chave);
        // A rail read by two steps under one key is compared once.
        if (it == anteriores.constEnd() || vistos.contains(chave))
            continue;
        vistos.insert(chave);
        DiferencaItem d{chave, i.item, *it, i, std::nullopt};
        const auto a = ValorDaLeitura(it->leitura), b = ValorDaLeitura(i.leitura);
        if (a && b && a->unidade == b->unidade)
            d.variacao = b->valor - a->valor;
        if (it->veredito != i.veredito)
            c.mudaramVeredito << d;
        else if (d.variacao && *d.variacao != 0)
            c.leiturasMovidas << d;
        else if (!d.variacao && it->leitura != i.leitura)
            c.leiturasMovidas << d; // a text that changed ("COMUNICAÇÃO OFF" to another text)
    }
    // The largest move first, relative to the earlier reading where it is not zero.
    const auto peso = [](const DiferencaItem& d) {
        if (!d.variacao)
            return 0.0;
        const double base = std::abs(ValorDaLeitura(d.antes.leitura)->valor);
        return base > 0 ? std::abs(*d.variacao) / base : std::abs(*d.variacao);
    };
    std::stable_sort(c.leiturasMovidas.begin(), c.leiturasMovidas.end(),
                     [&](const DiferencaItem& x, const DiferencaItem& y) { return peso(x) > peso(y); });
    return c;
}

QList<ItemDiagnostico> ItensComValor(const ExecucaoDiagnostico& e)
{
    QList<ItemDiagnostico> r;
    QSet<QString> vistos;
    for (const ItemDiagnostico& i : e.itens())
        if (ValorDaLeitura(i.leitura) && !vistos.contains(i.chave())) {
            vistos.insert(i.chave());
            r << i;
        }
    return r;
}

QList<PontoTrilha> SerieDaTrilha(const QList<ExecucaoDiagnostico>& execucoes, const QString& chave)
{
    QList<PontoTrilha> r;
    for (const ExecucaoDiagnostico& e : execucoes) {
        for (const ItemDiagnostico& i : e.itens()) {
            if (i.chave() != chave)
                continue;
            const auto v = ValorDaLeitura(i.leitura);
            if (!v)
                break;
            PontoTrilha p{e.inicio, v->valor, std::nullopt, std::nullopt, i.veredito};
            if (const auto limite = LimiteCorrente(i.referencia)) {
                p.minimo = 0.0;
                p.maximo = *limite;
            } else if (const auto ref = ValorDaLeitura(i.referencia); ref && ref->unidade == v->unidade) {
                const double margem = std::abs(ref->valor) * i.tolerancia / 100.0;
                p.minimo = ref->valor - margem;
                p.maximo = ref->valor + margem;
            }
            r << p;
            break;
        }
    }
    std::stable_sort(r.begin(), r.end(), [](const PontoTrilha& a, const PontoTrilha& b) { return a.quando < b.quando; });
    return r;
}

QList<ContagemFalha> FalhasMaisFrequentes(const QList<LinhaHistorico>& linhas, const QString& modelo,
                                          CriterioHistorico c, int quantas)
{
    c.modelo = modelo;
    QHash<QString, int> contagem;
    for (const LinhaHistorico& l : linhas)
        if (Atende(l, c))
            for (const QString& nome : l.falhas)
                ++contagem[nome];
    QList<ContagemFalha> r;
    for (auto it = contagem.cbegin(); it != contagem.cend(); ++it)
        r << ContagemFalha{it.key(), it.value()};
    std::sort(r.begin(), r.end(), [](const ContagemFalha& a, const ContagemFalha& b) {
        return a.execucoes != b.execucoes ? a.execucoes > b.execucoes : a.nome < b.nome;
    });
    if (quantas >= 0 && r.size() > quantas)
        r.resize(quantas);
    return r;
}

QList<std::pair<LinhaHistorico, ExecucaoDiagnostico>> ExecucoesDaPlaca(const QList<LinhaHistorico>& linhas,
                                                                        const LinhaHistorico& l)
{
    QHash<QString, std::optional<QJsonArray>> arquivos;
    QList<std::pair<LinhaHistorico, ExecucaoDiagnostico>> r;
    for (const LinhaHistorico& outra : linhas) {
        if (!MesmaPlaca(outra, l))
            continue;
        auto it = arquivos.find(outra.arquivo);
        if (it == arquivos.end()) {
            it = arquivos.insert(outra.arquivo, execucoesDoArquivo(outra.arquivo));
        }
        if (!*it || outra.indice >= (*it)->size())
            continue;
        const auto e = DeJson((*it)->at(outra.indice).toObject());
        if (e && e->modelo == outra.modelo && e->numero == outra.numero && e->etiqueta == outra.etiqueta
            && e->inicio == outra.inicio)
            r.append({outra, *e});
    }
    std::stable_sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.second.inicio < b.second.inicio; });
    return r;
}

QString PaginaDaExecucao(const ExecucaoDiagnostico& e, const QString& pastaRelatorios)
{
    if (!e.inicio.isValid())
        return {};
    const QDir pasta(pastaRelatorios);
    const QDateTime fim = e.inicio.addMSecs(e.duracaoMs);
    // The nearest second first: the page is named by the clock read as the run ended.
    for (int d : {0, 1, -1, 2, -2, 3}) {
        const QString arquivo = pasta.absoluteFilePath(
            NomeArquivoRelatorio(e.modelo, e.numero, QStringLiteral("Diagnostico"), fim.addSecs(d)));
        if (QFileInfo::exists(arquivo))
            return arquivo;
    }
    return {};
}
