#include "shell/Troca.h"

Troca::Troca(const QString& codigo, const QString& comando, bool espelhada, QObject* pai)
    : QObject(pai), m_codigo(codigo), m_comando(comando), m_espelhada(espelhada)
{
}

void Troca::responde(const QString& R, const QString& A)
{
    if (m_terminada)
        return;
    if (!m_desistiu)
        emit respondida(R, A);
    termina();
}

void Troca::cancela(Motivo motivo)
{
    if (m_terminada)
        return;
    if (!m_desistiu)
        emit cancelada(motivo);
    termina();
}

void Troca::termina()
{
    m_terminada = true;
    emit terminou();
    deleteLater();
}
