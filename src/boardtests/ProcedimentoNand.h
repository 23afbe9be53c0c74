#pragma once
#include "boardtests/Nand.h"
#include "shell/Procedimento.h"

#include <QString>
#include <optional>

// The NAND family's reading of one function (0 unique id, 1 size, 2 information block,
// 3 system configuration, mirrored while it prints): one exchange, graded on its answer.
// The information block is refused on the models whose NAND window refuses it.
class ProcedimentoNand : public Procedimento {
    Q_OBJECT
public:
    inline static const QString Codigo = QStringLiteral("4");

    ProcedimentoNand(Ligacao& ligacao, const QString& modelo, int funcao, QObject* pai = nullptr);

    // The function the next inicia() reads.
    void defineFuncao(int funcao) { m_funcao = funcao; }
    int funcao() const { return m_funcao; }
    // Whether the model's NAND serves the function.
    static bool Serve(const QString& modelo, int funcao);
    // The function's name as the technician knows it ("Tamanho da NAND" ...), translated.
    static QString Titulo(int funcao);

    // The verdict on the answer (not judged when it was too short).
    const ModuloNand::Veredicto& veredicto() const { return m_veredicto; }
    // The capacity label the answer gives ("NAND 32 GB"), when it gives one.
    const std::optional<QString>& capacidade() const { return m_capacidade; }

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;

private:
    QString m_modelo;
    int m_funcao;
    ModuloNand::Veredicto m_veredicto;
    std::optional<QString> m_capacidade;
};
