#include "linha/DiagnosticoLinha.h"

#include "diagnostico/ExecutorDiagnostico.h"
#include "diagnostico/HistoricoDiagnostico.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "i18n/Mensagens.h"
#include "linha/ResultadoLinha.h"
#include "veredito/Veredito.h"
#include "reports/ArquivoRelatorio.h"
#include "shell/Conexao.h"
#include "shell/Ligacao.h"
#include "shell/Modelo.h"
#include "shell/Portas.h"
#include "shell/RegistroSessao.h"
#include "shell/Sessao.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace Linha {

namespace {

constexpr int IntervaloConferenciaMs = 50;
constexpr int LarguraBarra = 30;

QString com(int porta)
{
    return QStringLiteral("COM") + QString::number(porta);
}

} // namespace

DiagnosticoLinha::DiagnosticoLinha(const Opcoes& opcoes, const LocalDados& dados, std::FILE* erros, QObject* pai)
    : QObject(pai), m_opcoes(opcoes), m_dados(dados), m_erros(erros), m_ligacao(new Ligacao(this)),
      m_sessao(new Sessao(*m_ligacao, this)), m_conexao(new Conexao(*m_sessao, this))
{
#ifdef Q_OS_UNIX
    m_terminal = ::isatty(::fileno(m_erros)) == 1;
#endif
    // The day's session log gets the exchanges of this run, as a run from the window does.
    m_registro = new RegistroSessao(*m_sessao, QDir(m_dados.pasta).filePath(QStringLiteral("logs")), this);
    m_registro->acompanha(*m_conexao);
    DefineDestinoVereditos([registro = QPointer<RegistroSessao>(m_registro)](const QString& linha) {
        if (registro)
            registro->registraEvento(linha);
    });
    m_registro->registraEvento(QStringLiteral("Linha de comando: diagnostico --porta %1 --etiqueta %2")
                                   .arg(m_opcoes.porta)
                                   .arg(m_opcoes.etiqueta));
    // What the window would show in a box is said on the error output.
    connect(m_ligacao, &Ligacao::mensagemPedida, this, [this](const QString& chave, const QString& porta) {
        if (const auto c = CaixaDaMensagem(chave, IdiomaAtual(), porta))
            diz(c->texto.simplified());
    });
    connect(m_ligacao, &Ligacao::erroPedido, this,
            [this](const QString& descricao, int numero) { diz(descricao + QStringLiteral(" (%1)").arg(numero)); });
    connect(m_ligacao, &Ligacao::erroDeEnvio, this, [this](const QString& texto, const QString&) { diz(texto); });
    m_conferencia.setInterval(IntervaloConferenciaMs);
    connect(&m_conferencia, &QTimer::timeout, this, &DiagnosticoLinha::confereConexao);
    m_limite.setSingleShot(true);
    connect(&m_limite, &QTimer::timeout, this, &DiagnosticoLinha::tempoEsgotado);
    m_esperaPdf.setSingleShot(true);
    connect(&m_esperaPdf, &QTimer::timeout, this, &DiagnosticoLinha::publica);
}

DiagnosticoLinha::~DiagnosticoLinha()
{
    DefineDestinoVereditos({});
}

void DiagnosticoLinha::diz(const QString& linha)
{
    const QByteArray t = (m_terminal ? QStringLiteral("\r\x1b[K") : QString()).toUtf8() + linha.toUtf8() + '\n';
    std::fwrite(t.constData(), 1, size_t(t.size()), m_erros);
    desenhaBarra();
    std::fflush(m_erros);
}

void DiagnosticoLinha::desenhaBarra()
{
    if (!m_terminal || !m_executor || m_fase != Fase::Executando)
        return;
    const int total = int(m_executor->passos().size());
    const int feitos = std::max(0, m_passoAtual);
    const int cheio = total > 0 ? feitos * LarguraBarra / total : 0;
    const QString barra = QStringLiteral("[%1%2] %3/%4 %5")
                              .arg(QString(cheio, QChar(u'#')), QString(LarguraBarra - cheio, QChar(u'.')))
                              .arg(feitos)
                              .arg(total)
                              .arg(m_tituloAtual);
    const QByteArray t = QByteArray("\r\x1b[K") + barra.toUtf8();
    std::fwrite(t.constData(), 1, size_t(t.size()), m_erros);
    std::fflush(m_erros);
}

void DiagnosticoLinha::inicia()
{
    if (m_opcoes.tempoMaxS > 0)
        m_limite.start(m_opcoes.tempoMaxS * 1000);
    m_sessao->defineModeloBox(m_opcoes.box);
    diz(L(QStringLiteral("LINHA_CONECTANDO")).arg(com(m_opcoes.porta), Portas::dispositivo(m_opcoes.porta), m_opcoes.box));
    m_conexao->BotaoConectar(QString::number(m_opcoes.porta));
    if (m_ligacao->estado() == EstadoLigacao::Desconectada) {
        diz(L(QStringLiteral("LINHA_PORTA_NAO_ABRE")).arg(com(m_opcoes.porta), m_ligacao->porta()->errorString()));
        encerra(SemPlaca);
        return;
    }
    m_conferencia.start();
}

void DiagnosticoLinha::confereConexao()
{
    if (m_fase != Fase::Conectando)
        return;
    const EstadoLigacao e = m_ligacao->estado();
    if (e == EstadoLigacao::Desconectada) {
        diz(L(QStringLiteral("LINHA_SEM_RESPOSTA")).arg(com(m_opcoes.porta)));
        encerra(SemPlaca);
        return;
    }
    // Confirmed: the handshake and any model query have ended.
    if (e != EstadoLigacao::Ociosa || m_conexao->consultaEmCurso())
        return;
    m_conferencia.stop();
    const QString numero = m_sessao->numeroModelo();
    // Graded against a model the board did not name, every reading could be a false failure;
    // without anyone to confirm the choice, nothing runs.
    if (!ModeloDaPlaca(numero, m_sessao->modelo())) {
        diz(L(QStringLiteral("LINHA_MODELO_DESCONHECIDO")).arg(numero.isEmpty() ? QStringLiteral("-") : numero));
        encerra(SemPlaca);
        return;
    }
    iniciaExecucao();
}

void DiagnosticoLinha::iniciaExecucao()
{
    m_fase = Fase::Executando;
    m_executor = new ExecutorDiagnostico(*m_sessao, m_dados, m_opcoes.etiqueta, this);
    m_executor->defineEscrevePagina(!m_opcoes.semPagina);
    connect(m_executor, &ExecutorDiagnostico::passoIniciado, this, &DiagnosticoLinha::passoIniciado);
    connect(m_executor, &ExecutorDiagnostico::passoTerminado, this, &DiagnosticoLinha::passoTerminado);
    connect(m_executor, &ExecutorDiagnostico::terminou, this, &DiagnosticoLinha::execucaoTerminou);
    diz(L(QStringLiteral("LINHA_PLACA"))
            .arg(m_sessao->modelo(), m_sessao->numeroModelo(), m_opcoes.etiqueta)
            .arg(m_executor->passos().size()));
    m_executor->inicia();
}

void DiagnosticoLinha::passoIniciado(int indice)
{
    m_passoAtual = indice;
    m_tituloAtual = m_executor->passos().at(indice).titulo();
    desenhaBarra();
}

void DiagnosticoLinha::passoTerminado(int indice, const ResultadoPasso& r)
{
    m_passoAtual = indice + 1;
    const int total = int(m_executor->passos().size());
    const Veredito v = VereditoDoPasso(r);
    diz(QStringLiteral("[%1/%2] %3 (%4): %5 %6%7")
            .arg(indice + 1, QString::number(total).size())
            .arg(total)
            .arg(r.titulo, r.comando, MarcaVeredito(v), TextoVeredito(v), DescrevePasso(r).sufixo));
}

void DiagnosticoLinha::execucaoTerminou()
{
    m_fase = Fase::Publicando;
    m_limite.stop();
    const RelatorioPublicado& rel = m_executor->relatorio();
    if (!rel.erro.isEmpty())
        diz(L(QStringLiteral("LINHA_PAGINA_NAO_ESCRITA")) + QLatin1Char(' ') + QString(rel.erro).replace(u'\n', u' '));
    if (!m_executor->historicoDanificado().isEmpty())
        diz(L(QStringLiteral("DIAG_HISTORICO_DANIFICADO")) + QLatin1Char(' ')
            + QDir::toNativeSeparators(m_executor->historicoDanificado()));
    if (!m_executor->erroHistorico().isEmpty())
        diz(L(QStringLiteral("DIAG_HISTORICO_NAO_SALVO")) + QLatin1Char(' ')
            + QString(m_executor->erroHistorico()).replace(u'\n', u' '));
    // The PDF is printed by a browser in the background: waited for, or it would be cut off
    // with this process.
    m_pdf = rel.pdf;
    if (!m_pdf.isEmpty() && ImpressoesPdf::instancia().estado(m_pdf) == ImpressoesPdf::Estado::EmPreparo) {
        connect(&ImpressoesPdf::instancia(), &ImpressoesPdf::terminada, this, [this](const QString& pdf) {
            if (pdf == m_pdf && m_fase == Fase::Publicando)
                publica();
        });
        m_esperaPdf.start((ImpressoesPdf::LimiteSegundos + 5) * 1000);
        return;
    }
    publica();
}

void DiagnosticoLinha::publica()
{
    if (m_fase != Fase::Publicando)
        return;
    m_esperaPdf.stop();
    const ExecucaoDiagnostico& e = m_executor->execucao();
    Publicacao p;
    p.pagina = m_executor->relatorio().arquivo;
    if (!m_pdf.isEmpty()) {
        if (ImpressoesPdf::instancia().estado(m_pdf) == ImpressoesPdf::Estado::Pronto)
            p.pdf = m_pdf;
        else if (const QString motivo = ImpressoesPdf::instancia().motivo(m_pdf); !motivo.isEmpty())
            diz(motivo);
    }
    if (m_executor->erroHistorico().isEmpty())
        p.historico = ArquivoHistorico(m_dados, e.modelo, e.numero, e.etiqueta);
    int saida = SaidaDaExecucao(e);
    const QByteArray json =
        QJsonDocument(ResultadoJson(e, m_executor->anterior(), m_executor->notaAnterior(), p)).toJson(QJsonDocument::Indented);
    if (m_opcoes.json == QLatin1String("-")) {
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        std::fflush(stdout);
    } else {
        QSaveFile f(m_opcoes.json);
        if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size() || !f.commit()) {
            diz(L(QStringLiteral("LINHA_JSON_NAO_ESCRITO")).arg(QDir::toNativeSeparators(m_opcoes.json), f.errorString()));
            saida = MauUso;
        }
    }
    for (const QString& linha : ResumoComAnterior(e, m_executor->anterior(), m_executor->notaAnterior()).split(u'\n'))
        diz(linha);
    if (!p.pagina.isEmpty())
        diz(L(QStringLiteral("LINHA_PAGINA")).arg(QDir::toNativeSeparators(p.pdf.isEmpty() ? p.pagina : p.pdf)));
    encerra(saida);
}

void DiagnosticoLinha::tempoEsgotado()
{
    const QString motivo = L(QStringLiteral("LINHA_TEMPO_ESGOTADO")).arg(m_opcoes.tempoMaxS);
    switch (m_fase) {
    case Fase::Conectando:
        diz(motivo);
        encerra(SemPlaca);
        return;
    case Fase::Executando:
        if (m_executor)
            m_executor->cancela(motivo);
        return;
    case Fase::Publicando:
    case Fase::Fim:
        return;
    }
}

void DiagnosticoLinha::interrompe()
{
    ++m_interrupcoes;
    const QString motivo = L(QStringLiteral("LINHA_INTERROMPIDO"));
    switch (m_fase) {
    case Fase::Conectando:
        diz(motivo);
        encerra(Incompleto);
        return;
    case Fase::Executando:
        if (!m_executor)
            return;
        if (m_interrupcoes == 1) {
            diz(L(QStringLiteral("LINHA_PARANDO")));
            m_executor->paraAposPasso(motivo);
        } else {
            m_executor->cancela(motivo);
        }
        return;
    case Fase::Publicando:
        // The PDF is given up; the page, history and result stay.
        if (!m_pdf.isEmpty())
            publica();
        return;
    case Fase::Fim:
        return;
    }
}

void DiagnosticoLinha::encerra(int saida)
{
    if (m_fase == Fase::Fim)
        return;
    m_fase = Fase::Fim;
    m_conferencia.stop();
    m_limite.stop();
    // The port is let go as the window's Disconnect does (not the lost box's wait).
    if (m_ligacao->estado() != EstadoLigacao::Desconectada)
        m_conexao->BotaoConectar(QString::number(m_opcoes.porta));
    if (m_ligacao->estado() == EstadoLigacao::Conectando)
        m_ligacao->porta()->close();
    emit terminou(saida);
}

} // namespace Linha
