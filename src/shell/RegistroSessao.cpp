#include "shell/RegistroSessao.h"

#include "i18n/Dicionario.h"
#include <cerrno>
#include "shell/Sessao.h"

#include "shell/Conexao.h"
#include "shell/Ligacao.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QTimer>

namespace {
constexpr int DiasGuardados = 180;
const QString Prefixo = QStringLiteral("sessao-");
const QString Extensao = QStringLiteral(".log");
const QString FormatoDia = QStringLiteral("yyyy-MM-dd");

QString ouTraco(const QString& texto)
{
    return texto.isEmpty() ? QStringLiteral("-") : texto;
}
} // namespace

const QString RegistroSessao::PrefixoComando = QStringLiteral("    > ");
const QString RegistroSessao::PrefixoResposta = QStringLiteral("    | ");
const QString RegistroSessao::PrefixoOmitido = QStringLiteral("    ~ ");

QString PastaLogs(const QString& aplicacao)
{
    return aplicacao.isEmpty() ? QString() : aplicacao + QStringLiteral("/logs");
}

QString RegistroSessao::quem(const QString& codigo) const
{
    QString nome = m_nomes ? m_nomes(codigo) : QString();
    if (nome.isEmpty())
        nome = codigo == QLatin1String("0") ? QStringLiteral("Inicial") : codigo;
    return nome + QStringLiteral(" (") + codigo + QLatin1Char(')');
}

RegistroSessao::RegistroSessao(Sessao& sessao, const QString& pasta, QObject* pai, Relogio relogio)
    : QObject(pai), m_sessao(sessao), m_ligacao(sessao.ligacao()), m_pasta(pasta), m_relogio(std::move(relogio))
{
    if (!m_relogio)
        m_relogio = [] { return QDateTime::currentDateTime(); };
    RemoveAntigos(m_pasta, m_relogio().date(), DiasGuardados);

    connect(&m_ligacao, &Ligacao::comandoEnviado, this, &RegistroSessao::registraComando);
    connect(&m_ligacao, &Ligacao::respostaColetada, this, [this](const QString& codigo, const QString& R) {
        registraResposta(codigo, R, m_ligacao.cortadaNoLimite(), m_ligacao.alemDoLimite());
    });
    connect(&m_ligacao, &Ligacao::bytesDescartados, this, &RegistroSessao::registraDescartados);
    connect(&m_ligacao, &Ligacao::trocaInterrompida, this, &RegistroSessao::registraInterrupcao);
    connect(&m_ligacao, &Ligacao::respostaContinuou, this, [this](const QString& codigo, qint64 caracteres) {
        registraEvento(quem(codigo) + QStringLiteral(" | o telefone continuou enviando: %1 caracteres não lidos").arg(caracteres));
    });
}

void RegistroSessao::acompanha(Conexao& conexao)
{
    connect(&conexao, &Conexao::eventoLigacao, this, &RegistroSessao::registraEvento);
}

QString RegistroSessao::NomeDoArquivo(const QDate& dia)
{
    return Prefixo + dia.toString(FormatoDia) + Extensao;
}

QString RegistroSessao::arquivoDoDia(const QDate& dia) const
{
    return QDir(m_pasta).filePath(NomeDoArquivo(dia));
}

int RegistroSessao::RemoveAntigos(const QString& pasta, const QDate& hoje, int dias)
{
    static const QRegularExpression nome(QStringLiteral("^sessao-(\\d{4}-\\d{2}-\\d{2})\\.log$"));
    if (pasta.isEmpty())
        return 0;
    const QDate limite = hoje.addDays(-dias);
    QDir dir(pasta);
    int removidos = 0;
    const QStringList arquivos = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& arquivo : arquivos) {
        const QRegularExpressionMatch m = nome.match(arquivo);
        if (!m.hasMatch())
            continue;
        const QDate dia = QDate::fromString(m.captured(1), FormatoDia);
        if (dia.isValid() && dia < limite && dir.remove(arquivo))
            ++removidos;
    }
    return removidos;
}

QString RegistroSessao::Cabecalho(const QDateTime& quando, const QString& porta, const QString& modelo,
                                  const QString& numero, const QString& assunto)
{
    const QString separador = QStringLiteral(" | ");
    return quando.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) + separador
           + (porta.isEmpty() ? QStringLiteral("-") : QStringLiteral("COM") + porta) + separador
           + ouTraco(modelo) + separador + ouTraco(numero) + separador + assunto;
}

QString RegistroSessao::CorpoDaResposta(const QString& R)
{
    QString corpo;
    corpo.reserve(R.size() + R.size() / 8 + 16);
    const QStringList linhas = R.split(QLatin1Char('\n'));
    for (const QString& linha : linhas) {
        corpo += PrefixoResposta;
        corpo += linha;
        corpo += QLatin1Char('\n');
    }
    return corpo;
}

QString RegistroSessao::cabecalho(const QDateTime& quando, const QString& assunto) const
{
    return Cabecalho(quando, m_ligacao.portaSelecionada(), m_sessao.modelo(), m_sessao.numeroModelo(), assunto);
}

void RegistroSessao::registraComando(const QString& codigo, const QString& comando)
{
    const QDateTime quando = m_relogio();
    const QString quem = this->quem(codigo);
    // The line holds exactly what went to the port: the command and its carriage return.
    escreve(quando, cabecalho(quando, quem + QStringLiteral(" | comando")) + QLatin1Char('\n') + PrefixoComando
                        + comando + QLatin1Char('\r') + QLatin1Char('\n'));
}

void RegistroSessao::registraResposta(const QString& codigo, const QString& R, bool cortadaNoLimite,
                                      const RegrasTroca::Descarte& alemDoLimite)
{
    const QDateTime quando = m_relogio();
    const QString quem = this->quem(codigo);
    QString assunto = quem + QStringLiteral(" | resposta");
    if (alemDoLimite.vazio()) {
        if (cortadaNoLimite)
            assunto += QStringLiteral(" cortada no limite de leituras");
        escreve(quando, cabecalho(quando, assunto + QStringLiteral(", %1 caracteres").arg(R.size())) + QLatin1Char('\n')
                            + CorpoDaResposta(R));
        return;
    }
    // Beyond its bound: the first part of the answer and the last bytes that arrived.
    const qsizetype parte = RegrasTroca::Descarte::Parte;
    const QByteArray ultimos = alemDoLimite.fim().isEmpty() ? alemDoLimite.inicio() : alemDoLimite.fim();
    assunto += (cortadaNoLimite ? QStringLiteral(" cortada no limite de leituras e de tamanho")
                                : QStringLiteral(" cortada no limite de tamanho"))
               + QStringLiteral(", %1 caracteres guardados, %2 bytes descartados")
                     .arg(R.size())
                   .arg(alemDoLimite.total());
    const QString omitidos = PrefixoOmitido
                             + QStringLiteral("omitidos: %1 caracteres da resposta e %2 bytes descartados")
                                   .arg(std::max<qsizetype>(0, R.size() - parte))
                                   .arg(alemDoLimite.total() - ultimos.size())
                             + QLatin1Char('\n');
    escreve(quando, cabecalho(quando, assunto) + QLatin1Char('\n') + CorpoDaResposta(R.left(parte)) + omitidos
                        + CorpoDaResposta(QString::fromLatin1(ultimos)));
}

void RegistroSessao::registraDescartados(const QString& codigo, const RegrasTroca::Descarte& descarte)
{
    const QDateTime quando = m_relogio();
    const QString assunto =
        (codigo.isEmpty() ? QStringLiteral("bytes descartados fora de uma troca")
                          : quem(codigo) + QStringLiteral(" | bytes descartados depois da resposta cortada"))
        + QStringLiteral(", %1 bytes").arg(descarte.total());
    QString corpo = CorpoDaResposta(QString::fromLatin1(descarte.inicio()));
    if (descarte.omitidos() > 0)
        corpo += PrefixoOmitido + QStringLiteral("omitidos: %1 bytes").arg(descarte.omitidos()) + QLatin1Char('\n');
    if (!descarte.fim().isEmpty())
        corpo += CorpoDaResposta(QString::fromLatin1(descarte.fim()));
    escreve(quando, cabecalho(quando, assunto) + QLatin1Char('\n') + corpo);
}

void RegistroSessao::registraInterrupcao(const QString& codigo, const QString& R, const QString& motivo)
{
    const QDateTime quando = m_relogio();
    const QString quem = this->quem(codigo);
    escreve(quando, cabecalho(quando, quem
                                          + QStringLiteral(" | resposta interrompida (%1), %2 caracteres")
                                                .arg(motivo)
                                                .arg(R.size()))
                        + QLatin1Char('\n') + CorpoDaResposta(R));
}

void RegistroSessao::registraEvento(const QString& evento)
{
    const QDateTime quando = m_relogio();
    escreve(quando, cabecalho(quando, QStringLiteral("** ") + evento) + QLatin1Char('\n'));
}

void RegistroSessao::escreve(const QDateTime& quando, const QString& texto)
{
    if (m_pasta.isEmpty())
        return; // no application folder, no log
    const QDate dia = quando.date();
    if (dia != m_dia)
        m_diaCheio = false;
    if (m_diaCheio)
        return;
    if (!m_arquivo.isOpen() || dia != m_dia) {
        m_arquivo.close();
        m_dia = dia;
        errno = 0;
        if (!QDir().mkpath(m_pasta)) {
            const int e = errno;
            avisaFalha(m_pasta, static_cast<int>(QFileDevice::OpenError), m_pasta,
                       e == ENOSPC || e == EACCES || e == EPERM || e == EROFS ? motivoDoErro(e)
                                                                              : "REGISTRO_PASTA");
            return;
        }
        m_arquivo.setFileName(arquivoDoDia(dia));
        errno = 0;
        if (!m_arquivo.open(QIODevice::WriteOnly | QIODevice::Append)) {
            const int e = errno;
            avisaFalha(m_arquivo.fileName() + QStringLiteral(": ") + m_arquivo.errorString(),
                       static_cast<int>(m_arquivo.error()), m_arquivo.fileName(), motivoDoErro(e));
            return;
        }
    }
    QByteArray bytes = texto.toUtf8();
    if (m_arquivo.size() + bytes.size() > m_limiteDiario) {
        m_diaCheio = true;
        bytes = (cabecalho(quando, QStringLiteral("** limite diário do registro atingido (%1 bytes): nada mais é "
                                                  "registrado hoje")
                                       .arg(m_limiteDiario))
                 + QLatin1Char('\n'))
                    .toUtf8();
    }
    errno = 0;
    if (m_arquivo.write(bytes) != bytes.size() || !m_arquivo.flush()) {
        const int e = errno;
        avisaFalha(m_arquivo.fileName() + QStringLiteral(": ") + m_arquivo.errorString(),
                   static_cast<int>(m_arquivo.error()), m_arquivo.fileName(), motivoDoErro(e));
        m_arquivo.close(); // opened again (silently) for the next entry
    }
}

const char* RegistroSessao::motivoDoErro(int erroSistema)
{
    switch (erroSistema) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "REGISTRO_DISCO_CHEIO";
    case EACCES:
    case EPERM:
    case EROFS:
        return "REGISTRO_SEM_PERMISSAO";
    default:
        return "REGISTRO_OUTRO";
    }
}

QString RegistroSessao::textoDaFalha() const
{
    if (!m_motivoFalha)
        return {};
    return L(QStringLiteral("REGISTRO_FALHOU"))
        .arg(L(QString::fromLatin1(m_motivoFalha)), QDir::toNativeSeparators(m_ondeFalhou));
}

void RegistroSessao::avisaFalha(const QString& descricao, int numero, const QString& onde, const char* motivo)
{
    if (m_avisado)
        return;
    m_avisado = true;
    m_ondeFalhou = onde;
    m_motivoFalha = motivo;
    // Told after the caller returns: the exchange that is being logged goes on first.
    QTimer::singleShot(0, this, [this, descricao, numero] { emit falhaDeEscrita(descricao, numero); });
}
