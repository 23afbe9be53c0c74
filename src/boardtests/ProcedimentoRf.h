#pragma once
#include "boardtests/RfRadios.h"
#include "shell/Procedimento.h"

#include <QString>
#include <optional>

// The RF family's reading of one radio: switched on (its answer graded), off, or asked for its
// properties (shown, not graded). GPS is refused on the models without one.
class ProcedimentoRf : public Procedimento {
    Q_OBJECT
public:
    inline static const QString Codigo = QStringLiteral("2");
    enum class Acao { Liga, Desliga, Propriedades };

    ProcedimentoRf(Ligacao& ligacao, const QString& modelo, int radio, Acao acao, QObject* pai = nullptr);

    int radio() const { return m_radio; }
    Acao acao() const { return m_acao; }
    static bool Serve(const QString& modelo, int radio) { return !ModuloRf::Recusado(radio, modelo); }
    static QString Comando(int radio, Acao acao);

    // The verdict of a switch-on that answered (texts and row colour), nothing otherwise.
    const std::optional<ModuloRf::Veredicto>& veredicto() const { return m_veredicto; }

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override { m_veredicto.reset(); }

private:
    QString m_modelo;
    int m_radio;
    Acao m_acao;
    std::optional<ModuloRf::Veredicto> m_veredicto;
};
