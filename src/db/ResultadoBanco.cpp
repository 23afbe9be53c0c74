#include "db/ResultadoBanco.h"

#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"

#include <QFileInfo>
#include <QSqlError>

namespace {

// SQLite's primary result codes (the low byte of an extended code).
enum CodigoSqlite {
    SqliteError = 1,
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadonly = 8,
    SqliteIoerr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantopen = 14,
    SqliteNotadb = 26,
};

bool gravavel(const QString& caminho)
{
    const QFileInfo arquivo(caminho);
    return arquivo.isWritable() && QFileInfo(arquivo.absolutePath()).isWritable();
}

// The texts are read in the current language; before it is known, in Portuguese.
QString texto(const char* chave)
{
    const int idioma = IdiomaAtual();
    return TextoDoDicionario(QString::fromUtf8(chave), idioma >= 1 && idioma <= 3 ? idioma : 1);
}

} // namespace

ResultadoBanco ResultadoBanco::falha(MotivoFalhaBanco motivo, const QString& detalhe, const QString& arquivo)
{
    ResultadoBanco r;
    r.m_motivo = motivo;
    r.m_detalhe = detalhe;
    r.m_arquivo = arquivo.isEmpty() ? QString() : QFileInfo(arquivo).fileName();
    return r;
}

QString ResultadoBanco::arquivo() const
{
    return m_arquivo.isEmpty() ? QStringLiteral("Config.qzd") : m_arquivo;
}

ResultadoBanco ResultadoBanco::doErro(const QSqlError& erro, const QString& caminho)
{
    if (erro.type() == QSqlError::NoError)
        return {};
    const QString texto = erro.text();
    bool numerico = false;
    const int codigo = erro.nativeErrorCode().toInt(&numerico) & 0xff;
    const auto com = [&](MotivoFalhaBanco motivo) { return falha(motivo, texto, caminho); };
    if (!numerico)
        return com(MotivoFalhaBanco::Outro);
    switch (codigo) {
    case SqliteReadonly:
    case SqlitePerm:
        return com(MotivoFalhaBanco::SomenteLeitura);
    case SqliteFull:
        return com(MotivoFalhaBanco::DiscoCheio);
    case SqliteBusy:
    case SqliteLocked:
        return com(MotivoFalhaBanco::Ocupado);
    case SqliteCorrupt:
    case SqliteNotadb:
        return com(MotivoFalhaBanco::Danificado);
    case SqliteError:
        // A table or field of the program missing from the file: it is not the database the
        // program needs.
        if (erro.databaseText().startsWith(QLatin1String("no such table"))
            || erro.databaseText().startsWith(QLatin1String("no such column")))
            return com(MotivoFalhaBanco::Danificado);
        return com(MotivoFalhaBanco::Outro);
    case SqliteCantopen:
    case SqliteIoerr:
        // The journal beside the file could not be made: a folder or file that cannot be
        // written is the usual cause, and the one the technician can fix.
        if (!caminho.isEmpty() && !QFileInfo(caminho).exists())
            return com(MotivoFalhaBanco::Ausente);
        if (!caminho.isEmpty() && !gravavel(caminho))
            return com(MotivoFalhaBanco::SomenteLeitura);
        return com(MotivoFalhaBanco::Outro);
    default:
        return com(MotivoFalhaBanco::Outro);
    }
}

QString ResultadoBanco::motivoTexto() const
{
    const auto texto = [this](const char* chave) { return ::texto(chave).replace(QStringLiteral("%1"), arquivo()); };
    switch (m_motivo) {
    case MotivoFalhaBanco::Nenhum: return QString();
    case MotivoFalhaBanco::Ausente: return texto("BANCO Motivo ausente");
    case MotivoFalhaBanco::SomenteLeitura: return texto("BANCO Motivo somente leitura");
    case MotivoFalhaBanco::DiscoCheio: return texto("BANCO Motivo disco cheio");
    case MotivoFalhaBanco::Ocupado: return texto("BANCO Motivo ocupado");
    case MotivoFalhaBanco::Danificado: return texto("BANCO Motivo danificado");
    case MotivoFalhaBanco::LinhaAusente: return texto("BANCO Motivo linha ausente");
    case MotivoFalhaBanco::ImportacaoPendente: return texto("BANCO Motivo importação pendente");
    case MotivoFalhaBanco::Outro: return texto("BANCO Motivo outro") + m_detalhe;
    }
    return QString();
}

QString ResultadoBanco::mensagem() const
{
    if (ok())
        return QString();
    switch (m_alvo) {
    case Alvo::CopiaUsuario: return texto("BANCO Cópia não atualizada") + motivoTexto();
    case Alvo::Importacao: return texto("BANCO Nada importado") + motivoTexto();
    case Alvo::Inicio: return texto("BANCO Nada será gravado") + motivoTexto();
    case Alvo::Gravacao: break;
    }
    return texto("BANCO Não gravado") + motivoTexto();
}
