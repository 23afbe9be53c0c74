#pragma once
#include "shell/Modelo.h"
#include "shell/Procedimento.h"

// The model query: asks the phone for its regulatory number ("syscfg print RMd#") and tells
// which model the answer names, graded the moment the answer arrives. A phone that did not take
// the command ("Command" in its first answer) is asked once more. The exchanges go out as the
// connection's own (for nobody, "0"): whoever starts it holds the link for the connection
// meanwhile (Ligacao::reservaParaConexao), so no window's command is read as its answer.
class ConsultaModelo : public Procedimento {
    Q_OBJECT
public:
    static const QString Comando;

    explicit ConsultaModelo(Ligacao& ligacao, QObject* pai = nullptr);

    // What the last answer said; meaningful once the query ended as Concluido.
    const AvaliacaoConsulta& resultado() const { return m_resultado; }
    // How many queries went out for this reading (1, or 2 after a refused command).
    int consultas() const { return m_consultas; }

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;

private:
    bool consulta();

    AvaliacaoConsulta m_resultado;
    int m_consultas = 0;
};
