#include "diagnostico/PassosDiagnostico.h"
#include "shell/PerfilModelo.h"

#include "boardtests/BateriaLeitura.h"
#include "boardtests/I2c.h"
#include "boardtests/Ic.h"
#include "boardtests/Nand.h"
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
#include "shell/Globais.h"
#include "shell/Procedimento.h"

#include <QHash>

namespace {

const QString PmuAdc = QStringLiteral("pmuadc --read all");

// A rail grid's step: the grid's own procedure, under the grid window's requester code.
PassoDiagnostico passoGrade(TipoPasso tipo, const QString& subsistema, const QString& codigo,
                            VarianteGrade variante, int familia)
{
    PassoDiagnostico p{tipo, subsistema, codigo, ProcedimentoTrilhas::Comando};
    p.cria = [codigo, variante, familia](Ligacao& ligacao, const QString& modelo, QObject* pai) -> Procedimento* {
        auto* r = new ProcedimentoTrilhas(ligacao, codigo, variante, pai);
        r->defineModelo(modelo);
        r->defineFamilia(familia);
        return r;
    };
    return p;
}

// The PMU window's reading of one family, at the decimals it keeps and the tolerance its
// field opens with.
FabricaProcedimento procedimentoPmu(int familia)
{
    return [familia](Ligacao& ligacao, const QString& modelo, QObject* pai) -> Procedimento* {
        auto* p = new ProcedimentoPmu(ligacao, modelo, familia, pai);
        p->defineDecimais(CarregaDecimais(VarianteGrade::Pmu));
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

QList<ItemDiagnostico> gradaI2c(const PassoDiagnostico& p, const QString& modelo, const QString& A)
{
    QString erro;
    const auto ids = ModuloI2C::DispositivosEsperados(Globais::instancia().CaminhoBanco, modelo, p.barramento, &erro);
    const QString prefixo = QStringLiteral("I2C %1 ").arg(p.barramento);
    if (!ids)
        return {ItemDiagnostico{p.subsistema, prefixo.trimmed(), erro, QString(), Veredito::SemLeitura}};
    QList<ItemDiagnostico> itens;
    for (const ModuloI2C::Dispositivo& d : ModuloI2C::AvaliaDispositivos(
             *ids, A, L(QStringLiteral("COMUNICAÇÃO OK")), L(QStringLiteral("COMUNICAÇÃO OFF"))))
        itens << ItemDiagnostico{p.subsistema, prefixo + d.id + QStringLiteral(" ") + d.descricao, d.status,
                                 QString(), d.veredito};
    return itens;
}

QList<ItemDiagnostico> gradaNand(const PassoDiagnostico& p, const QString& A)
{
    const int funcao = p.tipo == TipoPasso::NandUid ? 0 : p.tipo == TipoPasso::NandTamanho ? 1 : 2;
    const ModuloNand::Veredicto v = ModuloNand::AvaliaNand(funcao, A);
    // An answer too short to be judged gets no verdict in the window either.
    Veredito veredito = Veredito::NaoGraduado;
    QString leitura;
    if (v.naoDisponivel) {
        veredito = Veredito::NaoMensuravel;
        leitura = L(QStringLiteral("Não disponível para 6/6P"));
    } else if (v.tipo != ModuloNand::Veredicto::Tipo::Nenhum) {
        const bool ok = v.tipo == ModuloNand::Veredicto::Tipo::Ok;
        veredito = VereditoDe(ok);
        leitura = L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF"));
    }
    if (p.tipo == TipoPasso::NandTamanho && v.tipo == ModuloNand::Veredicto::Tipo::Ok)
        if (const auto texto = ModuloNand::TextoTamanho(A))
            if (const auto classe = ModuloNand::ClassificaTamanho(*texto))
                leitura = *classe;
    return {ItemDiagnostico{p.subsistema, p.titulo(), leitura, QString(), veredito}};
}

QList<ItemDiagnostico> gradaIc(const PassoDiagnostico& p, const QString& modelo, const QString& A)
{
    const ModuloIC::Veredicto v = ModuloIC::AvaliaIC(A);
    const QString item = ModuloIC::NomeCI(modelo) + QStringLiteral(" ") + p.comando;
    if (v == ModuloIC::Veredicto::Nenhum) // too short to be judged, as in the window
        return {ItemDiagnostico{p.subsistema, item, QString(), QString(), Veredito::NaoGraduado}};
    const bool ok = v == ModuloIC::Veredicto::Ok;
    return {ItemDiagnostico{p.subsistema, item,
                            L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")),
                            QString(), VereditoDe(ok)}};
}

QList<ItemDiagnostico> gradaGasGauge(const PassoDiagnostico& p, const QString& R)
{
    const ModuloBateria::Valores v = ModuloBateria::Organiza(R);
    QList<ItemDiagnostico> itens;
    for (int i = 0; i < v.info.size() && i < v.vereditos.size(); ++i)
        itens << ItemDiagnostico{p.subsistema, L(ModuloBateria::ChavesTitulos().at(i)), v.info.at(i).trimmed(),
                                 QString(), v.vereditos.at(i)};
    return itens;
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
        passoGrade(TipoPasso::GradeVCore, QStringLiteral("vcore"), QStringLiteral("16"), VarianteGrade::VCore, FamiliaVCore),
        passoGrade(TipoPasso::GradeBuck, QStringLiteral("buck"), QStringLiteral("15"), VarianteGrade::BuckLdo, FamiliaBuck),
        passoGrade(TipoPasso::GradeLdo, QStringLiteral("ldo"), QStringLiteral("15"), VarianteGrade::BuckLdo, FamiliaLdo),
        {TipoPasso::PmuBuck, QStringLiteral("pmu"), CodigoPmu, PmuAdc, -1, procedimentoPmu(FamiliaBuck)},
        {TipoPasso::PmuLdo, QStringLiteral("pmu"), CodigoPmu, PmuAdc, -1, procedimentoPmu(FamiliaLdo)},
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
        r << PassoDiagnostico{TipoPasso::I2c, QStringLiteral("i2c"), QStringLiteral("6"),
                              QStringLiteral("i2c -s ") + QString::number(b), b};
    r << PassoDiagnostico{TipoPasso::NandTamanho, QStringLiteral("nand"), QStringLiteral("4"), ModuloNand::ComandoNand(1)}
      << PassoDiagnostico{TipoPasso::NandUid, QStringLiteral("nand"), QStringLiteral("4"), ModuloNand::ComandoNand(0)}
      << PassoDiagnostico{TipoPasso::NandInfo, QStringLiteral("nand"), QStringLiteral("4"), ModuloNand::ComandoNand(2)}
      << PassoDiagnostico{TipoPasso::BateriaPropriedades, QStringLiteral("bateria"), QStringLiteral("14"),
                          ModuloBateria::ComandoPropriedades};
    PassoDiagnostico gasGauge{TipoPasso::GasGauge, QStringLiteral("bateria"), QStringLiteral("19"),
                              ModuloBateria::ComandoGasGauge};
    gasGauge.regraFim = ModuloBateria::RegraGasGauge;
    r << gasGauge
      << PassoDiagnostico{TipoPasso::Ic1, QStringLiteral("ic"), QStringLiteral("5"), ModuloIC::ComandoIC(1)}
      << PassoDiagnostico{TipoPasso::Ic2, QStringLiteral("ic"), QStringLiteral("5"), ModuloIC::ComandoIC(2)};
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
    case TipoPasso::GradeLdo: break; // their grid's procedure grades them (ProcedimentoTrilhas)
    case TipoPasso::PmuBuck:
    case TipoPasso::PmuLdo:
    case TipoPasso::BuckCheck: break; // their families' procedures
    case TipoPasso::Tigris:
    case TipoPasso::Tristar:
    case TipoPasso::Chestnut:
    case TipoPasso::Acorn: break; // read by their chip's procedure
    case TipoPasso::I2c: return gradaI2c(passo, modelo, A);
    case TipoPasso::NandTamanho:
    case TipoPasso::NandUid:
    case TipoPasso::NandInfo: return gradaNand(passo, A);
    case TipoPasso::GasGauge: return gradaGasGauge(passo, R);
    case TipoPasso::Ic1:
    case TipoPasso::Ic2: return gradaIc(passo, modelo, A);
    case TipoPasso::BateriaPropriedades:
        // The window shows the properties as text: nothing in them is graded.
        return {ItemDiagnostico{passo.subsistema, passo.titulo(), QString::number(A.trimmed().size()) + QStringLiteral(" B"),
                                QString(), Veredito::NaoGraduado}};
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
    bool comeca() override
    {
        return m_passo.regraFim ? pede(m_passo.comando, Ligacao::Modo::Normal, *m_passo.regraFim)
                                : pede(m_passo.comando);
    }
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
