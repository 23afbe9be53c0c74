#include "chips/ProcedimentoChip.h"

#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/ChipTigris.h"
#include "chips/ChipTristar.h"
#include "chips/LeituraChip.h"
#include "shell/PerfilModelo.h"

namespace {

// A busy link at the end of a Chestnut pause (another window's exchange) is waited for this
// long, as the diagnosis waits for a step.
constexpr int EsperaLivreMs = 30000;
constexpr int IntervaloLivreMs = 100;

QString volts(const QString& referencia)
{
    return referencia + QStringLiteral(" V");
}

class ProcedimentoTigris : public ProcedimentoChip {
public:
    ProcedimentoTigris(Ligacao& ligacao, const QString& modelo, QObject* pai)
        : ProcedimentoChip(Chip::Tigris, ligacao, ChipTigris::Codigo, ChipTigris::Comando, modelo, pai)
    {
    }
    Painel painelLimpo() const override
    {
        Painel p = ChipTigris::PainelInicial(modelo());
        ChipTigris::LimpaLeituras(p, modelo());
        return p;
    }

protected:
    void carrega(const QString&, const QString& A) override
    {
        m_dados = A;
        ChipTigris::CarregaDados(m_painel, A, modelo());
    }
    // VBUS passes from +8 % of its reference up and VBAT from -10 % up: neither is a band
    // around a reference, so neither carries one.
    QList<ItemGraduado> itensDoPainel() const override
    {
        QList<ItemGraduado> r{item(QStringLiteral("VBUS"), QStringLiteral("VBus_V"), QStringLiteral("VBus_V"))};
        if (ChipTigris::NumeroCanais(modelo()) >= 8)
            r << item(QStringLiteral("VBUS1"), QStringLiteral("VBus_V1"), QStringLiteral("VBus_V1"))
              << item(QStringLiteral("VBUS2"), QStringLiteral("VBus_V2"), QStringLiteral("VBus_V2"));
        r << item(QStringLiteral("VBAT"), QStringLiteral("VBat_V"), QStringLiteral("VBat_V"))
          << item(QStringLiteral("VDD"), QStringLiteral("VDD_V"), QStringLiteral("VDD_V"));
        return r;
    }
};

class ProcedimentoTristar : public ProcedimentoChip {
public:
    ProcedimentoTristar(Ligacao& ligacao, const QString& modelo, QObject* pai)
        : ProcedimentoChip(Chip::Tristar, ligacao, ChipTristar::Codigo, ChipTristar::Comando, modelo, pai)
    {
    }
    Painel painelLimpo() const override
    {
        Painel p = ChipTristar::PainelInicial();
        ChipTristar::LimpaLeituras(p);
        return p;
    }

protected:
    void carrega(const QString& R, const QString&) override
    {
        m_dados = R;
        ChipTristar::CarregaDados(m_painel, R, modelo());
    }
    // Rail 1 is graded on its voltage and its current (an over-current fails it): its reading
    // shows both, and its deviation alone would not tell its verdict. The accessory rail has no
    // verdict.
    QList<ItemGraduado> itensDoPainel() const override
    {
        ItemGraduado um = item(ChipTristar::RotuloCanal(1, modelo()).malha, QStringLiteral("Malha1_V"),
                               QStringLiteral("Porc1"), volts(ChipTristar::RefMalha1));
        um.leitura += QStringLiteral("   (") + m_painel.texto(QStringLiteral("Malha1_A")) + QLatin1Char(')');
        return {um, itemNaFaixa(ChipTristar::RotuloCanal(3, modelo()).malha, QStringLiteral("Malha2_V"),
                                QStringLiteral("Porc2"), volts(ChipTristar::RefMalha2))};
    }
};

class ProcedimentoAcorn : public ProcedimentoChip {
public:
    ProcedimentoAcorn(Ligacao& ligacao, const QString& modelo, QObject* pai)
        : ProcedimentoChip(Chip::Acorn, ligacao, ChipAcorn::Codigo, ChipAcorn::Comando, modelo, pai)
    {
    }
    Painel painelLimpo() const override { return ChipAcorn::PainelInicial(); }
    bool recusaModelo() const override { return !PerfilModelo::de(modelo()).acorn(); }

protected:
    void carrega(const QString& R, const QString&) override
    {
        m_dados = R;
        ChipAcorn::CarregaDados(m_painel, R);
    }
    // The eleven rails in the window's order. An ungraded rail carries the window's mark: read
    // (OK, not graded) or not (NO: no reading).
    QList<ItemGraduado> itensDoPainel() const override
    {
        QList<ItemGraduado> r;
        for (int i = 0; i <= 10; ++i) {
            const QString m = QStringLiteral("M%1").arg(i);
            const QString ref = ChipAcorn::Referencia(i);
            if (!ref.isEmpty()) {
                r << itemNaFaixa(ChipAcorn::Malha(i), m, QStringLiteral("P%1").arg(i), volts(ref));
                continue;
            }
            ItemGraduado x = item(ChipAcorn::Malha(i), m, m);
            x.veredito = m_painel.visivel(Indice(QStringLiteral("OK"), i)) ? Veredito::NaoGraduado
                                                                           : Veredito::SemLeitura;
            r << x;
        }
        return r;
    }
};

} // namespace

ProcedimentoChip* ProcedimentoChip::cria(Chip chip, Ligacao& ligacao, const QString& modelo, QObject* pai)
{
    switch (chip) {
    case Chip::Tigris: return new ProcedimentoTigris(ligacao, modelo, pai);
    case Chip::Tristar: return new ProcedimentoTristar(ligacao, modelo, pai);
    case Chip::Chestnut: return new ProcedimentoChestnut(ligacao, modelo, pai);
    case Chip::Acorn: return new ProcedimentoAcorn(ligacao, modelo, pai);
    }
    return nullptr;
}

ProcedimentoChip::ProcedimentoChip(Chip chip, Ligacao& ligacao, const QString& codigo, const QString& comando,
                                   const QString& modelo, QObject* pai)
    : Procedimento(ligacao, codigo, pai), m_comando(comando), m_chip(chip), m_modelo(modelo)
{
}

QString ProcedimentoChip::titulo() const
{
    switch (m_chip) {
    case Chip::Tigris: return QStringLiteral("Tigris");
    case Chip::Tristar: return ModeloHydra(m_modelo) ? QStringLiteral("Hydra") : QStringLiteral("Tristar");
    case Chip::Chestnut: return QStringLiteral("Chestnut");
    case Chip::Acorn: return QStringLiteral("Acorn");
    }
    return {};
}

bool ProcedimentoChip::comeca()
{
    if (recusaModelo()) {
        termina(Fim::Recusado);
        return true;
    }
    return pede(m_comando);
}

void ProcedimentoChip::limpa()
{
    m_painel = painelLimpo();
    m_dados.clear();
}

void ProcedimentoChip::concluiLeitura(const QString& R, const QString& A)
{
    m_painel = painelLimpo();
    carrega(R, A);
    emit lido();
}

void ProcedimentoChip::responde(const QString& R, const QString& A)
{
    concluiLeitura(R, A);
    conclui(itensDoPainel());
}

ItemGraduado ProcedimentoChip::item(const QString& malha, const QString& controleValor,
                                    const QString& controleVeredito, const QString& referencia) const
{
    ItemGraduado i;
    i.item = titulo() + QLatin1Char(' ') + malha;
    i.leitura = m_painel.texto(controleValor);
    i.referencia = referencia;
    i.veredito = m_painel.veredito(controleVeredito).value_or(Veredito::NaoGraduado);
    return i;
}

ItemGraduado ProcedimentoChip::itemNaFaixa(const QString& malha, const QString& controleValor, const QString& porc,
                                           const QString& referencia) const
{
    ItemGraduado i = item(malha, controleValor, porc, referencia);
    if (i.veredito != Veredito::Passa && i.veredito != Veredito::Falha)
        return i;
    QString t = m_painel.texto(porc);
    t.remove(QLatin1Char('%'));
    t = t.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (ok)
        i.desvio = d;
    return i;
}

// ---- Chestnut --------------------------------------------------------------------------------

ProcedimentoChestnut::ProcedimentoChestnut(Ligacao& ligacao, const QString& modelo, QObject* pai)
    : ProcedimentoChip(Chip::Chestnut, ligacao, ChipChestnut::Codigo, ChipChestnut::Comando, modelo, pai)
{
    m_pausa.setSingleShot(true);
    connect(&m_pausa, &QTimer::timeout, this, &ProcedimentoChestnut::depoisDaPausa);
}

Painel ProcedimentoChestnut::painelLimpo() const
{
    Painel p = ChipChestnut::PainelInicial();
    ChipChestnut::LimpaLeituras(p);
    return p;
}

bool ProcedimentoChestnut::recusaModelo() const
{
    // The display power of the Acorn boards is Acorn's.
    return PerfilModelo::de(modelo()).acorn();
}

bool ProcedimentoChestnut::alternaToque(bool ligar)
{
    m_toqueAcionado = true;
    m_toquePedido = ligar ? ChipChestnut::ToqueLigado : ChipChestnut::ToqueDesligado;
    const bool iniciado = inicia();
    m_toquePedido.clear();
    return iniciado;
}

void ProcedimentoChestnut::limpa()
{
    ProcedimentoChip::limpa();
    m_pausa.stop();
    m_esperaLivre.invalidate();
    m_proximo.clear();
    m_foraDaFaixa = false;
}

bool ProcedimentoChestnut::comeca()
{
    if (recusaModelo()) {
        termina(Fim::Recusado);
        return true;
    }
    if (m_toquePedido.isEmpty())
        return pede(m_comando);
    if (!pede(m_toquePedido))
        return false;
    m_desdeToque.start();
    return true;
}

void ProcedimentoChestnut::responde(const QString& R, const QString& A)
{
    if (comando() != m_comando) {
        // The touch controller was switched: the chip is read once it has settled.
        m_proximo = m_comando;
        m_pausa.start(qMax<qint64>(0, PausaAposToqueMs - m_desdeToque.elapsed()));
        return;
    }
    concluiLeitura(R, A);
    if (m_foraDaFaixa && !m_toqueAcionado) {
        // The touch supply reads wrong while the touch is off: switch it on, then read again.
        m_toqueAcionado = true;
        m_proximo = ChipChestnut::ToqueLigado;
        m_pausa.start(PausaAntesDoToqueMs);
        return;
    }
    conclui(itensDoPainel());
}

void ProcedimentoChestnut::depoisDaPausa()
{
    if (!emCurso())
        return;
    if (pede(m_proximo)) {
        m_esperaLivre.invalidate();
        if (m_proximo != m_comando)
            m_desdeToque.start();
        return;
    }
    if (ligacao().estado() == EstadoLigacao::Desconectada) {
        termina(Fim::LigacaoPerdida);
        return;
    }
    // Another exchange holds the link: this one waits its turn.
    if (!m_esperaLivre.isValid())
        m_esperaLivre.start();
    if (m_esperaLivre.elapsed() < EsperaLivreMs) {
        m_pausa.start(IntervaloLivreMs);
        return;
    }
    termina(Fim::SemResposta);
}

void ProcedimentoChestnut::carrega(const QString&, const QString& A)
{
    m_dados = A;
    m_foraDaFaixa = ChipChestnut::CarregaDados(m_painel, A, modelo());
}

QList<ItemGraduado> ProcedimentoChestnut::itensDoPainel() const
{
    // The five graded rails in the window's order.
    const struct {
        const char* malha;
        const char* valor;
        const char* porc;
        const char* ref;
    } linhas[] = {
        {"PP6V0_DISPLAY_BOOST", "BOOST_V", "Porc5", "6.000"},
        {"PN -5V7_DISPLAY_MESON_AVDDN", "VNEG_V", "Porc4", "-5.700"},
        {"PP5V7_MESON_AVDDH", "iLDO_V(1)", "Porc1", "5.700"},
        {"PP5V7_LCM_AVDDH", "iLDO_V(2)", "Porc2", "5.700"},
        {"PP5V1_TOUCH_VDDH", "iLDO_V(3)", "Porc3", "5.100"},
    };
    QList<ItemGraduado> r;
    for (const auto& l : linhas)
        r << itemNaFaixa(QString::fromLatin1(l.malha), QString::fromLatin1(l.valor), QString::fromLatin1(l.porc),
                         volts(QString::fromLatin1(l.ref)));
    return r;
}
