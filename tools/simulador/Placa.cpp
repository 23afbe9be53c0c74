#include "Placa.h"

#include "db/Banco.h"
#include "rails/LeituraAdc.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlRecord>
#include <QTextStream>
#include <cmath>

namespace {

QString chaveComando(const QString& comando)
{
    return comando.simplified().toLower();
}

// The regulatory numbers of each model; the first is the one the board reports by default.
const QList<QPair<QString, QStringList>>& tabelaModelos()
{
    static const QList<QPair<QString, QStringList>> t = {
        {QStringLiteral("IP 6"), {"A1549", "A1586", "A1589"}},
        {QStringLiteral("IP 6 Plus"), {"A1524", "A1593", "A1522"}},
        {QStringLiteral("IP 6s"), {"A1688", "A1700", "A1633"}},
        {QStringLiteral("IP 6s Plus"), {"A1687", "A1634", "A1699"}},
        {QStringLiteral("IP 7"), {"A1660", "A1779", "A1778"}},
        {QStringLiteral("IP 7 Plus"), {"A1661", "A1784", "A1785"}},
        {QStringLiteral("IP 8"), {"A1863", "A1906", "A1905"}},
        {QStringLiteral("IP 8 Plus"), {"A1864", "A1897", "A1898"}},
        {QStringLiteral("IP X"), {"A1865", "A1901", "A1902"}},
    };
    return t;
}

// Address text of each I2C device code, as the console looks for it in a scan.
const QHash<QString, QString>& enderecosI2c()
{
    static const QHash<QString, QString> h = {
        {"001", "x1A"}, {"002", "x1A"}, {"003", "x27"}, {"004", "x27"}, {"005", "x27"},
        {"006", "x27"}, {"007", "x50"}, {"008", "x52"}, {"009", "x62"}, {"010", "x62"},
        {"011", "x62"}, {"012", "x63"}, {"013", "x74"}, {"014", "x74"}, {"015", "x74"},
        {"016", "x75"}, {"017", "x8 "}, {"101", "x1A"}, {"102", "x5A"}, {"103", "x62"},
        {"104", "x74"}, {"105", "x75"}, {"106", "x75"}, {"107", "x75"}, {"201", "x21"},
        {"202", "x21"}, {"203", "x29"}, {"204", "x29"}, {"205", "x29"}, {"206", "x51"},
        {"207", "X62"}, {"301", "x50"}, {"302", "x51"}, {"303", "x51"}, {"304", "x51"},
        {"305", "x62"}, {"306", "x8 "}, {"401", "x29"}, {"402", "x58"}, {"403", "x58"},
        {"601", "x39"}, {"602", "x55"}, {"603", "x71"}, {"604", "x75"}, {"701", "x1A"},
        {"702", "x1A"},
    };
    return h;
}

// Readings of a board without reference data, by PMU ADC channel code.
double valorPadraoPmu(int codigo)
{
    static const double bucks[] = {800, 0, 1100, 1800, 1100, 1200, 1000, 1800, 0, 2850, 1250, 3300};
    static const double ldos[] = {1800, 1800, 3000, 3000, 2800, 1200, 0,    3000, 1800, 3300,
                                  2500, 1800, 1200, 3000, 1800, 2850, 1100, 1800, 3000, 1200};
    if (codigo >= 0 && codigo <= 11)
        return bucks[codigo];
    if (codigo >= 12 && codigo <= 14)
        return 1800;
    if (codigo == 15 || codigo == 16)
        return 1100;
    if (codigo >= 20 && codigo <= 31)
        return 150 + 10 * (codigo - 20);
    if (codigo >= 40 && codigo <= 59)
        return ldos[codigo - 40];
    if (codigo >= 60 && codigo <= 79)
        return 5 + (codigo - 60);
    if (codigo == 80)
        return 2.5;
    if (codigo == 81)
        return 1200;
    if (codigo == 82)
        return 3000;
    return 0;
}

// A reference text as the console computes with it: points dropped, "," as decimal separator.
std::optional<double> numeroComoConsole(QString texto)
{
    texto = texto.trimmed();
    texto.remove(QLatin1Char('.'));
    texto.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = texto.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

// The first number of a shown reference ("1.8 V", "150,0 mA").
std::optional<double> numeroDeRef(const QString& ref, bool corrente)
{
    static const QRegularExpression re(QStringLiteral("-?\\d+(?:[.,]\\d+)?"));
    const auto m = re.match(ref);
    if (!m.hasMatch())
        return std::nullopt;
    QString n = m.captured(0);
    n.replace(QLatin1Char(','), QLatin1Char('.'));
    const double v = n.toDouble();
    if (ref.trimmed().startsWith(QLatin1Char('<')))
        return v * 0.4; // a limit, not a value: a good board draws well below it
    if (corrente || ref.contains(QLatin1String("mV")))
        return v;
    return v * 1000;
}

QString desescapa(const QString& t)
{
    QString r;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('\\') && i + 1 < t.size()) {
            const QChar c = t[++i];
            if (c == QLatin1Char('n'))
                r += QLatin1Char('\n');
            else if (c == QLatin1Char('r'))
                r += QLatin1Char('\r');
            else if (c == QLatin1Char('t'))
                r += QLatin1Char('\t');
            else
                r += c;
        } else {
            r += t[i];
        }
    }
    return r;
}

} // namespace

Placa::Placa(const Opcoes& opcoes) : m_op(opcoes)
{
    m_modelo = opcoes.modelo;
    m_rmd = opcoes.rmd;
    if (m_modelo.isEmpty())
        m_modelo = modeloDoRmd(m_rmd);
    if (m_modelo.isEmpty())
        m_modelo = QStringLiteral("IP 7");
    if (m_rmd.isEmpty())
        m_rmd = rmdDoModelo(m_modelo);
}

const QStringList& Placa::modelos()
{
    static const QStringList l = [] {
        QStringList r;
        for (const auto& p : tabelaModelos())
            r << p.first;
        return r;
    }();
    return l;
}

QString Placa::rmdDoModelo(const QString& modelo)
{
    for (const auto& p : tabelaModelos())
        if (p.first == modelo)
            return p.second.first();
    return QString();
}

QString Placa::modeloDoRmd(const QString& rmd)
{
    for (const auto& p : tabelaModelos())
        if (p.second.contains(rmd))
            return p.first;
    return QString();
}

QString Placa::rotuloDaChave(const QString& chave)
{
    const QString c = chave.trimmed();
    static const QRegularExpression numero(QStringLiteral("^\\d+$"));
    if (numero.match(c).hasMatch()) {
        const QString r = RotuloAdc(c);
        if (!r.isEmpty())
            return r;
    }
    return c;
}

bool Placa::carregaBanco(QString* erro)
{
    Banco banco(m_op.banco);
    if (!banco.aberto()) {
        if (erro)
            *erro = banco.erro();
        return false;
    }
    // References: the first row of each channel that carries a reference value wins.
    const auto master = banco.linhas(QStringLiteral("SELECT RefT, RefV, Ref FROM Master "
                                                    "WHERE Modelo = ? AND RefT <> '' ORDER BY rowid"),
                                     {m_modelo});
    for (const QSqlRecord& r : master) {
        bool ok = false;
        const int codigo = r.value(0).toString().trimmed().toInt(&ok);
        if (!ok)
            continue;
        const QString refv = r.value(1).toString().trimmed();
        const QString ref = r.value(2).toString().trimmed();
        const bool temRef = !refv.isEmpty() && refv != QLatin1String("0");
        if (!m_refs.contains(codigo)) {
            m_refs.insert(codigo, {refv, ref});
        } else if (temRef) {
            const QString anterior = m_refs.value(codigo).first;
            if (anterior.isEmpty() || anterior == QLatin1String("0"))
                m_refs.insert(codigo, {refv, ref});
        }
    }
    const auto dados = banco.linhas(
        QStringLiteral("SELECT Comando, Dados FROM Dados WHERE Aparelho = ? ORDER BY rowid"), {m_modelo});
    for (const QSqlRecord& r : dados) {
        const QString k = chaveComando(r.value(0).toString());
        const QString d = r.value(1).toString();
        if (!k.isEmpty() && !d.trimmed().isEmpty() && !m_dados.contains(k))
            m_dados.insert(k, d);
    }
    const auto ids = banco.linhas(QStringLiteral("SELECT id FROM i WHERE Aparelho = ? ORDER BY rowid"),
                                  {m_modelo});
    for (const QSqlRecord& r : ids)
        m_i2c << r.value(0).toString().trimmed();
    // The recorded answers carry a mask where a board's own text stood; the board prints a
    // text the console masks back (a fragment of table M), so its answers match them.
    const auto fragmentos = banco.linhas(QStringLiteral("SELECT String FROM M ORDER BY String DESC"));
    for (const QSqlRecord& r : fragmentos) {
        QString f = r.value(0).toString();
        for (const char* marca : {"'jox'", "'nas'", "'ins'"})
            f.remove(QLatin1String(marca));
        if (f.trimmed().isEmpty() || f.contains(QLatin1Char('\n')) || f.contains(QLatin1Char('[')))
            continue;
        // A serial-number-like fragment reads best wherever a mask stood.
        static const QRegularExpression serial(QStringLiteral("^[0-9A-Z]{10,}$"));
        if (serial.match(f).hasMatch()) {
            m_mascara = f;
            break;
        }
        if (m_mascara == QLatin1String("C39VEXADOR01"))
            m_mascara = f;
    }
    return true;
}

void Placa::ajusta(const QString& chave, const AjusteCanal& ajuste)
{
    m_ajustes.insert(rotuloDaChave(chave), ajuste);
}

QStringList Placa::ajustesSemCanal() const
{
    QSet<QString> rotulos;
    for (const QList<Canal>& canais : {canaisPmu(), canaisAcorn(), canaisTigris(), canaisChestnut()})
        for (const Canal& c : canais)
            rotulos.insert(c.rotulo);
    QStringList sem;
    for (auto it = m_ajustes.constBegin(); it != m_ajustes.constEnd(); ++it)
        if (!rotulos.contains(it.key()))
            sem << it.key();
    sem.sort();
    return sem;
}

void Placa::defineResposta(const QString& comando, const QString& saida)
{
    m_respostas.insert(chaveComando(comando), saida);
}

bool Placa::carregaPerfil(const QString& caminho, QString* erro)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (erro)
            *erro = QStringLiteral("cannot read %1").arg(caminho);
        return false;
    }
    QTextStream in(&f);
    int numero = 0;
    while (!in.atEnd()) {
        const QString original = in.readLine();
        ++numero;
        const QString linha = original.trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype espaco = linha.indexOf(QLatin1Char(' '));
        const QString diretiva = espaco < 0 ? linha : linha.left(espaco);
        const QString resto = espaco < 0 ? QString() : linha.mid(espaco + 1);
        const qsizetype igual = resto.indexOf(QLatin1Char('='));
        const QString chave = (igual < 0 ? resto : resto.left(igual)).trimmed();
        const QString valor = igual < 0 ? QString() : resto.mid(igual + 1).trimmed();
        auto falha = [&]() {
            if (erro)
                *erro = QStringLiteral("%1:%2: %3").arg(caminho).arg(numero).arg(original);
            return false;
        };
        if (chave.isEmpty())
            return falha();
        AjusteCanal a;
        if (diretiva == QLatin1String("valor")) {
            if (igual < 0)
                return falha();
            a.tipo = AjusteCanal::Tipo::Valor;
            a.texto = valor;
            ajusta(chave, a);
        } else if (diretiva == QLatin1String("sem")) {
            a.tipo = AjusteCanal::Tipo::Ausente;
            ajusta(chave, a);
        } else if (diretiva == QLatin1String("tempo")) {
            a.tipo = AjusteCanal::Tipo::Tempo;
            a.texto = valor.isEmpty() ? QStringLiteral("timeout") : valor;
            ajusta(chave, a);
        } else if (diretiva == QLatin1String("desvio") || diretiva == QLatin1String("deriva")) {
            bool ok = false;
            a.tipo = diretiva == QLatin1String("deriva") ? AjusteCanal::Tipo::Deriva : AjusteCanal::Tipo::Desvio;
            a.desvio = QString(valor).remove(QLatin1Char('%')).toDouble(&ok);
            if (!ok)
                return falha();
            ajusta(chave, a);
        } else if (diretiva == QLatin1String("toque")) {
            // "toque desligado": the touch controller starts off.
            if (chave.section(QLatin1Char(' '), 0, 0) != QLatin1String("desligado"))
                return falha();
            m_toqueSimulado = true;
            m_toqueLigado = false;
        } else if (diretiva == QLatin1String("resposta")) {
            if (igual < 0)
                return falha();
            // The value keeps its blanks: take it from the untrimmed line after "=".
            const QString bruto = original.mid(original.indexOf(QLatin1Char('=')) + 1);
            defineResposta(chave, desescapa(bruto.startsWith(QLatin1Char(' ')) ? bruto.mid(1) : bruto));
        } else {
            return falha();
        }
    }
    return true;
}

// ---------------------------------------------------------------- channels

double Placa::valorPmu(int codigo) const
{
    const bool corrente = CanalCorrenteAdc(QString::number(codigo));
    if (m_refs.contains(codigo)) {
        const auto [refv, ref] = m_refs.value(codigo);
        if (!refv.isEmpty() && refv != QLatin1String("0")) {
            if (const auto n = numeroComoConsole(refv))
                return *n; // millivolts for a voltage written with three decimals
        }
        if (const auto n = numeroDeRef(ref, corrente))
            return *n;
    }
    // The chip readers grade some PMU channels against fixed references.
    if (familia("IP 6")) {
        if (codigo == 43)
            return 3000; // Tristar supply
        if (codigo == 63)
            return 45;
    }
    if (codigo == 47)
        return 3000;
    if (codigo == 67)
        return 45;
    if (familia("IP X") && codigo == 4)
        return 1100;
    return valorPadraoPmu(codigo);
}

QList<Placa::Canal> Placa::canaisPmu() const
{
    QList<Canal> l;
    for (const auto& [codigo, rotulo] : TabelaRotulosAdc()) {
        const int c = codigo.toInt();
        l.append({rotulo, valorPmu(c), CanalCorrenteAdc(codigo) ? QStringLiteral("mA") : QStringLiteral("mV")});
    }
    return l;
}

QList<Placa::Canal> Placa::canaisAcorn() const
{
    const QString mv = QStringLiteral("mV"), ma = QStringLiteral("mA");
    return {
        {QStringLiteral("acorn ground :"), 0, mv},    {QStringLiteral("acorn vin :"), 3800, mv},
        {QStringLiteral("acorn vb :"), 5100, mv},     {QStringLiteral("acorn vp :"), 10000, mv},
        {QStringLiteral("acorn vn :"), -6700, mv},    {QStringLiteral("acorn vh :"), 5250, mv},
        {QStringLiteral("acorn vl :"), 2000, mv},     {QStringLiteral("acorn va :"), 3500, mv},
        {QStringLiteral("acorn vc :"), 1100, mv},     {QStringLiteral("acorn die_temp :"), 31.25, "C"},
        {QStringLiteral("acorn ia :"), 12.5, ma},     {QStringLiteral("acorn in :"), 8.25, ma},
        {QStringLiteral("acorn ip :"), 9.75, ma},     {QStringLiteral("acorn ih :"), 6.5, ma},
    };
}

QList<Placa::Canal> Placa::canaisTigris() const
{
    const QString mv = QStringLiteral("mV"), ma = QStringLiteral("mA");
    QList<Canal> l = {
        {QStringLiteral("tigris vbus :"), 5000, mv},  {QStringLiteral("tigris ibus :"), 450.25, ma},
        {QStringLiteral("tigris vbat :"), 3950, mv},  {QStringLiteral("tigris ibat :"), 380.5, ma},
        {QStringLiteral("tigris vdd :"), 3950, mv},   {QStringLiteral("tigris die_temp :"), 32.5, "C"},
    };
    if (novo()) {
        l += {{QStringLiteral("tigris vbus1 :"), 5000, mv},
              {QStringLiteral("tigris vbus2 :"), 5000, mv},
              {QStringLiteral("tigris vldo :"), 4800, mv},
              {QStringLiteral("tigris vntc :"), 1200, mv}};
    }
    return l;
}

QList<Placa::Canal> Placa::canaisChestnut() const
{
    const QString mv = QStringLiteral("mV"), ma = QStringLiteral("mA");
    return {
        {QStringLiteral("chestnut vldo1 :"), 5700, mv}, {QStringLiteral("chestnut vldo2 :"), 5700, mv},
        {QStringLiteral("chestnut vldo3 :"), m_toqueLigado ? 5100.0 : 0.0, mv}, {QStringLiteral("chestnut ildo1 :"), 12.5, ma},
        {QStringLiteral("chestnut ildo2 :"), 10.25, ma}, {QStringLiteral("chestnut ildo3 :"), 8.75, ma},
        {QStringLiteral("chestnut vneg :"), -5700, mv}, {QStringLiteral("chestnut ineg :"), 15, ma},
        {QStringLiteral("chestnut vin :"), 3800, mv},   {QStringLiteral("chestnut ground :"), 0, mv},
        {QStringLiteral("chestnut vboost :"), 6000, mv},
    };
}

// One channel line: label, blank, value, blank, unit; "" when the channel is removed.
QString Placa::linha(const Canal& c) const
{
    double v = c.valor;
    const auto it = m_ajustes.constFind(c.rotulo);
    if (it != m_ajustes.constEnd()) {
        switch (it->tipo) {
        case AjusteCanal::Tipo::Ausente:
            return QString();
        case AjusteCanal::Tipo::Valor:
        case AjusteCanal::Tipo::Tempo:
            return c.rotulo + QLatin1Char(' ') + it->texto + QLatin1Char(' ') + c.unidade;
        case AjusteCanal::Tipo::Desvio:
            v = v * (1.0 + it->desvio / 100.0);
            break;
        case AjusteCanal::Tipo::Deriva:
            // A part warming up: each reading further off than the one before.
            v = v * (1.0 + m_leiturasPmu * it->desvio / 100.0);
            break;
        }
    }
    QString valor;
    if (c.unidade == QLatin1String("mV"))
        valor = QString::number(std::round(v) + 0.0, 'f', 3); // whole millivolts: exact percentages
    else
        valor = QString::number(v + 0.0, 'f', 3);
    if (valor.startsWith(QLatin1String("-0.")) && QString(valor).remove(QRegularExpression("[-0.]")).isEmpty())
        valor.remove(0, 1);
    return c.rotulo + QLatin1Char(' ') + valor + QLatin1Char(' ') + c.unidade;
}

QStringList Placa::linhas(const QList<Canal>& canais) const
{
    QStringList l;
    for (const Canal& c : canais) {
        const QString t = linha(c);
        if (!t.isEmpty())
            l << t;
    }
    return l;
}

QStringList Placa::linhasPmu()
{
    QStringList l = linhas(canaisPmu());
    if (familia("IP X"))
        l += linhas(canaisAcorn());
    return l;
}

QStringList Placa::linhasTigris()
{
    return linhas(canaisTigris());
}

QStringList Placa::linhasChestnut()
{
    return linhas(canaisChestnut());
}

// ---------------------------------------------------------------- outputs

// A recorded answer turned back into what the phone prints: console line breaks undone,
// leading break, echo and trailing prompt dropped, masks filled with the board's text.
QString Placa::dadosGravados(const QString& comando) const
{
    QString t = m_dados.value(chaveComando(comando));
    if (t.isEmpty())
        return t;
    t.replace(QLatin1String("\r\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList linhas = t.split(QLatin1Char('\n'));
    // Whole lines masked leave nothing a board could print there: use the board's own text.
    for (const QString& l : linhas)
        if (l.trimmed() == QStringLiteral("xxxxx\u00AE"))
            return QString();
    for (QString& l : linhas)
        l.replace(QStringLiteral("xxxxx\u00AE"), m_mascara);
    while (!linhas.isEmpty() && linhas.first().trimmed().isEmpty())
        linhas.removeFirst();
    if (!linhas.isEmpty() && chaveComando(linhas.first()) == chaveComando(comando))
        linhas.removeFirst();
    while (!linhas.isEmpty() && linhas.last().trimmed().isEmpty())
        linhas.removeLast();
    if (!linhas.isEmpty() && linhas.last().startsWith(QLatin1Char('[')) && linhas.last().contains(QLatin1String(":-)")))
        linhas.removeLast();
    if (linhas.isEmpty())
        return QString();
    return linhas.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString Placa::saidaBuck(bool verifica, int tolerancia) const
{
    int ultimo = -1;
    for (auto it = m_refs.constBegin(); it != m_refs.constEnd(); ++it)
        if (it.key() >= 0 && it.key() <= 11)
            ultimo = std::max(ultimo, it.key());
    if (ultimo < 0)
        ultimo = 9;
    // Outputs that read zero in purple mode (GPU, camera), as the console's note lists them.
    QList<int> zero = {1};
    if (familia("IP 6s"))
        zero << 8 << 6;
    else if (familia("IP 6"))
        zero << 6;
    else if (familia("IP 7"))
        zero << 8 << 9;
    else
        zero << 8;
    QString s;
    for (int b = 0; b <= ultimo; ++b) {
        const bool desligada = zero.contains(b);
        const QString rotulo = RotuloAdc(QString::number(b));
        double mv = desligada ? 0 : valorPmu(b);
        const auto aj = m_ajustes.constFind(rotulo);
        if (!desligada && aj != m_ajustes.constEnd() && aj->tipo == AjusteCanal::Tipo::Desvio)
            mv *= 1.0 + aj->desvio / 100.0;
        const QString medida = QString::number(std::round(mv) + 0.0, 'f', 3);
        if (!verifica) {
            s += QStringLiteral("buck%1: %2 mV\n").arg(b).arg(medida);
            continue;
        }
        // IP 6 boards report their GPU buck as failed even when good.
        const bool gpuIp6 = desligada && b == 1 && (m_modelo == QLatin1String("IP 6") || m_modelo == QLatin1String("IP 6 Plus"));
        const double alvo = desligada ? (gpuIp6 ? 1000 : 0) : valorPmu(b);
        const bool passa = !gpuIp6
            && std::abs(mv - alvo) <= std::abs(alvo) * tolerancia / 100.0 + 0.5;
        s += QStringLiteral("buck%1: target %2 mV, measured %3 mV - %4\n")
                 .arg(b)
                 .arg(qRound(alvo))
                 .arg(medida, passa ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
    }
    return s;
}

QString Placa::saidaI2c(int barramento) const
{
    QString s = QStringLiteral("Scanning I2C bus %1\n").arg(barramento);
    QStringList vistos;
    const QString prefixo = QString::number(barramento);
    for (const QString& id : m_i2c) {
        if (!id.startsWith(prefixo))
            continue;
        const QString end = enderecosI2c().value(id);
        if (end.isEmpty() || vistos.contains(end))
            continue;
        vistos << end;
        s += QStringLiteral("  0") + end + QStringLiteral(" : ACK\n");
    }
    if (vistos.isEmpty())
        s += QStringLiteral("  no device answered\n");
    s += QStringLiteral("%1 device(s) found on bus %2\n").arg(vistos.size()).arg(barramento);
    return s;
}

QString Placa::saidaNandsize() const
{
    // The console cuts the size between the first ":" and the prompt: one line, ending in
    // the hexadecimal size (millions of bytes give the capacity class).
    quint64 milhoes = 64;
    if (m_modelo == QLatin1String("IP 6"))
        milhoes = 16;
    else if (m_modelo == QLatin1String("IP 6s") || m_modelo == QLatin1String("IP 7"))
        milhoes = 32;
    else if (m_modelo == QLatin1String("IP 7 Plus"))
        milhoes = 128;
    else if (m_modelo == QLatin1String("IP 8 Plus") || m_modelo == QLatin1String("IP X"))
        milhoes = 256;
    return QStringLiteral("NAND Size (Passed): 0x%1\n")
        .arg(QString::number(milhoes * 1000000, 16).toUpper(), 16, QLatin1Char('0'));
}

namespace {
int capacidadeProjeto(const QString& modelo)
{
    static const QHash<QString, int> c = {{"IP 6", 1810}, {"IP 6 Plus", 2915}, {"IP 6s", 1715},
                                          {"IP 6s Plus", 2750}, {"IP 7", 1960}, {"IP 7 Plus", 2900},
                                          {"IP 8", 1821}, {"IP 8 Plus", 2691}, {"IP X", 2716}};
    return c.value(modelo, 1960);
}
} // namespace

// Property lines: label, a blank and a quote, the value, a closing quote.
QString Placa::saidaGasGauge() const
{
    const int projeto = capacidadeProjeto(m_modelo);
    const int atual = (projeto * 95 + 99) / 100; // health reads 95 % after the floor
    QString s = QStringLiteral("GasGauge properties\n");
    s += QStringLiteral("    device-name: \"bq27546\"\n");
    s += QStringLiteral("    serial: \"%1\"\n").arg(m_mascara);
    s += QStringLiteral("    cycle-count: \"128\"\n");
    s += QStringLiteral("    charge-percentage: \"85%\"\n");
    s += QStringLiteral("    design-capacity: \"%1mAh\"\n").arg(projeto);
    s += QStringLiteral("    nominal-capacity: \"%1mAh\"\n").arg(atual);
    s += QStringLiteral("    voltage: \"4012mV\"\n");
    s += QStringLiteral("    current: \"-245mA\"\n");
    s += QStringLiteral("    temperature: \"29.5C\"\n");
    s += QStringLiteral("    state: \"Discharging\"\n");
    return s;
}

QString Placa::saidaBateria() const
{
    const int projeto = capacidadeProjeto(m_modelo);
    QString s = QStringLiteral("Battery properties\n");
    s += QStringLiteral("  manufacturer: ATL\n");
    s += QStringLiteral("  serial: %1\n").arg(m_mascara);
    s += QStringLiteral("  design-capacity: %1mAh\n").arg(projeto);
    s += QStringLiteral("  full-charge-capacity: %1mAh\n").arg(projeto * 95 / 100);
    s += QStringLiteral("  charging-state: charging\n");
    s += QStringLiteral("  authentication: Passed\n");
    return s;
}

// An answer that takes its time: the lines spread over totalMs, then the last text.
QList<Trecho> Placa::saidaLonga(const QStringList& linhas, const QString& fim, int totalMs) const
{
    QList<Trecho> r;
    if (m_op.rapido || linhas.isEmpty()) {
        r.append({(linhas.join(QLatin1Char('\n')) + QLatin1Char('\n') + fim).toUtf8(), 0});
        return r;
    }
    // A piece at least every 25 ms: the console ends an answer at its first quiet poll.
    const int pedacos = std::max(1, std::min<int>(linhas.size(), totalMs / 25));
    const int porPedaco = (linhas.size() + pedacos - 1) / pedacos;
    const int pausa = totalMs / pedacos;
    for (int i = 0; i < linhas.size(); i += porPedaco) {
        const QStringList parte = linhas.mid(i, porPedaco);
        r.append({(parte.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), i == 0 ? 0 : pausa});
    }
    r.append({fim.toUtf8(), pausa});
    return r;
}

QList<Trecho> Placa::responde(const QString& comando, bool* comPrompt)
{
    *comPrompt = true;
    const QString k = chaveComando(comando);
    auto uma = [](const QString& s) { return QList<Trecho>{{s.toUtf8(), 0}}; };
    auto gravadaOu = [&](const QString& padrao) {
        const QString d = dadosGravados(comando);
        return uma(d.isEmpty() ? padrao : d);
    };

    if (m_respostas.contains(k))
        return uma(m_respostas.value(k));
    if (k.isEmpty())
        return {};

    const QString semDriver = QStringLiteral("Error: SystemConfig Driver is missing!\n");
    if (k == QLatin1String("syscfg print rmd#")) {
        ++m_consultasModelo;
        if (m_op.semDriver)
            return uma(semDriver);
        if (m_op.recusaPrimeira && m_consultasModelo == 1)
            return uma(QStringLiteral("Command not found\n"));
        return uma(m_rmd + QLatin1Char('\n'));
    }
    if (k == QLatin1String("syscfg list")) {
        if (m_op.semDriver)
            return uma(semDriver);
        QStringList l;
        l << QStringLiteral("Listing SysCfg entries:");
        l << QStringLiteral("SrNm: %1").arg(m_mascara) << QStringLiteral("RMd#: %1").arg(m_rmd);
        for (int i = 0; l.size() < 1800; ++i)
            l << QStringLiteral("Key%1: 0x%2 0x%3 0x%4 0x%5")
                     .arg(i, 4, 10, QLatin1Char('0'))
                     .arg(QString::number(0x1000 + i * 7, 16), QString::number(0x2A00 + i, 16),
                          QString::number(0x3300 + i * 3, 16), QString::number(0x4100 + i * 5, 16));
        return saidaLonga(l, QStringLiteral("Finished\n"), 45000);
    }
    if (k == QLatin1String("pmuadc --read all")) {
        const QString saida = QStringLiteral("PMU ADC readout, all channels\n") + linhasPmu().join(QLatin1Char('\n'))
                              + QLatin1Char('\n');
        ++m_leiturasPmu;
        return uma(saida);
    }
    if (k == QLatin1String("pmuadc --sel tigris --read all"))
        return uma(QStringLiteral("Tigris charger ADC readout\n") + linhasTigris().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    if (k == QLatin1String("pmuadc --sel chestnut --read all")) {
        if (familia("IP X"))
            return uma(QStringLiteral("Error: chestnut is not present on this board\n"));
        return uma(QStringLiteral("Chestnut ADC readout\n") + linhasChestnut().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    if (k == QLatin1String("buck"))
        return uma(saidaBuck(false, 0));
    static const QRegularExpression buckcheck(QStringLiteral("^buckcheck (\\d+)$"));
    if (const auto m = buckcheck.match(k); m.hasMatch())
        return uma(saidaBuck(true, m.captured(1).toInt()));
    static const QRegularExpression i2c(QStringLiteral("^i2c -s (\\d+)$"));
    if (const auto m = i2c.match(k); m.hasMatch())
        return uma(saidaI2c(m.captured(1).toInt()));
    if (k == QLatin1String("nandsize"))
        return uma(saidaNandsize());
    if (k == QLatin1String("nanduid") || k == QLatin1String("nand --getinfo")) {
        const QString d = dadosGravados(comando);
        if (d.contains(QLatin1String("Pass")) || d.contains(QLatin1String("name:")))
            return uma(d);
        if (k == QLatin1String("nanduid"))
            return uma(QStringLiteral("NAND UID: 0x%1\nPassed\n").arg(m_mascara));
        return uma(QStringLiteral("NAND information\nname: NAND0\nvendor: Toshiba\ncell: TLC\n"
                                  "page size: 16384\nblock count: 2048\nfirmware: 0x0227\nPassed\n"));
    }
    if (k == QLatin1String("testmemory"))
        return gravadaOu(QStringLiteral("Testing DRAM...\n  data bus test ... ok\n  address bus test ... ok\n"
                                        "  device test ... ok\nMemory test Passed\n"));
    if (k == QLatin1String("testmemory --1mb")) {
        QStringList l;
        for (int i = 0; i < 600; ++i)
            l << QStringLiteral("  block 0x%1 ... ok").arg(QString::number(0x100000 + i * 0x1000, 16).toUpper(), 8, QLatin1Char('0'));
        return saidaLonga(QStringList{QStringLiteral("Testing 1MB of DRAM...")} + l, QStringLiteral("Memory test Passed\n"), 15000);
    }
    if (k == QLatin1String("device --key gasgauge -p"))
        return uma(saidaGasGauge());
    if (k == QLatin1String("battery --properties"))
        return gravadaOu(saidaBateria());

    // Radios: switching on reports success the way the console's rules read it.
    if (k == QLatin1String("baseband --on"))
        return gravadaOu(QStringLiteral("Powering on baseband...\nBB_HSIC_RDY asserted\nBaseband power on success\n"));
    if (k == QLatin1String("bluetooth --on"))
        return gravadaOu(QStringLiteral("Bluetooth power on success\n"));
    if (k == QLatin1String("wifi --on"))
        return gravadaOu(QStringLiteral("Wifi power on success\n"));
    if (k == QLatin1String("gps --on"))
        return gravadaOu(QStringLiteral("GPS power on success\n"));
    if (k == QLatin1String("stockholm --on"))
        return gravadaOu(QStringLiteral("Stockholm powered on\nOK\n"));
    static const QRegularExpression radio(QStringLiteral("^(baseband|bluetooth|wifi|gps|stockholm) "));
    if (radio.match(k).hasMatch()) {
        const QString nome = k.section(QLatin1Char(' '), 0, 0);
        if (k.endsWith(QLatin1String("--off")))
            return gravadaOu(nome + QStringLiteral(" power off\n"));
        return gravadaOu(nome + QStringLiteral(" properties:\n  power: on\n  firmware: 7.80.00\n  address: ")
                         + m_mascara + QLatin1Char('\n'));
    }

    if (k == QLatin1String("tristar -p")) {
        return gravadaOu(QStringLiteral("Tristar properties:\n  device-id: 0x35\n  revision: 0x05\n"
                                        "  dx1: 0x00 dx2: 0x00\n  acc1: 0x00 acc2: 0x00\n"
                                        "  status: 0x00000000\n  interrupt-mask: 0x0000ffff\n"
                                        "  firmware: 0x0201\n"));
    }
    if (k.startsWith(QLatin1String("tristar "))) {
        return gravadaOu(QStringLiteral("dx1: 0x00 (usb data)\ndx2: 0x00 (usb data)\nacc1: 0x00 (accessory id)\n"
                                        "acc2: 0x00 (accessory id)\nidx: 0x12 (accessory index)\n"
                                        "vdx: 0x1f (accessory voltage)\nread complete\n"));
    }
    if (m_toqueSimulado && (k == QLatin1String("touch --on") || k == QLatin1String("touch --off")))
        m_toqueLigado = k == QLatin1String("touch --on");
    if (k == QLatin1String("touch --on"))
        return gravadaOu(QStringLiteral("Touch controller powered on\nOK\n"));
    if (k == QLatin1String("touch --off"))
        return gravadaOu(QStringLiteral("Touch controller powered off\nOK\n"));
    if (k == QLatin1String("bl") || k.startsWith(QLatin1String("bl ")))
        return gravadaOu(QStringLiteral("Backlight: %1\nOK\n").arg(comando.simplified().mid(3)));
    if (k.startsWith(QLatin1String("display"))) {
        if (k.startsWith(QLatin1String("displaytext")))
            return gravadaOu(QStringLiteral("Drawing text on display\nOK\n"));
        QString res = QStringLiteral("750 x 1334");
        if (m_modelo.endsWith(QLatin1String("Plus")))
            res = QStringLiteral("1080 x 1920");
        else if (familia("IP X"))
            res = QStringLiteral("1125 x 2436");
        return gravadaOu(QStringLiteral("Display mode: %1 @ 60Hz\n").arg(res));
    }
    if (k == QLatin1String("help")) {
        return gravadaOu(QStringLiteral(
            "Available commands:\n"
            "\"pmuadc\" - read the PMU ADC channels\n\"buck\" - buck output voltages\n"
            "\"buckcheck\" - buck outputs against a tolerance\n\"i2c\" - scan an I2C bus\n"
            "\"bl\" - backlight\n\"display\" - display mode\n\"displaytext\" - text on the display\n"
            "\"nandsize\" - NAND size\n\"nanduid\" - NAND unique id\n\"nand\" - NAND information\n"
            "\"syscfg\" - system configuration\n\"baseband\" \"bluetooth\" \"wifi\" \"gps\" \"stockholm\" - radios\n"
            "\"tristar\" - port controller\n\"touch\" - touch controller\n\"battery\" - battery\n"
            "\"device\" - device properties\n\"testmemory\" - memory test\n\"reset\" \"shutdown\"\n"));
    }
    if (k == QLatin1String("buttoncnt --dqe"))
        return gravadaOu(QStringLiteral("Button test running, results on the display. Send /q to finish.\n"));
    if (k == QLatin1String("/q"))
        return gravadaOu(QStringLiteral("Button test finished\n"));
    if (k == QLatin1String("reset")) {
        *comPrompt = false;
        return uma(QStringLiteral("Resetting the device...\n"));
    }
    if (k == QLatin1String("shutdown")) {
        *comPrompt = false;
        return uma(QStringLiteral("Shutting down...\n"));
    }
    const QString d = dadosGravados(comando);
    if (!d.isEmpty())
        return uma(d);
    return uma(QStringLiteral("Command not found\n"));
}
