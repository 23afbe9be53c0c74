#include "LigacaoAberta.h"

#include "shell/Ligacao.h"

#include <QHash>
#include <QSerialPort>

bool AbreLigacao(Ligacao& ligacao, const QString& dispositivo)
{
    QSerialPort* p = ligacao.porta();
    p->setPortName(dispositivo);
    p->setBaudRate(QSerialPort::Baud115200);
    p->setDataBits(QSerialPort::Data8);
    p->setParity(QSerialPort::NoParity);
    p->setStopBits(QSerialPort::OneStop);
    if (!p->open(QIODevice::ReadWrite))
        return false;
    ligacao.defineEstado(EstadoLigacao::Ociosa);
    return true;
}

namespace {
// Lives as a child of the link, so its routes go with it.
class RotasDeTeste : public QObject {
public:
    explicit RotasDeTeste(Ligacao& l) : QObject(&l) { setObjectName(QStringLiteral("RotasDeTeste")); }
    QHash<QString, EntregaDeTeste> entregas;
    QHash<QString, EntregaDeTeste> espelhos;

    static RotasDeTeste& de(Ligacao& l)
    {
        auto* r = l.findChild<RotasDeTeste*>(QStringLiteral("RotasDeTeste"), Qt::FindDirectChildrenOnly);
        return r ? *r : *new RotasDeTeste(l);
    }
};
} // namespace

void registraEntrega(Ligacao& ligacao, const QString& codigo, EntregaDeTeste entrega)
{
    RotasDeTeste::de(ligacao).entregas.insert(codigo, std::move(entrega));
}

void registraEspelho(Ligacao& ligacao, const QString& codigo, EntregaDeTeste espelho)
{
    RotasDeTeste::de(ligacao).espelhos.insert(codigo, std::move(espelho));
}

bool solicita(Ligacao& ligacao, const QString& codigo, const QString& comando, bool espelhada)
{
    return solicita(ligacao, codigo, comando, RegrasTroca::RegraDoComando(comando), espelhada);
}

bool solicita(Ligacao& ligacao, const QString& codigo, const QString& comando, RegrasTroca::RegraFim regra,
              bool espelhada)
{
    Troca* t = ligacao.pede(codigo, comando, espelhada ? Ligacao::Modo::Espelhada : Ligacao::Modo::Normal, regra);
    if (t->recusada())
        return false;
    RotasDeTeste& rotas = RotasDeTeste::de(ligacao);
    QObject::connect(t, &Troca::respondida, &rotas, [&rotas, codigo](const QString& R, const QString& A) {
        if (auto e = rotas.entregas.value(codigo))
            e(R, A);
    });
    QObject::connect(t, &Troca::parcial, &rotas, [&rotas, codigo](const QString& R, const QString& A) {
        if (auto e = rotas.espelhos.value(codigo))
            e(R, A);
    });
    return true;
}
