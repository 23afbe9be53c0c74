#include "diagnostico/PassosDiagnostico.h"
#include "shell/PerfilModelo.h"

#include "boardtests/ProcedimentoBateria.h"
#include "boardtests/ProcedimentoI2c.h"
#include "boardtests/ProcedimentoIc.h"
#include "boardtests/ProcedimentoNand.h"
#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/ChipTigris.h"
#include "chips/ChipTristar.h"
#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "rails/BuckCheck.h"
#include "rails/GradeTrilhas.h"
#include "shell/Globais.h"
#include "shell/Procedimento.h"

#include <QHash>

namespace {

const QString PmuAdc = QStringLiteral("pmuadc --read all");

struct Grade {
    VarianteGrade variante;
    int familia;
};

Grade gradeDo(TipoPasso t)
{
    switch (t) {
    case TipoPasso::GradeVCore: return {VarianteGrade::VCore, FamiliaVCore};
    case TipoPasso::GradeBuck: return {VarianteGrade::BuckLdo, FamiliaBuck};
    case TipoPasso::GradeLdo: return {VarianteGrade::BuckLdo, FamiliaLdo};
    case TipoPasso::PmuBuck: return {VarianteGrade::Pmu, FamiliaBuck};
    default: return {VarianteGrade::Pmu, FamiliaLdo};
    }
}

// "4.1 %" or "-12,5 %" as a number; nothing for an empty or other text.
std::optional<double> desvioDe(const QString& porc)
{
    QString t = porc;
    t.remove(QLatin1Char('%'));
    t = t.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

QList<ItemDiagnostico> gradaTrilhas(const PassoDiagnostico& p, const QString& modelo, const QString& R)
{
    const Grade g = gradeDo(p.tipo);
    const Decimais d = CarregaDecimais(g.variante);
    const ResultadoGrade r = ProcessaLeitura(g.variante, modelo, g.familia, R, d.casasV, d.casasA);
    QList<ItemDiagnostico> itens;
    for (const TrilhaGraduada& t : r.trilhas) {
        ItemDiagnostico i{p.subsistema, t.malha.isEmpty() ? t.orig : t.malha, t.leitura, t.ref, t.veredito};
        // Only a voltage has a deviation to draw against the band; a current has a limit.
        if (!LimiteCorrente(t.ref) && (t.veredito == Veredito::Passa || t.veredito == Veredito::Falha))
            i.desvio = desvioDe(t.porc);
        itens << i;
    }
    return itens;
}

QList<ItemDiagnostico> gradaBuckCheck(const PassoDiagnostico& p, const QString& R)
{
    QList<ItemDiagnostico> itens;
    for (const ItemBuck& b : ListaBuckcheck(R)) {
        if (b.icone == IconeBuck::Leitura)
            continue;
        const QString texto = b.texto.trimmed();
        itens << ItemDiagnostico{p.subsistema, texto.section(QLatin1Char(':'), 0, 0),
                                 texto.section(QLatin1Char(':'), 1).trimmed(), QString(),
                                 b.icone == IconeBuck::Passou ? Veredito::Passa : Veredito::Falha};
    }
    return itens;
}

// The graded controls of a chip reader, in control order.
QList<ItemDiagnostico> itensDoPainel(const PassoDiagnostico& p, const Painel& painel)
{
    QList<ItemDiagnostico> itens;
    for (const QString& c : painel.controles()) {
        const auto v = painel.veredito(c);
        if (v && *v != Veredito::NaoGraduado)
            itens << ItemDiagnostico{p.subsistema, p.titulo() + QLatin1Char(' ') + c, painel.texto(c), QString(), *v};
    }
    return itens;
}

QList<ItemDiagnostico> gradaChip(const PassoDiagnostico& p, const QString& modelo, const QString& R,
                                 const QString& A)
{
    switch (p.tipo) {
    case TipoPasso::Tigris: {
        Painel painel = ChipTigris::PainelInicial(modelo);
        ChipTigris::CarregaDados(painel, A, modelo);
        return itensDoPainel(p, painel);
    }
    case TipoPasso::Tristar: {
        Painel painel = ChipTristar::PainelInicial();
        ChipTristar::CarregaDados(painel, R, modelo);
        return itensDoPainel(p, painel);
    }
    case TipoPasso::Chestnut: {
        Painel painel = ChipChestnut::PainelInicial();
        ChipChestnut::CarregaDados(painel, A, modelo);
        return itensDoPainel(p, painel);
    }
    default: {
        Painel painel = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(painel, R);
        return itensDoPainel(p, painel);
    }
    }
}

} // namespace

QString PassoDiagnostico::titulo() const
{
    switch (tipo) {
    case TipoPasso::GradeVCore: return QStringLiteral("VCores");
    case TipoPasso::GradeBuck: return QStringLiteral("Buck");
    case TipoPasso::GradeLdo: return QStringLiteral("LDO");
    case TipoPasso::PmuBuck: return QStringLiteral("PMU Buck");
    case TipoPasso::PmuLdo: return QStringLiteral("PMU LDO");
    case TipoPasso::BuckCheck: return QStringLiteral("Buck check ") + ToleranciaBuckCheck + QStringLiteral(" %");
    case TipoPasso::Tigris: return QStringLiteral("Tigris");
    case TipoPasso::Tristar: return subsistema == QLatin1String("hydra") ? QStringLiteral("Hydra") : QStringLiteral("Tristar");
    case TipoPasso::Chestnut: return QStringLiteral("Chestnut");
    case TipoPasso::Acorn: return QStringLiteral("Acorn");
    case TipoPasso::I2c: return QStringLiteral("I2C ") + QString::number(barramento);
    case TipoPasso::NandTamanho: return L(QStringLiteral("Tamanho da NAND"));
    case TipoPasso::NandUid: return L(QStringLiteral("Identificação Única NAND"));
    case TipoPasso::NandInfo: return L(QStringLiteral("Informações da NAND"));
    case TipoPasso::BateriaPropriedades: return L(QStringLiteral("Bateria")) + QStringLiteral(" - ") + L(QStringLiteral("Propriedades"));
    case TipoPasso::GasGauge: return L(QStringLiteral("Bateria")) + QStringLiteral(" - Gas Gauge");
    case TipoPasso::Ic1:
    case TipoPasso::Ic2: return L(QStringLiteral("Testes IC's")) + QStringLiteral(" ") + (tipo == TipoPasso::Ic1 ? QStringLiteral("1") : QStringLiteral("2"));
    }
    return {};
}

QString TituloSubsistema(const QString& subsistema)
{
    static const QHash<QString, QString> nomes{
        {QStringLiteral("vcore"), QStringLiteral("VCores")}, {QStringLiteral("buck"), QStringLiteral("Buck")},
        {QStringLiteral("ldo"), QStringLiteral("LDO")}, {QStringLiteral("pmu"), QStringLiteral("PMU")},
        {QStringLiteral("buckcheck"), QStringLiteral("Buck check")}, {QStringLiteral("tigris"), QStringLiteral("Tigris")},
        {QStringLiteral("tristar"), QStringLiteral("Tristar")}, {QStringLiteral("hydra"), QStringLiteral("Hydra")},
        {QStringLiteral("chestnut"), QStringLiteral("Chestnut")}, {QStringLiteral("acorn"), QStringLiteral("Acorn")},
        {QStringLiteral("i2c"), QStringLiteral("I2C")}, {QStringLiteral("nand"), QStringLiteral("NAND")}};
    if (subsistema == QLatin1String("bateria"))
        return L(QStringLiteral("Bateria"));
    if (subsistema == QLatin1String("ic"))
        return L(QStringLiteral("Testes IC's"));
    return nomes.value(subsistema, subsistema);
}

QList<PassoDiagnostico> PassosDoModelo(const QString& modelo)
{
    const PerfilModelo& perfil = PerfilModelo::de(modelo);
    const bool hydra = perfil.hydra();
    QList<PassoDiagnostico> r{
        {TipoPasso::GradeVCore, QStringLiteral("vcore"), QStringLiteral("16"), PmuAdc},
        {TipoPasso::GradeBuck, QStringLiteral("buck"), QStringLiteral("15"), PmuAdc},
        {TipoPasso::GradeLdo, QStringLiteral("ldo"), QStringLiteral("15"), PmuAdc},
        {TipoPasso::PmuBuck, QStringLiteral("pmu"), QStringLiteral("18"), PmuAdc},
        {TipoPasso::PmuLdo, QStringLiteral("pmu"), QStringLiteral("18"), PmuAdc},
        {TipoPasso::BuckCheck, QStringLiteral("buckcheck"), QStringLiteral("13"),
         *ComandoBuck(ModoBuck::Buckcheck, ToleranciaBuckCheck)},
    };
    if (!ChipTigris::Componente(modelo).isEmpty())
        r << PassoDiagnostico{TipoPasso::Tigris, QStringLiteral("tigris"), ChipTigris::Codigo, ChipTigris::Comando};
    r << PassoDiagnostico{TipoPasso::Tristar, hydra ? QStringLiteral("hydra") : QStringLiteral("tristar"),
                          ChipTristar::Codigo, ChipTristar::Comando};
    if (perfil.acorn())
        r << PassoDiagnostico{TipoPasso::Acorn, QStringLiteral("acorn"), ChipAcorn::Codigo, ChipAcorn::Comando};
    else if (!ChipChestnut::Componente(modelo).isEmpty())
        r << PassoDiagnostico{TipoPasso::Chestnut, QStringLiteral("chestnut"), ChipChestnut::Codigo,
                              ChipChestnut::Comando};
    for (int b : ModuloI2C::BarramentosDoAutoTeste(ModuloI2C::BotoesDoModelo(modelo)))
        r << PassoDiagnostico{TipoPasso::I2c, QStringLiteral("i2c"), ProcedimentoI2c::Codigo,
                              ProcedimentoI2c::Comando(b), b,
                              [b](Ligacao& l, const QString& m, QObject* pai) -> Procedimento* {
                                  return new ProcedimentoI2c(l, m, Globais::instancia().CaminhoBanco, {b}, pai);
                              }};
    // The NAND functions in the order the diagnosis reads them; the ones the model's NAND
    // window refuses are not read.
    const struct {
        TipoPasso tipo;
        int funcao;
    } nand[] = {{TipoPasso::NandTamanho, 1}, {TipoPasso::NandUid, 0}, {TipoPasso::NandInfo, 2}};
    for (const auto& n : nand)
        if (ProcedimentoNand::Serve(modelo, n.funcao))
            r << PassoDiagnostico{n.tipo, QStringLiteral("nand"), ProcedimentoNand::Codigo,
                                  ModuloNand::ComandoNand(n.funcao), -1,
                                  [f = n.funcao](Ligacao& l, const QString& m, QObject* pai) -> Procedimento* {
                                      return new ProcedimentoNand(l, m, f, pai);
                                  }};
    using Bat = ProcedimentoBateria::Leitura;
    const auto bateria = [](Bat leitura) -> FabricaProcedimento {
        return [leitura](Ligacao& l, const QString& m, QObject* pai) -> Procedimento* {
            return new ProcedimentoBateria(l, m, leitura, pai);
        };
    };
    const auto ic = [](int teste) -> FabricaProcedimento {
        return [teste](Ligacao& l, const QString& m, QObject* pai) -> Procedimento* {
            return new ProcedimentoIc(l, m, teste, pai);
        };
    };
    r << PassoDiagnostico{TipoPasso::BateriaPropriedades, QStringLiteral("bateria"),
                          ProcedimentoBateria::CodigoPropriedades, ModuloBateria::ComandoPropriedades, -1,
                          bateria(Bat::Propriedades)}
      << PassoDiagnostico{TipoPasso::GasGauge, QStringLiteral("bateria"), ProcedimentoBateria::CodigoGasGauge,
                          ModuloBateria::ComandoGasGauge, -1, bateria(Bat::GasGauge)}
      << PassoDiagnostico{TipoPasso::Ic1, QStringLiteral("ic"), ProcedimentoIc::Codigo, ModuloIC::ComandoIC(1), -1, ic(1)}
      << PassoDiagnostico{TipoPasso::Ic2, QStringLiteral("ic"), ProcedimentoIc::Codigo, ModuloIC::ComandoIC(2), -1, ic(2)};
    return r;
}

namespace {

// How bad a verdict is: the one item standing for what is left out takes the worst.
int gravidade(Veredito v)
{
    switch (v) {
    case Veredito::Falha: return 4;
    case Veredito::SemLeitura: return 3;
    case Veredito::NaoMensuravel: return 2;
    case Veredito::Passa: return 1;
    case Veredito::NaoGraduado: break;
    }
    return 0;
}

} // namespace

// A phone that goes on sending repeats its lines (a flooded buck check numbers every one as
// another buck): past the bound, one item says how many were left out, with the worst verdict
// among them, so the run's page and history stay the board's size and no failure is lost.
QList<ItemDiagnostico> LimitaItens(QList<ItemDiagnostico> itens)
{
    if (itens.size() <= LimiteItensPasso)
        return itens;
    ItemDiagnostico resto = itens.at(LimiteItensPasso);
    for (qsizetype k = LimiteItensPasso + 1; k < itens.size(); ++k)
        if (gravidade(itens.at(k).veredito) > gravidade(resto.veredito))
            resto.veredito = itens.at(k).veredito;
    const qsizetype fora = itens.size() - LimiteItensPasso;
    itens.resize(LimiteItensPasso);
    resto.item = QStringLiteral("+") + QString::number(fora);
    resto.leitura = L(QStringLiteral("DIAG_ITENS_ALEM")).arg(fora).arg(LimiteItensPasso);
    resto.referencia.clear();
    resto.desvio.reset();
    itens << resto;
    return itens;
}

namespace {

QList<ItemDiagnostico> gradaSemLimite(const PassoDiagnostico& passo, const QString& modelo, const QString& R,
                                      const QString& A)
{
    switch (passo.tipo) {
    case TipoPasso::GradeVCore:
    case TipoPasso::GradeBuck:
    case TipoPasso::GradeLdo:
    case TipoPasso::PmuBuck:
    case TipoPasso::PmuLdo: return gradaTrilhas(passo, modelo, R);
    case TipoPasso::BuckCheck: return gradaBuckCheck(passo, R);
    case TipoPasso::Tigris:
    case TipoPasso::Tristar:
    case TipoPasso::Chestnut:
    case TipoPasso::Acorn: return gradaChip(passo, modelo, R, A);
    default:
        // The board-test families grade in their own procedures (PassosDoModelo sets them).
        break;
    }
    return {};
}

// A step no family procedure reads yet: its one exchange, graded by GradaPasso.
class ProcedimentoDoPasso : public Procedimento {
public:
    ProcedimentoDoPasso(const PassoDiagnostico& passo, Ligacao& ligacao, const QString& modelo, QObject* pai)
        : Procedimento(ligacao, passo.codigo, pai), m_passo(passo), m_modelo(modelo)
    {
    }

protected:
    bool comeca() override { return pede(m_passo.comando); }
    void responde(const QString& R, const QString& A) override
    {
        QList<ItemGraduado> itens;
        for (const ItemDiagnostico& i : gradaSemLimite(m_passo, m_modelo, R, A))
            itens << ItemGraduado{i.item, i.leitura, i.referencia, i.veredito, i.desvio, i.tolerancia};
        conclui(std::move(itens));
    }

private:
    PassoDiagnostico m_passo;
    QString m_modelo;
};

} // namespace

QList<ItemDiagnostico> GradaPasso(const PassoDiagnostico& passo, const QString& modelo, const QString& R,
                                  const QString& A)
{
    return LimitaItens(gradaSemLimite(passo, modelo, R, A));
}

Procedimento* CriaProcedimento(const PassoDiagnostico& passo, Ligacao& ligacao, const QString& modelo, QObject* pai)
{
    if (passo.cria)
        return passo.cria(ligacao, modelo, pai);
    return new ProcedimentoDoPasso(passo, ligacao, modelo, pai);
}

QStringList TestesNaoExecutados()
{
    return {L(QStringLiteral("Testes de Display")), L(QStringLiteral("Testes de Comunicação RF")),
            L(QStringLiteral("Teste de Funcionamento de Botões")), L(QStringLiteral("Testes de Memória Nand"))
                + QStringLiteral(" (syscfg list)"),
            QStringLiteral("testmemory")};
}
