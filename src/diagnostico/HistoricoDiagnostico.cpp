#include "diagnostico/HistoricoDiagnostico.h"

#include "reports/ArquivoRelatorio.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

const QString Execucoes = QStringLiteral("execucoes");

// A file name holds at most 255 bytes: a part longer than this keeps its start and a digest of
// the whole (the runs in the file are told apart by their own label all the same). Shorter parts
// keep the names files already have.
constexpr qsizetype MaiorParte = 80;

QString parteDoHistorico(const QString& texto)
{
    const QString parte = ParteNomeArquivo(texto);
    if (parte.size() <= MaiorParte)
        return parte;
    const QByteArray resumo = QCryptographicHash::hash(texto.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return parte.left(MaiorParte - resumo.size() - 1) + QLatin1Char('-') + QString::fromLatin1(resumo);
}

QJsonArray leExecucoes(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object().value(Execucoes).toArray();
}

} // namespace

QString ArquivoHistorico(const LocalDados& dados, const QString& modelo, const QString& numero, const QString& etiqueta)
{
    // Every part is kept, even an empty one, so two keys never share a file.
    const QString nome = QStringList{parteDoHistorico(modelo), parteDoHistorico(numero), parteDoHistorico(etiqueta)}
                             .join(QLatin1Char('_'));
    return QDir(PastaRelatorios(dados.banco)).absoluteFilePath(QStringLiteral("historico/") + nome + QStringLiteral(".json"));
}

std::optional<ExecucaoDiagnostico> UltimaExecucao(const LocalDados& dados, const QString& modelo,
                                                  const QString& numero, const QString& etiqueta,
                                                  bool soCompleta)
{
    const QJsonArray execucoes = leExecucoes(ArquivoHistorico(dados, modelo, numero, etiqueta));
    // The file name folds characters: only a run of exactly this board counts.
    for (qsizetype k = execucoes.size() - 1; k >= 0; --k) {
        const auto e = DeJson(execucoes.at(k).toObject());
        if (e && e->modelo == modelo && e->numero == numero && e->etiqueta == etiqueta
            && (e->completa || !soCompleta))
            return e;
    }
    return std::nullopt;
}

QString NomeLivreDanificado(const QString& arquivo)
{
    const QString base = arquivo + QStringLiteral(".danificado");
    QString nome = base;
    for (int n = 2; QFileInfo::exists(nome); ++n)
        nome = base + QLatin1Char('-') + QString::number(n);
    return nome;
}

bool GuardaExecucao(const LocalDados& dados, const ExecucaoDiagnostico& e, QString* erro, QString* danificado)
{
    const QString arquivo = ArquivoHistorico(dados, e.modelo, e.numero, e.etiqueta);
    QFile existente(arquivo);
    QJsonArray execucoes;
    if (existente.exists()) {
        if (!existente.open(QIODevice::ReadOnly)) {
            if (erro)
                *erro = existente.errorString();
            return false;
        }
        QJsonParseError falha;
        const QJsonDocument doc = QJsonDocument::fromJson(existente.readAll(), &falha);
        // A damaged file is kept aside, each under its own name, rather than overwritten with
        // only the new run; when it cannot be set aside nothing is written over it. JSON that
        // holds no list of runs is no history either: replacing it would lose what it holds.
        if (falha.error != QJsonParseError::NoError || !doc.object().value(Execucoes).isArray()) {
            existente.close();
            const QString aparte = NomeLivreDanificado(arquivo);
            if (!existente.rename(aparte)) {
                if (erro)
                    *erro = existente.errorString();
                return false;
            }
            if (danificado)
                *danificado = aparte;
        } else {
            execucoes = doc.object().value(Execucoes).toArray();
        }
    }
    execucoes.append(ParaJson(e));
    QSaveFile f(arquivo);
    if (!QDir().mkpath(QFileInfo(arquivo).absolutePath()) || !f.open(QIODevice::WriteOnly)
        || f.write(QJsonDocument(QJsonObject{{Execucoes, execucoes}}).toJson()) < 0 || !f.commit()) {
        if (erro)
            *erro = f.errorString();
        return false;
    }
    return true;
}
