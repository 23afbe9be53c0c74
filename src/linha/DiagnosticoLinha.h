#pragma once
#include "db/LocalDados.h"
#include "linha/OpcoesLinha.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdio>

class Conexao;
class ExecutorDiagnostico;
class Ligacao;
class RegistroSessao;
class Sessao;
struct ResultadoPasso;

namespace Linha {

// The whole-board diagnosis without windows: connects as the main window does (handshake and
// model query of Conexao), runs every step of the identified model with the diagnosis window's
// engine (ExecutorDiagnostico: the same page and history), tells each step on `erros` (a bar
// when it is a terminal) and writes the JSON result. terminou gives the exit status.
class DiagnosticoLinha : public QObject {
    Q_OBJECT
public:
    DiagnosticoLinha(const Opcoes& opcoes, const LocalDados& dados, std::FILE* erros = stderr,
                     QObject* pai = nullptr);
    ~DiagnosticoLinha() override;

    void inicia();
    // SIGINT: the first stops the run after the exchange in flight (page and history still
    // written), the next gives that exchange up at once.
    void interrompe();
    bool rodando() const { return m_fase != Fase::Fim; }

signals:
    void terminou(int saida);

private:
    enum class Fase { Conectando, Executando, Publicando, Fim };

    void confereConexao();
    void iniciaExecucao();
    void passoIniciado(int indice);
    void passoTerminado(int indice, const ResultadoPasso& r);
    void execucaoTerminou();
    void publica();
    void encerra(int saida);
    void tempoEsgotado();
    // One line on the error output (above the bar, which is drawn again).
    void diz(const QString& linha);
    void desenhaBarra();

    Opcoes m_opcoes;
    LocalDados m_dados;
    std::FILE* m_erros;
    bool m_terminal = false;
    Ligacao* m_ligacao;
    Sessao* m_sessao;
    Conexao* m_conexao;
    RegistroSessao* m_registro = nullptr;
    QPointer<ExecutorDiagnostico> m_executor;
    QTimer m_conferencia; // the connection's progress
    QTimer m_limite;      // --tempo-max
    QTimer m_esperaPdf;
    QString m_pdf;        // being printed
    Fase m_fase = Fase::Conectando;
    int m_interrupcoes = 0;
    int m_passoAtual = -1;
    QString m_tituloAtual;
};

} // namespace Linha
