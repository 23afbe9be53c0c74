#include "boardtests/I2c.h"

#include "db/Banco.h"
#include "shell/PerfilModelo.h"

#include <QFileInfo>

namespace ModuloI2C {

namespace {

struct Entrada {
    const char* id;
    const char* texto;
};

// Bus digit, "x", address, "-", description. Entry "207" really is written with an upper-case
// "X": the scan is searched for "X62" exactly.
const Entrada TabelaDispositivos[] = {
    {"001", "0x1A-TRISTAR - U1700"},
    {"002", "0x1A-TRISTAR - U4001"},
    {"003", "0x27-CHESTNUT (DISPLAY POWER SUPPLY) - U1501"},
    {"004", "0x27-CHESTNUT - DISPLAY PMU"},
    {"005", "0x27-CHESTNUT - U3703"},
    {"006", "0x27-CHESTNUT - U4000"},
    {"007", "0x50-EEPROM"},
    {"008", "0x52-ACESSORY BUCK - U6110"},
    {"009", "0x62-BACKLIGHT"},
    {"010", "0x62-BACKLIGHT 1 - U3701"},
    {"011", "0x62-BACKLIGHT 1 - U4020"},
    {"012", "0x63-NEON (BACKLIGHT CHIP1) - U1502"},
    {"013", "0x74-AGNES (POWER MANAGER) - U2700"},
    {"014", "0x74-BOOST (POWER MANAGER) - U1202"},
    {"015", "0x74-POWER MANAGER (PM) - U2000"},
    {"016", "0x75-BOOST - U2301"},
    {"017", "0x8 -SAKONNET"},
    {"101", "1x1A-TRISTAR - U4500"},
    {"102", "1x5A-LINEAR VIBE (MOTOR DRIVE) - U1400"},
    {"103", "1x62-BACKLIGHT 2 - U3701"},
    {"104", "1x74-ADELYN (POWER MANAGER) - U1801"},
    {"105", "1x75-TIGRIS - U2101"},
    {"106", "1x75-TIGRIS CHARGER (TIGRIS) - U1401"},
    {"107", "1x75-TIGRIS CHARGER (TIGRIS) - U2300"},
    {"201", "2x21-CONVOY"},
    {"202", "2x21-CONVOY (TOP SPEAKER CAP SERSE)"},
    {"203", "2x29-ALS - J3100"},
    {"204", "2x29-ALS - J4503"},
    {"205", "2x29ALS (LIGHT SENSING INTERFACE) - J1110"},
    {"206", "2x51-DISPLAY EEPROM"},
    {"207", "2X62-BACKLIGHT 2"},
    {"301", "3x50-EEPROM"},
    {"302", "3x51-DISPLAY EEPROM"},
    {"303", "3x51-EEPROM"},
    {"304", "3x51-TOUCH / DISPLAY J5800"},
    {"305", "3x62-MUON (BACKLIGHT CONTROLE)"},
    {"306", "3x8 -SAKONNET"},
    {"401", "4x29-CT709"},
    {"402", "4x58-DOPPLER (PROX SENSOR)"},
    {"403", "4x58-PROX"},
    {"601", "6x39-IKTARA - U3400"},
    {"602", "6x55-SN45546 (CONECTOR BATERIA) - J3200"},
    {"603", "6x71-TIGRIS2 - U3300"},
    {"604", "6x75-TPS61280 (VBOOST) - U3100"},
    {"701", "7x1A-HYDRA"},
    {"702", "7x1A-HYDRA - U6300"},
};

// The error numbers the standard box quotes for the database failures of a scan evaluation.
constexpr int ErroArquivoNaoEncontrado = 3024;
constexpr int ErroConsulta = 3078;

} // namespace

std::optional<QString> EntradaDispositivo(const QString& id)
{
    for (const Entrada& e : TabelaDispositivos)
        if (id == QLatin1String(e.id))
            return QString::fromLatin1(e.texto);
    return std::nullopt;
}

QStringList CodigosDispositivos()
{
    QStringList c;
    for (const Entrada& e : TabelaDispositivos)
        c << QString::fromLatin1(e.id);
    return c;
}

QString EnderecoDaEntrada(const QString& entrada)
{
    return entrada.mid(1, 3);
}

QString DescricaoDaEntrada(const QString& entrada)
{
    // What follows the address, without the dash that usually parts them: entry "205" has no
    // dash there, and the first dash would leave only its designator (" J1110").
    if (entrada.size() < 4)
        return {};
    const QString resto = entrada.mid(4);
    return resto.startsWith(QLatin1Char('-')) ? resto.mid(1) : resto;
}

std::optional<QStringList> DispositivosEsperados(const QString& caminhoBanco, const QString& modelo,
                                                 int barramento, QString* erro, int* numeroErro)
{
    auto falha = [&](const QString& texto, int numero) -> std::optional<QStringList> {
        if (erro)
            *erro = texto;
        if (numeroErro)
            *numeroErro = numero;
        return std::nullopt;
    };
    if (!QFileInfo(caminhoBanco).isFile())
        return falha(QStringLiteral("Could not find file '%1'.").arg(caminhoBanco), ErroArquivoNaoEncontrado);
    Banco banco(caminhoBanco);
    if (!banco.aberto())
        return falha(banco.erro(), ErroConsulta);
    const auto linhas = banco.linhas(QStringLiteral("SELECT id FROM i WHERE Aparelho = ? AND id LIKE ?"),
                                     {modelo, Banco::curinga(QString::number(barramento) + QLatin1Char('*'))});
    if (!banco.erro().isEmpty())
        return falha(banco.erro(), ErroConsulta);
    QStringList ids;
    for (const auto& r : linhas)
        ids << r.value(0).toString();
    return ids;
}

QList<Dispositivo> AvaliaDispositivos(const QStringList& ids, const QString& resposta,
                                      const QString& textoOk, const QString& textoOff)
{
    QList<Dispositivo> r;
    for (const QString& id : ids) {
        Dispositivo d;
        d.id = id;
        const std::optional<QString> conhecida = EntradaDispositivo(id);
        const QString entrada = conhecida.value_or(QString());
        d.conhecido = conhecida.has_value();
        d.endereco = EnderecoDaEntrada(entrada);
        d.descricao = DescricaoDaEntrada(entrada);
        // An empty address would be found in any answer: a device the table does not know
        // cannot be confirmed, so it is never reported as answering.
        d.presente = d.conhecido && resposta.contains(d.endereco, Qt::CaseSensitive);
        d.veredito = VereditoDe(d.presente);
        d.status = d.presente ? textoOk : textoOff;
        if (d.conhecido)
            d.linha = QStringLiteral("  0") + d.endereco + QStringLiteral(" - ") + d.descricao
                      + QStringLiteral(" - ") + d.status;
        else
            d.linha = QStringLiteral("  NOT ") + id + QStringLiteral(" - ") + d.status;
        r << d;
    }
    return r;
}

void AcrescentaFalha(QString& lista, int barramento, const QString& cabecalho)
{
    const QString marca = QStringLiteral("I2C ") + QString::number(barramento);
    if (lista.contains(marca))
        return;
    if (!lista.isEmpty())
        lista += QStringLiteral("\r\n\r\n");
    else
        lista = cabecalho + QStringLiteral("\r\n\r\n");
    lista += marca + QStringLiteral(":\r\n");
}

QString TextoSemFalhas(const QString& nenhumaFalha)
{
    return QStringLiteral("\r\n       ") + nenhumaFalha;
}

Botoes BotoesDoModelo(const QString& modelo)
{
    const PerfilModelo::BarramentosI2c& i2c = PerfilModelo::de(modelo).i2c;
    Botoes b;
    for (int i = 0; i < NumeroBarramentos; ++i) {
        b.visivel[i] = !i2c.ocultos.contains(i);
        b.habilitado[i] = !i2c.desligados.contains(i);
    }
    b.autoTesteNoTopoDe = i2c.autoTesteNoTopoDe;
    return b;
}

PassoAuto PassoAutoTeste(int indice, const std::array<bool, NumeroBarramentos>& visivel,
                         const std::array<bool, NumeroBarramentos>& habilitado)
{
    PassoAuto p;
    p.proximo = indice;
    if (indice >= NumeroBarramentos) {
        p.finaliza = true;
        return p;
    }
    if (indice >= 0 && habilitado[indice])
        p.varre = indice;
    p.proximo = indice + 1;
    // There is no button after bus 7: the next tick finishes at IndiceAuto 8.
    const bool haProximo = p.proximo < NumeroBarramentos && visivel[p.proximo];
    if (p.varre < 0 && !haProximo)
        p.finaliza = true;
    return p;
}

QList<int> BarramentosDoAutoTeste(const Botoes& botoes)
{
    QList<int> varridos;
    int indice = 0;
    for (int tick = 0; tick < 4 * NumeroBarramentos; ++tick) {
        const PassoAuto p = PassoAutoTeste(indice, botoes.visivel, botoes.habilitado);
        if (p.varre >= 0)
            varridos << p.varre;
        indice = p.proximo;
        if (p.finaliza)
            break;
    }
    return varridos;
}

QString ArquivoDiagrama(const QString& modelo)
{
    return PerfilModelo::de(modelo).i2c.diagrama;
}

} // namespace ModuloI2C
