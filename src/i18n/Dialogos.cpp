#include "i18n/Dialogos.h"

namespace {

Dialogos::Resposta primeiroBotao(Dialogos::Botoes b)
{
    switch (b) {
    case Dialogos::Botoes::SimNao:
    case Dialogos::Botoes::SimNaoCancelar:
        return Dialogos::Resposta::Sim;
    default:
        return Dialogos::Resposta::Ok;
    }
}

class DialogosSilenciosos : public Dialogos {
public:
    using Dialogos::mensagem;
    Resposta mensagem(const Caixa& caixa) override { return primeiroBotao(caixa.botoes); }
    std::optional<QString> entrada(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool abre(const QString&) override { return false; }
    QDateTime agora() override { return QDateTime::currentDateTime(); }
};

DialogosSilenciosos silenciosos;
Dialogos* instalado = nullptr;

} // namespace

Dialogos& dialogos()
{
    return instalado ? *instalado : silenciosos;
}

void defineDialogos(Dialogos* d)
{
    instalado = d;
}

void Dialogos::erroPadrao(const QString& descricao, int numero)
{
    mensagem(descricao + QStringLiteral(" Nº: ") + QString::number(numero),
             QStringLiteral("Nº ") + QString::number(numero), Icone::Critico, Botoes::Ok);
}

Dialogos::Resposta DialogosRoteiro::mensagem(const Caixa& caixa)
{
    Resposta r = respostas.isEmpty() ? primeiroBotao(caixa.botoes) : respostas.takeFirst();
    mostradas.append({caixa, r});
    return r;
}

std::optional<QString> DialogosRoteiro::entrada(const QString& prompt, const QString& titulo,
                                                const QString& padrao)
{
    entradas.append({prompt, titulo, padrao});
    if (respostasEntrada.isEmpty())
        return std::nullopt;
    return respostasEntrada.takeFirst();
}

bool DialogosRoteiro::abre(const QString& caminhoOuEndereco)
{
    abertos.append(caminhoOuEndereco);
    return abreResultado;
}

QStringList DialogosRoteiro::textos() const
{
    QStringList t;
    for (const auto& m : mostradas)
        t << m.caixa.texto;
    return t;
}

QStringList DialogosRoteiro::titulos() const
{
    QStringList t;
    for (const auto& m : mostradas)
        t << m.caixa.titulo;
    return t;
}

void DialogosRoteiro::limpa()
{
    mostradas.clear();
    entradas.clear();
    abertos.clear();
}
