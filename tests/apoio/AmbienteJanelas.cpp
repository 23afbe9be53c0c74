#include "AmbienteJanelas.h"

#include "app/janelas/TabelaJanelas.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QTest>

AmbienteJanelas::AmbienteJanelas(const ContextoAplicacao& contexto)
    : sessao(ligacao), janelas(contexto, sessao, &area)
{
    ligacao.defineTituloPrincipal(contexto.titulo());
    area.resize(1400, 900);
    area.show();
    registraJanelas(janelas);
}

AmbienteJanelas::~AmbienteJanelas()
{
    janelas.fecha(janelas.nomesAbertos());
    if (ligacao.porta()->isOpen())
        ligacao.porta()->close();
}

bool AmbienteJanelas::conecta(const QString& dispositivo, const QString& modelo, const QString& numero)
{
    QSerialPort* p = ligacao.porta();
    p->setPortName(dispositivo);
    p->setBaudRate(115200);
    p->setDataBits(QSerialPort::Data8);
    p->setParity(QSerialPort::NoParity);
    p->setStopBits(QSerialPort::OneStop);
    if (!p->open(QIODevice::ReadWrite))
        return false;
    sessao.defineModelo(modelo);
    sessao.defineNumeroModelo(numero);
    ligacao.defineEstado(EstadoLigacao::Ociosa);
    return true;
}

bool AmbienteJanelas::aguardaOcioso(int milissegundos)
{
    return QTest::qWaitFor([this] { return ligacao.estado() == EstadoLigacao::Ociosa; }, milissegundos);
}
