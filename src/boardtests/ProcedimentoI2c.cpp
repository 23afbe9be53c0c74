#include "boardtests/ProcedimentoI2c.h"

#include "i18n/Dicionario.h"

bool ProcedimentoI2c::Barramento::falhou() const
{
    for (const ModuloI2C::Dispositivo& d : dispositivos)
        if (!d.presente)
            return true;
    return false;
}

ProcedimentoI2c::ProcedimentoI2c(Ligacao& ligacao, const QString& modelo, const QString& caminhoBanco,
                                 QList<int> barramentos, QObject* pai)
    : Procedimento(ligacao, Codigo, pai), m_modelo(modelo), m_caminhoBanco(caminhoBanco),
      m_barramentos(std::move(barramentos))
{
}

QString ProcedimentoI2c::NomeItem(int barramento, const ModuloI2C::Dispositivo& d)
{
    return QStringLiteral("I2C %1 %2 %3").arg(barramento).arg(d.id, d.descricao);
}

void ProcedimentoI2c::limpa()
{
    m_lidos.clear();
    m_itens.clear();
    m_atual = -1;
}

bool ProcedimentoI2c::comeca()
{
    if (m_barramentos.isEmpty()) {
        conclui({});
        return true;
    }
    return pedeProximo();
}

bool ProcedimentoI2c::pedeProximo()
{
    m_atual = m_barramentos.at(m_lidos.size());
    return pede(Comando(m_atual));
}

void ProcedimentoI2c::responde(const QString& R, const QString& A)
{
    Q_UNUSED(R);
    Barramento b;
    b.barramento = m_atual;
    b.resposta = A;
    b.respondido = !A.isEmpty();
    const auto ids = ModuloI2C::DispositivosEsperados(m_caminhoBanco, m_modelo, m_atual, &b.erro, &b.numeroErro);
    if (ids) {
        b.erro.clear();
        b.dispositivos = ModuloI2C::AvaliaDispositivos(*ids, A, L(QStringLiteral("COMUNICAÇÃO OK")),
                                                       L(QStringLiteral("COMUNICAÇÃO OFF")));
    }
    m_itens << itensDe(b);
    m_lidos << b;
    emit barramentoGraduado();
    if (!emCurso())
        return; // given up by whoever was told
    if (m_lidos.size() >= m_barramentos.size()) {
        conclui(m_itens);
        return;
    }
    // The next scan goes out once the link has let this answer go; a link that went down
    // ends the reading with the buses graded so far.
    quandoOciosa([this] {
        if (!pedeProximo())
            conclui(m_itens);
    });
}

QList<ItemGraduado> ProcedimentoI2c::itensDe(const Barramento& b) const
{
    if (!b.erro.isEmpty())
        return {ItemGraduado{QStringLiteral("I2C ") + QString::number(b.barramento), b.erro, QString(),
                             Veredito::SemLeitura}};
    QList<ItemGraduado> itens;
    for (const ModuloI2C::Dispositivo& d : b.dispositivos) {
        if (!b.respondido)
            itens << ItemGraduado{NomeItem(b.barramento, d), QString(), QString(), Veredito::SemLeitura};
        else
            itens << ItemGraduado{NomeItem(b.barramento, d), d.status, QString(), d.veredito};
    }
    return itens;
}
