#include "LigacaoAberta.h"

#include "shell/Ligacao.h"

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
    ligacao.defineStatus(QStringLiteral("1"));
    return true;
}
