#include "boardtests/ProcedimentoBateria.h"

#include "i18n/Dicionario.h"

ProcedimentoBateria::ProcedimentoBateria(Ligacao& ligacao, const QString& modelo, Leitura leitura, QObject* pai)
    : Procedimento(ligacao, leitura == Leitura::GasGauge ? CodigoGasGauge : CodigoPropriedades, pai),
      m_modelo(modelo), m_leitura(leitura)
{
    if (leitura != Leitura::Completa)
        return;
    // The gas gauge goes under its own requester code (the link ends its answer by its own
    // rule): a reading of its own, whose end is this one's.
    m_gasGauge = new ProcedimentoBateria(ligacao, modelo, Leitura::GasGauge, this);
    connect(m_gasGauge, &Procedimento::terminou, this, [this] {
        if (!emCurso())
            return;
        if (m_gasGauge->fim() != Fim::Concluido) {
            termina(m_gasGauge->fim());
            return;
        }
        m_valores = m_gasGauge->valores();
        m_temValores = true;
        conclui(m_gasGauge->itens());
    });
    // Given up while the gas gauge is read: so is the gas gauge.
    connect(this, &Procedimento::terminou, this, [this] {
        if (fim() == Fim::Largado && m_gasGauge->emCurso())
            m_gasGauge->larga(QStringLiteral("Bateria"));
    });
}

void ProcedimentoBateria::limpa()
{
    m_propriedades.clear();
    m_temPropriedades = false;
    m_valores = {};
    m_temValores = false;
    if (m_gasGauge && m_gasGauge->emCurso())
        m_gasGauge->larga(QStringLiteral("Bateria"));
}

bool ProcedimentoBateria::comeca()
{
    // The gas gauge pauses before its prompt: its answer ends only at the prompt.
    if (m_leitura == Leitura::GasGauge)
        return pede(ModuloBateria::ComandoGasGauge, Ligacao::Modo::Normal, ModuloBateria::RegraGasGauge);
    return pede(ModuloBateria::ComandoPropriedades);
}

void ProcedimentoBateria::responde(const QString& R, const QString& A)
{
    if (m_leitura != Leitura::GasGauge) {
        m_propriedades = A;
        m_temPropriedades = true;
        emit propriedadesLidas();
        if (!emCurso())
            return;
        if (m_leitura == Leitura::Propriedades) {
            // Shown as text: nothing in them is graded.
            conclui({ItemGraduado{L(QStringLiteral("Bateria")) + QStringLiteral(" - ") + L(QStringLiteral("Propriedades")),
                                  QString::number(A.trimmed().size()) + QStringLiteral(" B"), QString(),
                                  Veredito::NaoGraduado}});
            return;
        }
        quandoOciosa([this] {
            if (!m_gasGauge->inicia())
                termina(Fim::SemResposta);
        });
        return;
    }
    m_valores = ModuloBateria::Organiza(R);
    m_temValores = true;
    QList<ItemGraduado> itens;
    for (int i = 0; i < m_valores.info.size() && i < m_valores.vereditos.size(); ++i)
        itens << ItemGraduado{L(ModuloBateria::ChavesTitulos().at(i)), m_valores.info.at(i).trimmed(), QString(),
                              m_valores.vereditos.at(i)};
    conclui(std::move(itens));
}
