#include "boardtests/Nand.h"
#include "shell/BuscaTexto.h"

#include <cmath>
#include <limits>

namespace ModuloNand {

QString ComandoNand(int funcao)
{
    switch (funcao) {
    case 0: return QStringLiteral("nanduid");
    case 1: return QStringLiteral("nandsize");
    case 2: return QStringLiteral("nand --getinfo");
    case 3: return QStringLiteral("syscfg list");
    default: return QString();
    }
}

int ValorHexa(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return 10 + (u - u'A');
    return 0;
}

QString ClasseTamanho(int n)
{
    struct Classe {
        int de, ate;
        const char* texto;
    };
    static const Classe classes[] = {
        {7, 12, "8 GB"},       {14, 20, "16 GB"},     {22, 39, "32 GB"},
        {46, 79, "64 GB"},     {81, 139, "128 GB"},   {191, 349, "256 GB"},
        {351, 699, "512 GB"},  {701, 1299, "1024 GB"},
    };
    for (const Classe& c : classes)
        if (n >= c.de && n <= c.ate)
            return QString::fromLatin1(c.texto);
    return QString::number(n) + QStringLiteral(" GB APROX.");
}

std::optional<QString> ClassificaTamanho(const QString& texto)
{
    if (texto.size() > 51)
        return std::nullopt;
    // 51 hexadecimal digits exceed every integer type; a double holds the magnitude, and every
    // value whose class fits (n below 32768) is exact in it.
    double valor = 0;
    for (QChar c : texto)
        valor = valor * 16 + ValorHexa(c);
    const double milhoes = std::floor(valor / 1000000.0);
    if (milhoes > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return QStringLiteral("NAND ") + ClasseTamanho(static_cast<int>(milhoes));
}

std::optional<QString> TextoTamanho(const QString& resposta)
{
    const qsizetype c = resposta.indexOf(QLatin1Char(':')) + 1;  // counted from 1, 0 = none
    const qsizetype k = resposta.indexOf(QLatin1Char('[')) + 1;
    const qsizetype tamanho = (k - 2) - (c + 1);
    if (tamanho < 0)
        return std::nullopt;
    return resposta.mid(c, tamanho);
}

Veredicto AvaliaNand(int funcao, const QString& txtDados)
{
    Veredicto v;
    if (txtDados.size() < MinimoVeredicto)
        return v;
    v.julgado = true;
    if (ContemTexto(txtDados, QLatin1String("not found"))) {
        v.naoDisponivel = true;
        return v;
    }
    if (funcao == 3) {
        if (txtDados.size() >= MinimoSyscfg) {
            v.tipo = Veredicto::Tipo::Ok;
        } else if (ContemTexto(txtDados, QLatin1String("Driver is missing!"))) {
            v.erroAntes = true;
            v.tipo = Veredicto::Tipo::Off;
        }
        return v;
    }
    // "Passed" holds "Pass": one search answers both.
    if (ContemTexto(txtDados, QLatin1String("Pass")) || ContemTexto(txtDados, QLatin1String("name:"))) {
        v.tipo = Veredicto::Tipo::Ok;
    } else {
        v.tipo = Veredicto::Tipo::Off;
        v.erroDepois = ContemTexto(txtDados, QLatin1String("ERROR"));
    }
    return v;
}

} // namespace ModuloNand
