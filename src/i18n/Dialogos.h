#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The program's questions to the user, documents it opens and the clock, behind one seam:
// the running program uses the Qt implementation (i18n/janelas/DialogosQt), tests use
// DialogosRoteiro, which answers from a script and records what was shown.
class Dialogos {
public:
    enum class Icone { Nenhum, Informacao, Pergunta, Critico, Exclamacao };
    enum class Botoes { Ok, OkCancelar, SimNao, SimNaoCancelar };
    enum class Resposta { Ok, Cancelar, Sim, Nao };

    struct Caixa {
        QString texto;
        QString titulo;
        Icone icone = Icone::Nenhum;
        Botoes botoes = Botoes::Ok;
    };

    virtual ~Dialogos() = default;
    virtual Resposta mensagem(const Caixa& caixa) = 0;
    // Input box: std::nullopt when the user cancelled, "" when the answer was empty.
    virtual std::optional<QString> entrada(const QString& prompt, const QString& titulo,
                                           const QString& padrao) = 0;
    // Opens a document path or a web address with the desktop's default application.
    virtual bool abre(const QString& caminhoOuEndereco) = 0;
    virtual QDateTime agora() = 0;

    // Convenience wrappers.
    Resposta mensagem(const QString& texto, const QString& titulo, Icone icone = Icone::Nenhum,
                      Botoes botoes = Botoes::Ok)
    {
        return mensagem(Caixa{texto, titulo, icone, botoes});
    }
    // The standard error box: description & " Nº: " & number, title "Nº " & number.
    void erroPadrao(const QString& descricao, int numero);
};

// The instance the program uses. Defaults to a silent implementation (every box answered
// with its first button) until the application or a test installs another.
Dialogos& dialogos();
void defineDialogos(Dialogos* d);

// Scripted dialogs for tests: queue the answers, then read what was shown.
class DialogosRoteiro : public Dialogos {
public:
    struct Mostrada {
        Caixa caixa;
        Resposta resposta;
    };
    struct Entrada {
        QString prompt, titulo, padrao;
    };

    QList<Resposta> respostas;                     // answered in order; when empty: the first button
    QList<std::optional<QString>> respostasEntrada; // when empty: cancel
    QList<Mostrada> mostradas;
    QList<Entrada> entradas;
    QStringList abertos;
    bool abreResultado = true;
    QDateTime relogio = QDateTime(QDate(2026, 12, 10), QTime(10, 30, 15));

    Resposta mensagem(const Caixa& caixa) override;
    using Dialogos::mensagem;
    std::optional<QString> entrada(const QString& prompt, const QString& titulo,
                                   const QString& padrao) override;
    bool abre(const QString& caminhoOuEndereco) override;
    QDateTime agora() override { return relogio; }

    QStringList textos() const;  // texts of the boxes shown, in order
    QStringList titulos() const;
    void limpa();
};

// Installs a scripted seam for the lifetime of the object (tests).
class RoteiroInstalado {
public:
    RoteiroInstalado() { defineDialogos(&roteiro); }
    ~RoteiroInstalado() { defineDialogos(nullptr); }
    DialogosRoteiro roteiro;
};
