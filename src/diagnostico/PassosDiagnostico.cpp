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
#include "chips/ProcedimentoChip.h"
#include "i18n/Dicionario.h"
#include "rails/BuckCheck.h"
#include "rails/GradeTrilhas.h"
#include "rails/ProcedimentoBuck.h"
#include "rails/ProcedimentoPmu.h"
#include "rails/ProcedimentoTrilhas.h"
#include "shell/Procedimento.h"

#include <QHash>

namespace {

const QString PmuAdc = QStringLiteral("pmuadc --read all");

// A rail grid's step: the grid's own procedure, under the grid window's requester code.
PassoDiagnostico passoGrade(TipoPasso tipo, const QString& subsistema, const QString& codigo,
                            VarianteGrade variante, int familia, const QString& banco)
{
    PassoDiagnostico p{tipo, subsistema, codigo, ProcedimentoTrilhas::Comando};
    p.cria = [codigo, variante, familia, banco](Ligacao& ligacao, const QString& modelo, QObject* pai) -> Procedimento* {
        auto* r = new ProcedimentoTrilhas(ligacao, codigo, variante, banco, pai);
        r->defineModelo(modelo);
        r->defineFamilia(familia);
        return r;
    };
    return p;
}

// The PMU window's reading of one family, at the decimals it keeps and the tolerance its
// field opens with.
FabricaProcedimento procedimentoPmu(int familia, const QString& banco)
{
    return [familia, banco](Ligacao& ligacao, const QString& modelo, QObject* pai) -> Procedimento* {
        auto* p = new ProcedimentoPmu(ligacao, modelo, familia, banco, pai);
        p->defineDecimais(CarregaDecimais(banco, VarianteGrade::Pmu));
        p->defineTolerancia(ToleranciaPmu(ToleranciaPmuInicial));
        return p;
    };
}

// The buck check window's test at its default tolerance.
Procedimento* procedimentoBuckCheck(Ligacao& ligacao, const QString& modelo, QObject* pai)
{
    return new ProcedimentoBuck(ligacao, modelo, ModoBuck::Buckcheck,
                                *ComandoBuck(ModoBuck::Buckcheck, ToleranciaBuckCheck), pai);
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

QList<PassoDiagnostico> PassosDoModelo(const QString& modelo, const LocalDados& dados)
{
    const PerfilModelo& perfil = PerfilModelo::de(modelo);
    const bool hydra = perfil.hydra();
    QList<PassoDiagnostico> r{
        passoGrade(TipoPasso::GradeVCore, QStringLiteral("vcore"), QStringLiteral("16"), VarianteGrade::VCore, FamiliaVCore, dados.banco),
        passoGrade(TipoPasso::GradeBuck, QStringLiteral("buck"), QStringLiteral("15"), VarianteGrade::BuckLdo, FamiliaBuck, dados.banco),
        passoGrade(TipoPasso::GradeLdo, QStringLiteral("ldo"), QStringLiteral("15"), VarianteGrade::BuckLdo, FamiliaLdo, dados.banco),
        {TipoPasso::PmuBuck, QStringLiteral("pmu"), CodigoPmu, PmuAdc, -1, procedimentoPmu(FamiliaBuck, dados.banco)},
        {TipoPasso::PmuLdo, QStringLiteral("pmu"), CodigoPmu, PmuAdc, -1, procedimentoPmu(FamiliaLdo, dados.banco)},
        {TipoPasso::BuckCheck, QStringLiteral("buckcheck"), CodigoBuck,
         *ComandoBuck(ModoBuck::Buckcheck, ToleranciaBuckCheck), -1, procedimentoBuckCheck},
    };
    // The chips are read by the procedure their windows run.
    auto chip = [](ProcedimentoChip::Chip c) -> FabricaProcedimento {
        return [c](Ligacao& ligacao, const QString& m, QObject* pai) { return ProcedimentoChip::cria(c, ligacao, m, pai); };
    };
    if (!ChipTigris::Componente(modelo).isEmpty())
        r << PassoDiagnostico{TipoPasso::Tigris, QStringLiteral("tigris"), ChipTigris::Codigo, ChipTigris::Comando, -1,
                              chip(ProcedimentoChip::Chip::Tigris)};
    r << PassoDiagnostico{TipoPasso::Tristar, hydra ? QStringLiteral("hydra") : QStringLiteral("tristar"),
                          ChipTristar::Codigo, ChipTristar::Comando, -1, chip(ProcedimentoChip::Chip::Tristar)};
    if (perfil.acorn())
        r << PassoDiagnostico{TipoPasso::Acorn, QStringLiteral("acorn"), ChipAcorn::Codigo, ChipAcorn::Comando, -1,
                              chip(ProcedimentoChip::Chip::Acorn)};
    else if (!ChipChestnut::Componente(modelo).isEmpty())
        r << PassoDiagnostico{TipoPasso::Chestnut, QStringLiteral("chestnut"), ChipChestnut::Codigo,
                              ChipChestnut::Comando, -1, chip(ProcedimentoChip::Chip::Chestnut)};
    for (int b : ModuloI2C::BarramentosDoAutoTeste(ModuloI2C::BotoesDoModelo(modelo)))
        r << PassoDiagnostico{TipoPasso::I2c, QStringLiteral("i2c"), ProcedimentoI2c::Codigo,
                              ProcedimentoI2c::Comando(b), b,
                              [b, banco = dados.banco](Ligacao& l, const QString& m, QObject* pai) -> Procedimento* {
                                  return new ProcedimentoI2c(l, m, banco, {b}, pai);
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

Procedimento* CriaProcedimento(const PassoDiagnostico& passo, Ligacao& ligacao, const QString& modelo, QObject* pai)
{
    return passo.cria(ligacao, modelo, pai);
}

QStringList TestesNaoExecutados()
{
    return {L(QStringLiteral("Testes de Display")), L(QStringLiteral("Testes de Comunicação RF")),
            L(QStringLiteral("Teste de Funcionamento de Botões")), L(QStringLiteral("Testes de Memória Nand"))
                + QStringLiteral(" (syscfg list)"),
            QStringLiteral("testmemory")};
}
