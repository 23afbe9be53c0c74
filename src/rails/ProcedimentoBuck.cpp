#include "rails/ProcedimentoBuck.h"

ProcedimentoBuck::ProcedimentoBuck(Ligacao& ligacao, const QString& modelo, ModoBuck modo,
                                   const QString& comando, QObject* pai)
    : Procedimento(ligacao, CodigoBuck, pai), m_modelo(modelo), m_modo(modo), m_comandoBuck(comando)
{
}

void ProcedimentoBuck::define(const QString& modelo, ModoBuck modo, const QString& comando)
{
    m_modelo = modelo;
    m_modo = modo;
    m_comandoBuck = comando;
}

void ProcedimentoBuck::responde(const QString& R, const QString& A)
{
    Q_UNUSED(A);
    m_resultado = GradaBuck(m_modelo, m_modo, R);
    conclui(m_resultado.itens);
}

ResultadoBuck GradaBuck(const QString& modelo, ModoBuck modo, const QString& R)
{
    ResultadoBuck r;
    r.completa = RespostaBuckCompleta(R);
    if (r.completa)
        r.lista = ListaPorModo(modo, R);
    for (const ItemBuck& b : std::as_const(r.lista)) {
        const Veredito v = VereditoBuck(b, modelo);
        r.vereditos << v;
        r.itens << ItemGraduado{SaidaDoItem(b), b.texto.trimmed().section(QLatin1Char(':'), 1).trimmed(),
                                QString(), v};
    }
    return r;
}
