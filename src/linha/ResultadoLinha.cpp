#include "linha/ResultadoLinha.h"

#include "linha/OpcoesLinha.h"

#include <QJsonArray>

namespace Linha {

namespace {

QJsonValue caminho(const QString& c)
{
    return c.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(c);
}

QJsonObject item(const ItemDiagnostico& i)
{
    return {{"subsistema", i.subsistema},
            {"item", i.item},
            {"leitura", i.leitura},
            {"referencia", i.referencia},
            {"veredito", NomeVeredito(i.veredito)},
            {"desvio", i.desvio ? QJsonValue(*i.desvio) : QJsonValue(QJsonValue::Null)}};
}

QJsonArray itens(const QList<ItemDiagnostico>& lista)
{
    QJsonArray r;
    for (const ItemDiagnostico& i : lista)
        r.append(item(i));
    return r;
}

QJsonObject contagem(const Contagem& c)
{
    return {{NomeVeredito(Veredito::Passa), c.passa},
            {NomeVeredito(Veredito::Falha), c.falha},
            {NomeVeredito(Veredito::NaoMensuravel), c.naoMensuravel},
            {NomeVeredito(Veredito::SemLeitura), c.semLeitura},
            {NomeVeredito(Veredito::NaoGraduado), c.naoGraduado}};
}

QString nomeFim(FimPasso f)
{
    switch (f) {
    case FimPasso::Respondido: return QStringLiteral("respondido");
    case FimPasso::SemResposta: return QStringLiteral("semresposta");
    case FimPasso::NaoExecutado: break;
    }
    return QStringLiteral("naoexecutado");
}

} // namespace

int SaidaDaExecucao(const ExecucaoDiagnostico& e)
{
    if (!e.completa)
        return Incompleto;
    switch (VereditoDaExecucao(e)) {
    case Veredito::Passa: return Passou;
    case Veredito::Falha: return Falhou;
    default: return Incompleto;
    }
}

QJsonObject ResultadoJson(const ExecucaoDiagnostico& e, const std::optional<ExecucaoDiagnostico>& anterior,
                          const QString& notaAnterior, const Publicacao& publicacao)
{
    Contagem total;
    QJsonArray subsistemas;
    for (const Contagem& c : e.contagens()) {
        QJsonObject o = contagem(c);
        o.insert(QStringLiteral("subsistema"), c.subsistema);
        subsistemas.append(o);
        total.passa += c.passa;
        total.falha += c.falha;
        total.naoMensuravel += c.naoMensuravel;
        total.semLeitura += c.semLeitura;
        total.naoGraduado += c.naoGraduado;
    }
    QJsonArray passos;
    for (const ResultadoPasso& p : e.passos)
        passos.append(QJsonObject{{"subsistema", p.subsistema},
                                  {"titulo", p.titulo},
                                  {"comando", p.comando},
                                  {"fim", nomeFim(p.fim)},
                                  {"veredito", NomeVeredito(VereditoDoPasso(p))}});
    QJsonObject r{{"modelo", e.modelo},
                  {"numero", e.numero},
                  {"etiqueta", e.etiqueta},
                  {"inicio", e.inicio.toOffsetFromUtc(e.inicio.offsetFromUtc()).toString(Qt::ISODateWithMs)},
                  {"duracaoMs", e.duracaoMs},
                  {"completa", e.completa},
                  {"interrupcao", e.interrupcao},
                  {"saida", SaidaDaExecucao(e)},
                  {"resumo", ResumoExecucao(e)},
                  {"passos", passos},
                  {"itens", itens(e.itens())},
                  {"contagens", contagem(total)},
                  {"subsistemas", subsistemas},
                  {"pagina", caminho(publicacao.pagina)},
                  {"pdf", caminho(publicacao.pdf)},
                  {"historico", caminho(publicacao.historico)}};
    if (anterior) {
        const Mudancas m = ComparaExecucoes(*anterior, e);
        r.insert(QStringLiteral("anterior"),
                 QJsonObject{{"inicio", anterior->inicio.toOffsetFromUtc(anterior->inicio.offsetFromUtc()).toString(Qt::ISODateWithMs)},
                             {"completa", anterior->completa},
                             {"nota", notaAnterior}});
        r.insert(QStringLiteral("consertados"), itens(m.consertados));
        r.insert(QStringLiteral("novasFalhas"), itens(m.novasFalhas));
    } else {
        r.insert(QStringLiteral("anterior"), QJsonValue(QJsonValue::Null));
        r.insert(QStringLiteral("consertados"), QJsonArray());
        r.insert(QStringLiteral("novasFalhas"), QJsonArray());
    }
    return r;
}

} // namespace Linha
