#include "db/ExameBanco.h"

#include "db/Banco.h"

#include <QFileInfo>
#include <QSqlRecord>

namespace {

struct TabelaEsperada {
    const char* nome;
    QStringList campos;
};

// The tables every part of the program reads, with the fields it reads from them.
const QList<TabelaEsperada>& tabelasEsperadas()
{
    static const QList<TabelaEsperada> tabelas = {
        {"Dados", {"Aparelho", "Comando", "Dados", "Info", "Info2", "Info3"}},
        {"Comandos", {"Comando", "Info", "Info2", "Info3"}},
        {"Master", {"Modelo", "Malha", "Orig", "Leitura", "Ref", "Porc", "Ci", "G1", "G2", "G3", "RefV", "RefT",
                    "Info", "TIPO"}},
        {"Combos", {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7", "Combo8", "Combo9",
                    "Combo10"}},
        {"Tools", {"Idioma", "syncbd", "Nome"}},
        {"Ultimo", {"Modelo"}},
        {"Rf", {"Modelo", "Malha", "Componente", "Valor", "Tipo"}},
        {"i", {"Aparelho", "id"}},
        {"M", {"String"}},
    };
    return tabelas;
}

ExameBanco ilegivel(const QString& detalhe)
{
    return {ExameBanco::Estado::Ilegivel, detalhe};
}

} // namespace

ExameBanco ExaminaBanco(Banco& banco)
{
    if (!banco.aberto())
        return ilegivel(banco.erro());
    const auto verificacao = banco.linhas(QStringLiteral("PRAGMA quick_check"));
    if (!banco.erro().isEmpty())
        return ilegivel(banco.erro());
    if (verificacao.isEmpty() || verificacao.first().value(0).toString() != QLatin1String("ok")) {
        QStringList achados;
        for (const QSqlRecord& r : verificacao)
            achados << r.value(0).toString();
        return ilegivel(achados.join(QStringLiteral("; ")));
    }

    QStringList faltam;
    int tabelasPresentes = 0;
    for (const TabelaEsperada& t : tabelasEsperadas()) {
        const QString nome = QString::fromLatin1(t.nome);
        const auto campos = banco.linhas(QStringLiteral("Select name from pragma_table_info(?)"), {nome});
        if (!banco.erro().isEmpty())
            return ilegivel(banco.erro());
        if (campos.isEmpty()) {
            faltam << nome;
            continue;
        }
        ++tabelasPresentes;
        QStringList presentes;
        for (const QSqlRecord& r : campos)
            presentes << r.value(0).toString();
        for (const QString& c : t.campos)
            if (!presentes.contains(c, Qt::CaseInsensitive))
                faltam << nome + QLatin1Char('.') + c;
    }
    if (tabelasPresentes == 0)
        return ilegivel(QStringLiteral("no tables of the program"));
    if (!faltam.isEmpty())
        return {ExameBanco::Estado::TabelaAusente, faltam.join(QStringLiteral(", "))};
    return {ExameBanco::Estado::Bom, QString()};
}

ExameBanco ExaminaBanco(const QString& caminho)
{
    if (!QFileInfo(caminho).isFile())
        return {ExameBanco::Estado::Ausente, caminho};
    Banco banco(caminho);
    return ExaminaBanco(banco);
}
