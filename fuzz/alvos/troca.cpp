// The exchange rules: one answer played tick by tick (the chunks of the input separated by
// byte 0x01, an empty chunk a quiet poll), its bound, the echo removal and the wait after a
// cut answer. Besides memory faults, it stops on a rule that lets an answer outlive its limit.
#include "Alvo.h"

#include "shell/RegrasTroca.h"

#include <cstdlib>

using namespace RegrasTroca;

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    if (tamanho == 0)
        return 0;
    const unsigned p = dados[0];
    static const QString boxes[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    const QString box = boxes[p % 3];
    const QString comando = (p & 0x40) ? QStringLiteral("syscfg print RMd#") : QStringLiteral("help");
    // The command's own rule, or one a requester asks for (the gas gauge waits for its prompt).
    const RegraFim regras[] = {RegraDoComando(comando), RegraFim::Comum, RegraFim::AtePrompt, RegraFim::SemAtalho};
    const RegraFim regra = regras[(p / 3) % 4];
    // A small room so the bound itself is reached by short inputs.
    const qsizetype espaco = (p & 0x80) ? 64 : LimiteResposta;

    const QByteArrayView resto(reinterpret_cast<const char*>(dados + 1), qsizetype(tamanho - 1));
    ColetaDoPedaco coleta;
    Descarte alem;
    QByteArray resposta;
    int contador = 0;
    bool primeira = true;
    bool terminou = false;
    int silenciosos = 0;
    qsizetype inicio = 0;
    const int limite = LimiteDeLeituras(box);
    while (inicio <= resto.size()) {
        qsizetype fim = resto.indexOf('\x01', inicio);
        if (fim < 0)
            fim = resto.size();
        coleta.acrescenta(resto.sliced(inicio, fim - inicio), espaco - resposta.size(), &alem);
        Pedaco pedaco;
        const QByteArray bytes = coleta.toma(&pedaco, terminou);
        if (terminou) {
            if (DescarteTermina(pedaco, &silenciosos))
                break;
        } else {
            resposta += bytes;
            const Fim f = primeira ? PrimeiraLeitura(box, regra, pedaco)
                                   : LeituraSeguinte(box, regra, contador, pedaco);
            if (primeira)
                contador = 1, primeira = false;
            else if (f == Fim::Continua)
                ++contador;
            if (f != Fim::Continua)
                terminou = true;
            // No answer runs past its tick limit.
            if (limite > 0 && contador > limite)
                std::abort();
        }
        inicio = fim + 1;
    }
    const QString R = ComoNoConsole(QString::fromLatin1(resposta));
    Usa(RemoveEco(R, comando));
    qsizetype custo = 0;
    Usa(CabemNoConsole(resto, espaco, &custo));
    Usa(alem.omitidos());
    return 0;
}
