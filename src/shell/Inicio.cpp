#include "shell/Inicio.h"

#include "db/Banco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Inicio {

QString textoBancoAusente()
{
    return QStringLiteral("BR - Arquivo: 'Config.qzd' ausente, reinstale o software\r\n\r\n"
                          "US - Config.qzd' missing, reinstall software\r\n\r\n"
                          "ES - Archivo: falta 'Config.qzd', reinstale el software");
}

QString tituloBancoAusente()
{
    return QStringLiteral("Arquivo ausente - File not found");
}

bool primeiroInicio(const QString& banco)
{
    Banco b(banco);
    if (!b.aberto())
        return false;
    const QVariant v = b.valor(QStringLiteral("Select syncbd from Tools"));
    return v.isValid() && v.toString() == QLatin1String("0");
}

ExameBanco examinaBanco(const QString& banco)
{
    return ExaminaBanco(banco);
}

QString bancoDaInstalacao(const QString& pastaInstalacao, const QString& banco)
{
    if (pastaInstalacao.isEmpty())
        return {};
    const QFileInfo instalado(QDir(pastaInstalacao).filePath(QStringLiteral("Config.qzd")));
    const QFileInfo proprio(banco);
    if (!instalado.isFile() || instalado.canonicalFilePath() == proprio.canonicalFilePath())
        return {};
    if (!ExaminaBanco(instalado.absoluteFilePath()).bom())
        return {};
    return instalado.absoluteFilePath();
}

QString nomeGuardado(const QString& caminho, const QDateTime& quando)
{
    const QFileInfo arquivo(caminho);
    const QString base = arquivo.completeBaseName() + QStringLiteral("-danificado-")
        + quando.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString sufixo = arquivo.suffix().isEmpty() ? QString() : QLatin1Char('.') + arquivo.suffix();
    QString nome = base + sufixo;
    for (int n = 2; QFileInfo::exists(arquivo.dir().filePath(nome)); ++n)
        nome = base + QLatin1Char('-') + QString::number(n) + sufixo;
    return nome;
}

namespace {

struct TextosIdioma {
    const char* sigla;
    const char* arquivo;     // %1 the path
    const char* ilegivel;
    const char* faltam;      // %1 the tables and fields
    const char* oferta;      // %1 the name it is kept under
    const char* semOferta;
    const char* copiaUsuario;
};

const TextosIdioma Idiomas[] = {
    {"BR", "O arquivo '%1' está danificado e não pode ser usado",
     "não é um banco de dados válido ou está corrompido", "faltam tabelas ou campos: %1",
     "Clique em Sim para começar com o banco de dados original da instalação: o arquivo danificado será "
     "guardado como '%1' e nada será apagado. Clique em Não para sair sem alterar nada.",
     "Substitua-o por uma cópia de segurança ou reinstale o software.",
     "Suas gravações podem ser recuperadas depois pela importação do User.qzd, a última cópia boa."},
    {"US", "The file '%1' is damaged and cannot be used", "it is not a valid database or it is corrupt",
     "tables or fields are missing: %1",
     "Click Yes to start from the installation's original database: the damaged file will be kept as '%1' "
     "and nothing will be deleted. Click No to quit without changing anything.",
     "Replace it with a backup copy or reinstall the software.",
     "Your recordings can then be recovered by importing User.qzd, the last good copy."},
    {"ES", "El archivo '%1' está dañado y no se puede usar", "no es una base de datos válida o está corrupta",
     "faltan tablas o campos: %1",
     "Haga clic en Sí para comenzar con la base de datos original de la instalación: el archivo dañado se "
     "guardará como '%1' y no se borrará nada. Haga clic en No para salir sin cambiar nada.",
     "Sustitúyalo por una copia de seguridad o reinstale el software.",
     "Después podrá recuperar sus grabaciones importando User.qzd, la última copia buena."},
};

QString t(const char* texto)
{
    return QString::fromUtf8(texto);
}

} // namespace

QString textoBancoDanificado(const ExameBanco& exame, const QString& caminho, const QString& guardarComo)
{
    const bool temCopiaUsuario = QFileInfo(QFileInfo(caminho).dir().filePath(QStringLiteral("User.qzd"))).isFile();
    QStringList partes;
    for (const TextosIdioma& i : Idiomas) {
        const QString motivo = exame.estado == ExameBanco::Estado::TabelaAusente
            ? t(i.faltam).arg(exame.detalhe)
            : t(i.ilegivel);
        QString texto = t(i.sigla) + QStringLiteral(" - ") + t(i.arquivo).arg(QDir::toNativeSeparators(caminho))
            + QStringLiteral(" (") + motivo + QStringLiteral("). ");
        texto += guardarComo.isEmpty() ? t(i.semOferta) : t(i.oferta).arg(guardarComo);
        if (temCopiaUsuario)
            texto += QLatin1Char(' ') + t(i.copiaUsuario);
        partes << texto;
    }
    return partes.join(QStringLiteral("\r\n\r\n"));
}

QString tituloBancoDanificado()
{
    return QStringLiteral("Banco de dados danificado - Damaged database - Base de datos dañada");
}

namespace {

// The files SQLite keeps beside a database while it writes: they belong to that database and
// go wherever it goes (a journal left beside the new file would be played into it).
const QStringList SufixosDiario = {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};

QString copia(const QString& origem, const QString& destino)
{
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return entrada.errorString();
    QSaveFile saida(destino);
    saida.setDirectWriteFallback(false);
    if (!saida.open(QIODevice::WriteOnly))
        return saida.errorString();
    const QByteArray bytes = entrada.readAll();
    if (entrada.error() != QFileDevice::NoError)
        return entrada.errorString();
    if (saida.write(bytes) != bytes.size() || !saida.commit())
        return saida.errorString();
    QFile(destino).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                  | QFileDevice::ReadOther);
    return {};
}

} // namespace

QString recomecaDaInstalacao(const QString& caminho, const QString& instalado, const QString& guardarComo)
{
    const QDir pasta = QFileInfo(caminho).dir();
    const QString guardado = pasta.filePath(guardarComo);
    if (QFileInfo::exists(guardado))
        return QStringLiteral("exists: ") + guardado;
    if (!QFile::rename(caminho, guardado))
        return QFile(caminho).errorString();
    QStringList movidos;
    for (const QString& sufixo : SufixosDiario) {
        if (!QFileInfo::exists(caminho + sufixo))
            continue;
        if (!QFile::rename(caminho + sufixo, guardado + sufixo)) {
            // Put back what moved: the damaged file stays with its journal.
            for (const QString& m : movidos)
                QFile::rename(guardado + m, caminho + m);
            QFile::rename(guardado, caminho);
            return QFile(caminho + sufixo).errorString();
        }
        movidos << sufixo;
    }
    const QString erro = copia(instalado, caminho);
    if (!erro.isEmpty()) {
        QFile::remove(caminho); // only ever the new, unfinished copy (QSaveFile leaves none)
        for (const QString& m : movidos)
            QFile::rename(guardado + m, caminho + m);
        QFile::rename(guardado, caminho);
        return erro;
    }
    return {};
}

QString textoNaoSubstituido(const QString& erro)
{
    return QStringLiteral("BR - Não foi possível substituir o arquivo: %1\r\n\r\n"
                          "US - The file could not be replaced: %1\r\n\r\n"
                          "ES - No fue posible sustituir el archivo: %1")
        .arg(erro);
}

QString textoSomenteLeitura(const QString& caminho)
{
    const QFileInfo arquivo(caminho);
    if (!arquivo.isFile() || (arquivo.isWritable() && QFileInfo(arquivo.absolutePath()).isWritable()))
        return {};
    return ResultadoBanco::falha(MotivoFalhaBanco::SomenteLeitura, QString(), caminho)
        .sobre(ResultadoBanco::Alvo::Inicio)
        .mensagem();
}

QString textoJaEmExecucao(const QString& pasta)
{
    return QStringLiteral("BR - O Vexador Tarrim já está aberto nesta pasta (%1) e não responde. Aguarde ou feche-o "
                          "antes de abrir outro.\r\n\r\n"
                          "US - Vexador Tarrim is already open on this folder (%1) and does not answer. Wait, or "
                          "close it before starting another.\r\n\r\n"
                          "ES - Vexador Tarrim ya está abierto en esta carpeta (%1) y no responde. Espere o ciérrelo "
                          "antes de abrir otro.")
        .arg(QDir::toNativeSeparators(pasta));
}

QString textoEmUsoPelaLinha(const QString& pasta)
{
    return QStringLiteral("BR - Um diagnóstico pela linha de comando (vexador-tarrim diagnostico) está usando esta pasta "
                          "(%1). Aguarde o fim dele antes de abrir o Vexador Tarrim.\r\n\r\n"
                          "US - A command-line diagnosis (vexador-tarrim diagnostico) is using this folder (%1). Wait "
                          "until it ends before opening Vexador Tarrim.\r\n\r\n"
                          "ES - Un diagnóstico por línea de comandos (vexador-tarrim diagnostico) está usando esta "
                          "carpeta (%1). Espere a que termine antes de abrir Vexador Tarrim.")
        .arg(QDir::toNativeSeparators(pasta));
}

QString tituloJaEmExecucao()
{
    return QStringLiteral("Vexador Tarrim");
}

} // namespace Inicio
