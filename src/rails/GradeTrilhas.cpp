#include "rails/GradeTrilhas.h"

#include "db/Banco.h"
#include "db/Combos.h"
#include "i18n/Dicionario.h"
#include "rails/LeituraAdc.h"
#include "rails/TextosLeitura.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/PerfilModelo.h"
#include "rails/VereditoTrilha.h"

#include <QSqlError>
#include <QLocale>
#include <QSqlRecord>
#include <cmath>

namespace {

// DAO's generic error number: database failures have no number of their own here.
constexpr int ErroBanco = 3000;

QString campo(const QSqlRecord& r, const char* nome)
{
    return r.value(QLatin1String(nome)).toString();
}

} // namespace

bool ModeloNovo(const QString& modelo)
{
    return PerfilModelo::de(modelo).novo;
}

QString TextoNotaVar(const QString& modelo, VarianteGrade variante)
{
    QString t = L(ModeloNovo(modelo) ? QStringLiteral("VAR4") : QStringLiteral("VAR3"));
    if (variante == VarianteGrade::Pmu)
        t += QStringLiteral(" ** ") + L(QStringLiteral("Sem Medição")).toUpper();
    return t;
}

// ---- Queries ---------------------------------------------------------------------------

QString ConsultaMaster::sql() const
{
    QString s = QStringLiteral("Select * from Master Where ") + condicao;
    if (!ordem.isEmpty())
        s += QStringLiteral(" order by ") + ordem;
    return s;
}

QSqlQuery ConsultaMaster::executa(const QSqlDatabase& db) const
{
    QSqlQuery q(db);
    Banco::preparaEExecuta(q, sql(), valores);
    return q;
}

QSqlQuery ConsultaMaster::executaNaVista(const QString& caminho) const
{
    return executa(Banco::conexaoVista(caminho));
}

ConsultaMaster ConsultaGrade(const QString& modelo, int familia, const QString& ordem)
{
    return {QStringLiteral("modelo = ? and TIPO = ?"), ordem, {modelo, familia}};
}

ConsultaMaster ConsultaGradeIc(const QString& modelo, int familia, const QString& ic,
                               bool comIcAntesDoTipo)
{
    const QString padrao = Banco::curinga(QStringLiteral("*") + ic + QStringLiteral("*"));
    if (comIcAntesDoTipo)
        return {QStringLiteral("modelo = ? and Ci like ? and TIPO = ?"),
                QStringLiteral("Modelo, Malha"), {modelo, padrao, familia}};
    return {QStringLiteral("modelo = ? and TIPO = ? AND Ci like ?"), QStringLiteral("Modelo, Malha"),
            {modelo, familia, padrao}};
}

ConsultaMaster ConsultaRailsNand(const QString& modelo)
{
    return {QStringLiteral("modelo = ? and Ci like ?"), QStringLiteral("Malha"),
            {modelo, Banco::curinga(QStringLiteral("*NAND*"))}};
}

ConsultaMaster ConsultaGraduacao(const QString& modelo, int familia, const QString& extra)
{
    return {QStringLiteral("modelo = ? and RefT <> '' and TIPO = ?") + extra,
            QStringLiteral("Modelo, Orig"), {modelo, familia}};
}

ConsultaMaster ConsultaOrdenada(VarianteGrade variante, const QString& modelo, int familia,
                                Ordenacao ordenacao)
{
    const QString nome = variante == VarianteGrade::VCore ? QStringLiteral("Malha") : QStringLiteral("Orig");
    QString ordem;
    switch (ordenacao) {
    case Ordenacao::Malha: ordem = QStringLiteral("Modelo, ") + nome; break;
    case Ordenacao::Ic: ordem = QStringLiteral("CI, ") + nome; break;
    case Ordenacao::Porc: ordem = QStringLiteral("Porc desc"); break;
    }
    return ConsultaGrade(modelo, familia, ordem);
}

// ---- Grading ---------------------------------------------------------------------------

bool NaoMensuravel(VarianteGrade variante, const QString& modelo, const LinhaMaster& linha)
{
    const bool novo = ModeloNovo(modelo);
    const QString malha = RemoveEspacos(linha.malha);
    const QString orig = RemoveEspacos(linha.orig);
    const QString ci = RemoveEspacos(linha.ci);

    if (variante == VarianteGrade::VCore)
        return (novo && malha == QLatin1String("mABUCK0")) || orig == QLatin1String("Buck1")
            || orig == QLatin1String("Buck8");

    if (novo && orig == QLatin1String("mABuck0"))
        return true;
    if (orig == QLatin1String("Buck1") || orig == QLatin1String("Buck8")
        || orig == QLatin1String("mABuck1") || orig == QLatin1String("mABuck8"))
        return true;
    return variante == VarianteGrade::BuckLdo && ci == QLatin1String("CAM");
}

bool SemValorEmModoPurple(const QString& modelo, const LinhaMaster& linha)
{
    return NaoMensuravel(VarianteGrade::VCore, modelo, linha)
        || NaoMensuravel(VarianteGrade::BuckLdo, modelo, linha);
}

Veredito VereditoLinha(const QString& modelo, const LinhaMaster& linha, const QString& leitura,
                       const QString& porc, const QString& ref, double tolerancia)
{
    if (leitura.isEmpty())
        return Veredito::NaoGraduado;
    if (SemValorEmModoPurple(modelo, linha))
        return Veredito::NaoMensuravel;
    return VereditoTrilha(leitura, porc, linha.refV, ref, tolerancia);
}

ItemGraduado ItemDaTrilha(const TrilhaGraduada& t, double tolerancia)
{
    ItemGraduado i{t.malha.isEmpty() ? t.orig : t.malha, t.leitura, t.ref, t.veredito, std::nullopt, tolerancia};
    // Only a voltage has a deviation to draw against the band; a current has a limit.
    if (!LimiteCorrente(t.ref) && (t.veredito == Veredito::Passa || t.veredito == Veredito::Falha)) {
        QString p = t.porc;
        p.remove(QLatin1Char('%'));
        p = p.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double d = p.toDouble(&ok);
        if (ok)
            i.desvio = d;
    }
    return i;
}

LinhaGraduada GradaLinha(VarianteGrade variante, const QString& modelo, const LinhaMaster& linha,
                         const QString& resposta, int casasV, int casasA, int idioma)
{
    LinhaGraduada r;
    const bool pmu = variante == VarianteGrade::Pmu;

    QString texto;
    LeituraAdc leitura;
    if (NaoMensuravel(variante, modelo, linha)) {
        texto = QStringLiteral("*");
    } else {
        const QString rotulo = RotuloAdc(linha.refT);
        if (rotulo.isEmpty())
            r.codigoDesconhecido = linha.refT;
        leitura = ExtraiLeituraAdc(resposta, rotulo, idioma);
        texto = leitura.texto;
    }
    const LeituraAdc::Unidade unidade = leitura.unidade;
    // The program's own markers ("*", "*Sem Medição") are told apart from what the phone
    // printed: a phone's "*787.000" is a word, never "not measurable".
    bool propria = !leitura.encontrada();
    // A word the phone printed is shown as printed, with its unit and no percentage.
    const bool palavra = !propria && !NumeroImpresso(leitura.impresso);

    if (propria) {
        if (!linha.refV.isEmpty())
            r.porc = QStringLiteral("0 %");
    } else {
        if (palavra)
            texto = leitura.impresso;
        if (linha.refV == QLatin1String("0")) {
            r.porc = QStringLiteral("0 %");
        } else if (!linha.refV.isEmpty()) {
            const Porcentagem p = CalculaPorcentagem(texto, linha.refV);
            if (p.ok())
                r.porc = p.texto + QStringLiteral(" %");
            // otherwise the percentage stays empty and the row's verdict tells why
        }
        texto += unidade == LeituraAdc::Unidade::Volts ? QStringLiteral(" V") : QStringLiteral(" mA");
    }

    if (texto.size() >= 4 && texto.contains(QLatin1String("tim"))) {
        texto = pmu ? QStringLiteral("**") : MarcaSemMedicao(idioma);
        propria = true;
    }

    if (!propria && !palavra && texto != QLatin1String("0 V") && unidade == LeituraAdc::Unidade::Volts)
        texto = TextoVolts(leitura.texto, casasV);

    if (!propria && !palavra && unidade == LeituraAdc::Unidade::Miliamperes)
        texto = TextoMiliamperes(leitura.impresso, casasA);

    r.leitura = texto;
    return r;
}

namespace {
bool zera(Banco& banco)
{
    return banco.executa(QStringLiteral("Update Master set Leitura = '', Porc = ''"));
}
} // namespace

bool ZeraLeituras(const QString& caminho)
{
    Banco banco(caminho);
    return zera(banco);
}

ResultadoGrade GradaLeitura(const QString& caminho, VarianteGrade variante, const QString& modelo, int familia,
                            const QString& resposta, int casasV, int casasA, double tolerancia,
                            bool anotaVereditos)
{
    ResultadoGrade resultado;
    const bool pmu = variante == VarianteGrade::Pmu;
    if (!pmu) {
        if (resposta.isEmpty())
            return resultado;
        resultado.leituraFeita = true;
    }

    Banco banco(caminho);
    const ConsultaMaster consulta = ConsultaGraduacao(modelo, familia);
    const QList<QSqlRecord> linhas = banco.linhas(
        QStringLiteral("Select rowid AS linha_id, * from Master Where ") + consulta.condicao
            + QStringLiteral(" order by ") + consulta.ordem,
        consulta.valores);
    if (!banco.erro().isEmpty()) {
        resultado.gravada = false;
        resultado.falhaBanco = banco.resultado();
        if (pmu)
            resultado.erro = ErroGrade{ErroBanco, banco.erro()};
        return resultado;
    }

    static const char* const nomesJanela[] = {"VCores", "BuckLdo", "PMU"};
    const QString janela = QLatin1String(nomesJanela[int(variante)]);

    resultado.trilhas.reserve(linhas.size());
    for (const QSqlRecord& rec : linhas) {
        const LinhaMaster linha{campo(rec, "Malha"), campo(rec, "Orig"), campo(rec, "Ci"),
                                campo(rec, "RefV"), campo(rec, "RefT")};
        const LinhaGraduada g = GradaLinha(variante, modelo, linha, resposta, casasV, casasA,
                                           IdiomaAtual());
        if (!g.codigoDesconhecido.isEmpty())
            resultado.codigosDesconhecidos << g.codigoDesconhecido;
        const QString ref = campo(rec, "Ref");
        TrilhaGraduada t{linha.malha, linha.orig, ref, linha.refV, g.leitura, g.porc,
                         VereditoLinha(modelo, linha, g.leitura, g.porc, ref, tolerancia),
                         rec.value(QStringLiteral("linha_id"))};
        if (anotaVereditos)
            AnotaVeredito(janela, pmu ? linha.orig : linha.malha, g.leitura, ref, t.veredito);
        resultado.trilhas.append(std::move(t));
    }
    return resultado;
}

namespace {
// The readings of every row cleared, then these written, inside the caller's transaction.
bool escreveLeituras(Banco& banco, const QList<TrilhaGraduada>& trilhas)
{
    if (!zera(banco))
        return false;
    for (const TrilhaGraduada& t : trilhas)
        if (!banco.executa(QStringLiteral("Update Master set Leitura = ?, Porc = ? where rowid = ?"),
                           {t.leitura, t.porc, t.id}))
            return false;
    return true;
}
} // namespace

void GravaGraduacao(const QString& caminho, VarianteGrade variante, ResultadoGrade& resultado)
{
    if ((variante != VarianteGrade::Pmu && !resultado.leituraFeita) || !resultado.gravada || resultado.erro)
        return;
    Banco banco(caminho);
    // The clearing and the rows are stored together or not at all: a database that keeps
    // part of a reading would mix it with the previous board's.
    if (!banco.executa(QStringLiteral("BEGIN IMMEDIATE"))) {
        resultado.gravada = false;
        resultado.falhaBanco = banco.resultado();
        return;
    }
    if (!escreveLeituras(banco, resultado.trilhas) || !banco.executa(QStringLiteral("COMMIT"))) {
        resultado.gravada = false;
        resultado.falhaBanco = banco.resultado();
        resultado.linhas = 0;
        banco.executa(QStringLiteral("ROLLBACK"));
        return;
    }
    resultado.linhas = int(resultado.trilhas.size());
}

ResultadoGrade ProcessaLeitura(const QString& caminho, VarianteGrade variante, const QString& modelo, int familia,
                               const QString& resposta, int casasV, int casasA, double tolerancia)
{
    ResultadoGrade resultado = GradaLeitura(caminho, variante, modelo, familia, resposta, casasV, casasA, tolerancia);
    GravaGraduacao(caminho, variante, resultado);
    return resultado;
}

QString NomeDaTrilha(VarianteGrade variante, const QString& malha, const QString& orig)
{
    return variante == VarianteGrade::Pmu || malha.trimmed().isEmpty() ? orig : malha;
}

QList<TrilhaDoModelo> TrilhasDoModelo(const QString& caminho, VarianteGrade variante, const QString& modelo, int familia)
{
    QList<TrilhaDoModelo> trilhas;
    Banco banco(caminho);
    const ConsultaMaster consulta = ConsultaGraduacao(modelo, familia);
    const QList<QSqlRecord> linhas = banco.linhas(QStringLiteral("Select * from Master Where ") + consulta.condicao
                                                      + QStringLiteral(" order by ") + consulta.ordem,
                                                  consulta.valores);
    for (const QSqlRecord& rec : linhas) {
        TrilhaDoModelo t;
        t.linha = {campo(rec, "Malha"), campo(rec, "Orig"), campo(rec, "Ci"), campo(rec, "RefV"), campo(rec, "RefT")};
        t.nome = NomeDaTrilha(variante, t.linha.malha, t.linha.orig);
        t.ref = campo(rec, "Ref");
        t.mensuravel = !SemValorEmModoPurple(modelo, t.linha);
        trilhas << t;
    }
    return trilhas;
}

// ---- Decimals --------------------------------------------------------------------------

int CampoDecimaisV(VarianteGrade variante)
{
    switch (variante) {
    case VarianteGrade::VCore: return 1;
    case VarianteGrade::BuckLdo: return 3;
    case VarianteGrade::Pmu: return 5;
    }
    return 1;
}

int CampoDecimaisA(VarianteGrade variante)
{
    return CampoDecimaisV(variante) + 1;
}

std::optional<int> CasasDeTexto(const QString& texto, bool corrente)
{
    static const QStringList volts{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    static const QStringList amperes{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                     QStringLiteral("3")};
    const QStringList& itens = corrente ? amperes : volts;
    if (!itens.contains(texto))
        return std::nullopt;
    return texto.toInt();
}

Decimais CarregaDecimais(const QString& caminho, VarianteGrade variante)
{
    Decimais d;
    Banco banco(caminho);
    const QList<QSqlRecord> linhas = banco.linhas(QStringLiteral("Select * from Combos"));
    if (linhas.isEmpty())
        return d;
    const QSqlRecord& r = linhas.first();
    const auto v = CasasDeTexto(r.value(QStringLiteral("Combo%1").arg(CampoDecimaisV(variante))).toString(), false);
    const auto a = CasasDeTexto(r.value(QStringLiteral("Combo%1").arg(CampoDecimaisA(variante))).toString(), true);
    if (v)
        d.casasV = *v;
    if (a)
        d.casasA = *a;
    return d;
}

bool EscolheDecimais(const QString& caminho, VarianteGrade variante, bool corrente, const QString& texto, Decimais& decimais)
{
    const auto casas = CasasDeTexto(texto, corrente);
    if (!casas)
        return false;
    (corrente ? decimais.casasA : decimais.casasV) = *casas;
    GravaCombo(caminho, corrente ? CampoDecimaisA(variante) : CampoDecimaisV(variante), texto);
    return true;
}

// ---- Recordings ------------------------------------------------------------------------

namespace {
ResultadoGravacao alteraGravacao(const QString& caminho, int i, const ConsultaMaster& consulta, const QString& valor)
{
    if (i < 1 || i > 3 || !consulta.valida())
        return {};
    Banco banco(caminho);
    if (banco.executa(QStringLiteral("Update Master set G%1 = %2 Where ").arg(i).arg(valor)
                          + consulta.condicao,
                      consulta.valores))
        return {true, {}};
    return {false, banco.resultado()};
}
} // namespace

ResultadoGravacao GravaLeituras(const QString& caminho, int i, const ConsultaMaster& consulta)
{
    return alteraGravacao(caminho, i, consulta, QStringLiteral("Leitura"));
}

ResultadoGravacao GravaLeiturasMostradas(const QString& caminho, int i, const ConsultaMaster& consulta,
                                         const QList<TrilhaGraduada>& trilhas)
{
    if (i < 1 || i > 3 || !consulta.valida())
        return {};
    Banco banco(caminho);
    const auto falhou = [&banco] {
        const ResultadoBanco r = banco.resultado();
        banco.executa(QStringLiteral("ROLLBACK"));
        return ResultadoGravacao{false, r};
    };
    if (!banco.executa(QStringLiteral("BEGIN IMMEDIATE")))
        return {false, banco.resultado()};
    if (!escreveLeituras(banco, trilhas))
        return falhou();
    if (!banco.executa(QStringLiteral("Update Master set G%1 = Leitura Where ").arg(i) + consulta.condicao,
                       consulta.valores)
        || !banco.executa(QStringLiteral("COMMIT")))
        return falhou();
    return {true, {}};
}

ResultadoGravacao ExcluiGravacao(const QString& caminho, int i, const ConsultaMaster& consulta)
{
    return alteraGravacao(caminho, i, consulta, QStringLiteral("''"));
}

// ---- PMU display -----------------------------------------------------------------------

namespace {
std::optional<double> numeroTolerancia(const QString& texto)
{
    QString t = texto.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}
} // namespace

double ToleranciaPmu(const QString& texto)
{
    return numeroTolerancia(texto).value_or(10.0);
}

QString ToleranciaAjustada(const QString& texto)
{
    const auto v = numeroTolerancia(texto);
    if (!v || *v < 0 || *v > 100)
        return QStringLiteral("10");
    return QString::number(int(std::trunc(*v)));
}

bool PassaToleranciaPmu(const QString& porc, double tolerancia)
{
    QString p = porc;
    p.remove(QLatin1Char('%'));
    p.remove(QLatin1Char(' '));
    const auto numero = NumeroComVirgula(LimitaDecimais(p, -1));
    if (!numero)
        return false;
    return -tolerancia < *numero && *numero < tolerancia;
}

bool CorrenteDaSaida(const QString& saida, const QString& origCorrente)
{
    const qsizetype n = origCorrente.size() - 3;
    if (n < 0)
        return false;
    return saida.left(n).toUpper() == origCorrente.mid(3).toUpper();
}

int TopoNotaPmu(const QString& modelo, int familia, bool janelaAlta)
{
    if (janelaAlta)
        return 8500;
    const bool ip7 = PerfilModelo::de(modelo).familia == PerfilModelo::Familia::Ip7;
    return ip7 && familia == FamiliaLdo ? 8280 : 8000;
}
