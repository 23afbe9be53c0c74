#include "diagnostico/ResultadoDiagnostico.h"

#include "i18n/Dicionario.h"

#include <QRegularExpression>
#include <QHash>
#include <QLocale>
#include <QJsonArray>

QList<ItemDiagnostico> ExecucaoDiagnostico::itens() const
{
    QList<ItemDiagnostico> r;
    for (const ResultadoPasso& p : passos)
        r += p.itens;
    return r;
}

bool ContaComoFalha(Veredito v)
{
    return v == Veredito::Falha || v == Veredito::SemLeitura;
}

Veredito VereditoDoPasso(const ResultadoPasso& r)
{
    if (r.fim == FimPasso::SemResposta)
        return Veredito::SemLeitura;
    Veredito melhor = Veredito::NaoGraduado;
    bool semLeitura = false;
    for (const ItemDiagnostico& i : r.itens) {
        if (i.veredito == Veredito::Falha)
            return Veredito::Falha;
        semLeitura = semLeitura || i.veredito == Veredito::SemLeitura;
        if (i.veredito == Veredito::Passa || (i.veredito == Veredito::NaoMensuravel && melhor != Veredito::Passa))
            melhor = i.veredito;
    }
    return semLeitura ? Veredito::SemLeitura : melhor;
}

QList<ItemDiagnostico> ExecucaoDiagnostico::falhas() const
{
    QList<ItemDiagnostico> r;
    for (const ResultadoPasso& p : passos)
        for (const ItemDiagnostico& i : p.itens)
            if (ContaComoFalha(i.veredito))
                r << i;
    return r;
}

QList<Contagem> ExecucaoDiagnostico::contagens() const
{
    QList<Contagem> r;
    for (const ResultadoPasso& p : passos) {
        auto it = std::find_if(r.begin(), r.end(), [&](const Contagem& c) { return c.subsistema == p.subsistema; });
        if (it == r.end()) {
            r << Contagem{p.subsistema};
            it = r.end() - 1;
        }
        for (const ItemDiagnostico& i : p.itens) {
            switch (i.veredito) {
            case Veredito::Passa: ++it->passa; break;
            case Veredito::Falha: ++it->falha; break;
            case Veredito::NaoMensuravel: ++it->naoMensuravel; break;
            case Veredito::SemLeitura: ++it->semLeitura; break;
            case Veredito::NaoGraduado: ++it->naoGraduado; break;
            }
        }
    }
    return r;
}

bool ExecucaoDiagnostico::tudoPassou() const
{
    if (!completa)
        return false;
    for (const ResultadoPasso& p : passos)
        if (p.fim != FimPasso::Respondido)
            return false;
    return falhas().isEmpty();
}

QString LinhaFalha(const ItemDiagnostico& i)
{
    QString t = i.item;
    if (!i.leitura.isEmpty())
        t += QLatin1Char(' ') + i.leitura;
    if (!i.referencia.isEmpty()) {
        t += QStringLiteral(", ") + L(QStringLiteral("DIAG_ESPERADO")) + QLatin1Char(' ') + i.referencia;
        if (i.desvio)
            t += QStringLiteral(" \u00B1") + QString::number(i.tolerancia, 'g', 4) + QStringLiteral(" %");
    }
    return t + QStringLiteral(": ") + TextoVeredito(i.veredito);
}

// ---- JSON -------------------------------------------------------------------------------

namespace {

const QStringList& nomesFim()
{
    static const QStringList n{QStringLiteral("respondido"), QStringLiteral("semresposta"),
                               QStringLiteral("naoexecutado")};
    return n;
}

std::optional<Veredito> vereditoDeNome(const QString& nome)
{
    for (Veredito v : {Veredito::Passa, Veredito::Falha, Veredito::NaoMensuravel, Veredito::SemLeitura,
                       Veredito::NaoGraduado})
        if (NomeVeredito(v) == nome)
            return v;
    return std::nullopt;
}

} // namespace

QJsonObject ParaJson(const ExecucaoDiagnostico& e)
{
    QJsonArray passos;
    for (const ResultadoPasso& p : e.passos) {
        QJsonArray itens;
        for (const ItemDiagnostico& i : p.itens) {
            QJsonObject o{{"item", i.item},
                          {"leitura", i.leitura},
                          {"referencia", i.referencia},
                          {"veredito", NomeVeredito(i.veredito)},
                          {"tolerancia", i.tolerancia}};
            if (i.desvio)
                o.insert(QStringLiteral("desvio"), *i.desvio);
            itens.append(o);
        }
        passos.append(QJsonObject{{"subsistema", p.subsistema},
                                  {"titulo", p.titulo},
                                  {"comando", p.comando},
                                  {"fim", nomesFim().at(int(p.fim))},
                                  {"itens", itens}});
    }
    return QJsonObject{{"modelo", e.modelo},
                       {"numero", e.numero},
                       {"etiqueta", e.etiqueta},
                       {"inicio", e.inicio.toString(Qt::ISODateWithMs)},
                       {"duracaoMs", e.duracaoMs},
                       {"completa", e.completa},
                       {"interrupcao", e.interrupcao},
                       {"passos", passos}};
}

std::optional<ExecucaoDiagnostico> DeJson(const QJsonObject& o)
{
    if (!o.value(QStringLiteral("passos")).isArray() || !o.value(QStringLiteral("modelo")).isString())
        return std::nullopt;
    ExecucaoDiagnostico e;
    e.modelo = o.value(QStringLiteral("modelo")).toString();
    e.numero = o.value(QStringLiteral("numero")).toString();
    e.etiqueta = o.value(QStringLiteral("etiqueta")).toString();
    e.inicio = QDateTime::fromString(o.value(QStringLiteral("inicio")).toString(), Qt::ISODateWithMs);
    e.duracaoMs = o.value(QStringLiteral("duracaoMs")).toInteger();
    e.completa = o.value(QStringLiteral("completa")).toBool();
    e.interrupcao = o.value(QStringLiteral("interrupcao")).toString();
    for (const QJsonValue& vp : o.value(QStringLiteral("passos")).toArray()) {
        const QJsonObject po = vp.toObject();
        ResultadoPasso p;
        p.subsistema = po.value(QStringLiteral("subsistema")).toString();
        p.titulo = po.value(QStringLiteral("titulo")).toString();
        p.comando = po.value(QStringLiteral("comando")).toString();
        const qsizetype fim = nomesFim().indexOf(po.value(QStringLiteral("fim")).toString());
        p.fim = fim < 0 ? FimPasso::NaoExecutado : FimPasso(fim);
        for (const QJsonValue& vi : po.value(QStringLiteral("itens")).toArray()) {
            const QJsonObject io = vi.toObject();
            const auto v = vereditoDeNome(io.value(QStringLiteral("veredito")).toString());
            if (!v)
                return std::nullopt;
            ItemDiagnostico i;
            i.subsistema = p.subsistema;
            i.item = io.value(QStringLiteral("item")).toString();
            i.leitura = io.value(QStringLiteral("leitura")).toString();
            i.referencia = io.value(QStringLiteral("referencia")).toString();
            i.veredito = *v;
            i.tolerancia = io.value(QStringLiteral("tolerancia")).toDouble(ToleranciaPadrao);
            if (io.value(QStringLiteral("desvio")).isDouble())
                i.desvio = io.value(QStringLiteral("desvio")).toDouble();
            p.itens << i;
        }
        e.passos << p;
    }
    return e;
}

Mudancas ComparaExecucoes(const ExecucaoDiagnostico& anterior, const ExecucaoDiagnostico& atual)
{
    QHash<QString, Veredito> antes;
    for (const ItemDiagnostico& i : anterior.itens())
        antes.insert(i.chave(), i.veredito);
    Mudancas m;
    for (const ItemDiagnostico& i : atual.itens()) {
        const auto it = antes.constFind(i.chave());
        // An item one of the runs did not read tells nothing about a repair.
        if (it == antes.constEnd())
            continue;
        const bool falhavaAntes = ContaComoFalha(*it);
        const bool falhaAgora = ContaComoFalha(i.veredito);
        if (falhavaAntes && i.veredito == Veredito::Passa)
            m.consertados << i;
        else if (*it == Veredito::Passa && falhaAgora)
            m.novasFalhas << i;
    }
    return m;
}

QString NotaAnterior(const ExecucaoDiagnostico& anterior, const ExecucaoDiagnostico& ultima)
{
    if (ultima.completa)
        return {};
    const auto data = [](const ExecucaoDiagnostico& e) { return QLocale::system().toString(e.inicio, QLocale::ShortFormat); };
    if (!anterior.completa)
        return L(QStringLiteral("DIAG_ANTERIOR_PARCIAL")).arg(data(anterior));
    return L(QStringLiteral("DIAG_ANTERIOR_COMPLETA")).arg(data(anterior), data(ultima));
}

QString NomeDaFalha(const ItemDiagnostico& i)
{
    QString nome = i.item.startsWith(QLatin1String("mA ")) ? i.item.mid(3) : i.item;
    // The VCore grid numbers its rails ("1. PP_CPU"): the buck grid's "PP_CPU" is the same rail.
    static const QRegularExpression numeroDaLinha(QStringLiteral("^\\d+\\.\\s+"));
    return nome.remove(numeroDaLinha);
}

QList<Falha> AgrupaFalhas(const ExecucaoDiagnostico& e)
{
    QList<Falha> r;
    QHash<QString, qsizetype> indice;
    const auto junta = [&](const QString& nome, const ItemDiagnostico& i) {
        qsizetype k = indice.value(nome, -1);
        if (k < 0) {
            k = r.size();
            indice.insert(nome, k);
            r << Falha{nome, Veredito::SemLeitura, {}, {}};
        }
        Falha& f = r[k];
        f.leituras << i;
        if (i.veredito == Veredito::Falha)
            f.veredito = Veredito::Falha;
        if (!f.subsistemas.contains(i.subsistema))
            f.subsistemas << i.subsistema;
    };
    for (const ResultadoPasso& p : e.passos) {
        if (p.fim == FimPasso::SemResposta && p.itens.isEmpty())
            junta(p.titulo, ItemDiagnostico{p.subsistema, p.titulo, QString(), QString(), Veredito::SemLeitura});
        for (const ItemDiagnostico& i : p.itens)
            if (ContaComoFalha(i.veredito))
                junta(NomeDaFalha(i), i);
    }
    return r;
}

namespace {

struct Totais {
    int falhas = 0, semLeitura = 0;
};

Totais totais(const ExecucaoDiagnostico& e)
{
    Totais t;
    for (const Falha& f : AgrupaFalhas(e))
        ++(f.veredito == Veredito::Falha ? t.falhas : t.semLeitura);
    return t;
}

} // namespace

QString ResumoExecucao(const ExecucaoDiagnostico& e)
{
    const Totais t = totais(e);
    QStringList partes;
    if (t.falhas > 0)
        partes << (t.falhas == 1 ? L(QStringLiteral("DIAG_UMA_FALHA")) : L(QStringLiteral("DIAG_N_FALHAS")).arg(t.falhas));
    if (t.semLeitura > 0)
        partes << L(QStringLiteral("DIAG_N_SEM_LEITURA")).arg(t.semLeitura);
    const QString contas = partes.join(QStringLiteral(" \u00B7 "));
    if (!e.completa) {
        QString r = L(QStringLiteral("DIAG_PARCIAL"));
        if (!e.interrupcao.isEmpty())
            r += QStringLiteral(": ") + e.interrupcao;
        return contas.isEmpty() ? r : r + QStringLiteral(" \u2014 ") + contas;
    }
    if (t.falhas > 0)
        return contas;
    if (t.semLeitura > 0)
        return L(QStringLiteral("DIAG_INCOMPLETO")) + QStringLiteral(": ") + contas;
    return L(QStringLiteral("DIAG_TUDO_PASSOU"));
}

Veredito VereditoDaExecucao(const ExecucaoDiagnostico& e)
{
    const Totais t = totais(e);
    if (t.falhas > 0)
        return Veredito::Falha;
    if (!e.completa || t.semLeitura > 0)
        return Veredito::SemLeitura;
    return Veredito::Passa;
}

DescricaoPasso DescrevePasso(const ResultadoPasso& r)
{
    DescricaoPasso d;
    QStringList falhas, semLeitura;
    for (const ItemDiagnostico& i : r.itens)
        if (ContaComoFalha(i.veredito)) {
            (i.veredito == Veredito::Falha ? falhas : semLeitura) << i.item;
            d.linhas << LinhaFalha(i);
        }
    for (const auto& [nomes, veredito] : {std::pair{&falhas, Veredito::Falha}, std::pair{&semLeitura, Veredito::SemLeitura}})
        if (!nomes->isEmpty())
            d.sufixo += QStringLiteral(" \u2014 ") + TextoVeredito(veredito) + QStringLiteral(": ") + nomes->join(QStringLiteral(", "));
    if (d.linhas.isEmpty() && r.fim == FimPasso::SemResposta)
        d.sufixo += QStringLiteral(" \u2014 ") + L(QStringLiteral("DIAG_PASSO_SEM_RESPOSTA"));
    return d;
}

QString ResumoComAnterior(const ExecucaoDiagnostico& e, const std::optional<ExecucaoDiagnostico>& anterior,
                          const QString& notaAnterior)
{
    QString estado = ResumoExecucao(e);
    if (anterior) {
        const Mudancas m = ComparaExecucoes(*anterior, e);
        estado += QStringLiteral("\n%1: %2   %3: %4")
                      .arg(L(QStringLiteral("DIAG_CONSERTADOS")))
                      .arg(m.consertados.size())
                      .arg(L(QStringLiteral("DIAG_NOVAS_FALHAS")))
                      .arg(m.novasFalhas.size());
        if (!notaAnterior.isEmpty())
            estado += QLatin1Char('\n') + notaAnterior;
    }
    return estado;
}
