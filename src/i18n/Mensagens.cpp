#include "i18n/Mensagens.h"

#include "i18n/IdiomaAtivo.h"

namespace {

struct TextoMensagem {
    const char* titulo;
    const char* texto; // "{porta}" stands for the selected COM port
    Dialogos::Icone icone;
};

struct EntradaMensagem {
    const char* chave;
    TextoMensagem idiomas[3]; // pt, en, es
};

constexpr int TamanhoMensagens = 11;

// Every box has an OK button only; titles and texts are kept to the character (leading blanks
// of the titles, CR LF between lines).
const EntradaMensagem TabelaMensagens[TamanhoMensagens] = {
    {"MSG_PORTA",
     {
      {" SIGA OS PASSOS:",
       "1. Coloque o iPhxne em modo purple\r\n\r\n2. Feche o software da Box mas mantenha o iPhxne conectado a Box\r\n\r\n3. Selecione a Porta COM\r\n\r\n4. Clique em Conectar\r\n\r\n5. Caso o dispositivo parou de responder reinicie-o e repita os passos",
       Dialogos::Icone::Nenhum},
      {" FOLLOW THE STEPS:",
       "1. Put iPhxne in purple mode\r\n\r\n2. Close the Box software but keep the iPhxne connected to Box\r\n\r\n3. Select COM Port\r\n\r\n4. Click Connect\r\n\r\n5. If the device stopped responding, restart it and repeat the steps",
       Dialogos::Icone::Nenhum},
      {" SIGUE LOS PASOS:",
       "1. Ponga iPhxne en modo morado\r\n\r\n2. Cierre el software Box pero mantenga el iPhxne conectado a Box\r\n\r\n3. Seleccione Puerto COM\r\n\r\n4. Haga clic en Conectar\r\n\r\n5. Si el dispositivo dejó de responder, reinícielo y repita los pasos",
       Dialogos::Icone::Nenhum},
     }},
    {"MSG_PORTA_NAO_RESPONDE",
     {
      {"  Erro ao conectar",
       "Dispositivo não localizado na PORTA COM selecionada ou não respondendo.\r\n\r\nVerifique se a BOX esta conectada com PC, escolha a PORTA COM a qual a Box esta conectada e tente novamente.",
       Dialogos::Icone::Informacao},
      {"Error connecting",
       "Device not found on selected COM PORT or not responding.\r\n\r\nCheck if the BOX is connected with PC, choose the COM PORT the Box is connected to and try again.",
       Dialogos::Icone::Informacao},
      {"Error al conectar",
       "Dispositivo no encontrado en el PUERTO COM seleccionado o no responde.\r\n\r\nCompruebe si el BOX está conectado con la PC, elija el COM PORT al que está conectado el Box y vuelva a intentarlo.",
       Dialogos::Icone::Informacao},
     }},
    {"MSG_PORTA_EM_USO",
     {
      {"Porta COM em uso",
       "Porta de comunicação COM {porta} em uso por outro aplicativo, finalize o aplicativo da Box ou Cabo, tente novamente.",
       Dialogos::Icone::Informacao},
      {"Port COM in use",
       "Port communication COM {porta} in use by another application, end the Box or Cable application, try again.",
       Dialogos::Icone::Informacao},
      {"Puerto COM en uso",
       "Puerto de comunicación COM {porta} en uso por otra aplicación, finalice la aplicación Box o Cable y vuelva a intentarlo.",
       Dialogos::Icone::Informacao},
     }},
    {"MSG_PORTA_INVALIDA",
     {
      {"Porta COM inválida",
       "Porta de comunicação COM {porta} Inválida\r\nAltere a porta USB da Box e tente novamente.",
       Dialogos::Icone::Informacao},
      {"Port COM invalid",
       "Port communication COM {porta} invalid\r\nChange the Box's USB port and try again.",
       Dialogos::Icone::Informacao},
      {"Puerto COM inválido",
       "Puerto de comunicación COM {porta} inválido\r\n Cambie el puerto USB del Box y vuelva a intentarlo.",
       Dialogos::Icone::Informacao},
     }},
    {"SEM_PORTA",
     {
      {"Porta Serial COM",
       "Selecione uma Porta COM válida\r\nVerifique se a BOX está conectada ao Computador",
       Dialogos::Icone::Informacao},
      {"Serial COM Port",
       "Select a COM Port\r\nCheck if the BOX is connected to the PC",
       Dialogos::Icone::Informacao},
      {"Puerto COM Serial",
       "Seleccione una puerta COM\r\nCompruebe si el BOX esté conectado a la PC",
       Dialogos::Icone::Informacao},
     }},
    {"MSG_SELECIONE_MODELO",
     {
      {"Modelo do Dispositivo",
       "Modelo não identificado.\r\nSelecione o Modelo do Dispositivo para uma análise e comparação correta!",
       Dialogos::Icone::Informacao},
      {"Device Model",
       "Model no found.\r\nSelect the Device Model for correct analysis and comparison!",
       Dialogos::Icone::Informacao},
      {"Modelo de Dispositivo",
       "Modelo no identificado.\r\nSeleccione el modelo de dispositivo para realizar un análisis y una comparación correctos.",
       Dialogos::Icone::Informacao},
     }},
    {"MSG_ERRO_NAND",
     {
      {"  Erro Leitura NAND",
       "Verificar Memória Nand\r\nPossível problema ou inconsistência de dados gravados!",
       Dialogos::Icone::Informacao},
      {"Error Reading NAND",
       "Check Nand Memory\r\nPossible problem or inconsistency of recorded data!",
       Dialogos::Icone::Informacao},
      {"Error al Leer NAND",
       "Compruebe la memoria de Nand \r\nPosible problema o incoherencia de los datos registrados!",
       Dialogos::Icone::Informacao},
     }},
    {"MSG_NAO_PARA_IP6",
     {
      {"IP6/IP6s PLUS",
       "Esse comando não funciona para IP6/6 Plus/6s/6s Plus",
       Dialogos::Icone::Informacao},
      {"IP6/IP6s PLUS",
       "This command does not work for IP6/6 Plus/6s/6s Plus",
       Dialogos::Icone::Informacao},
      {"IP6/IP6s PLUS",
       "Este comando no funciona para IP6/6 Plus/6s/6s Plus",
       Dialogos::Icone::Informacao},
     }},
    {"SOMENTE_X",
     {
      {"Vexador Tarrim",
       "Função somente para IP X",
       Dialogos::Icone::Informacao},
      {"Vexador Tarrim",
       "Function only for IP X",
       Dialogos::Icone::Informacao},
      {"Vexador Tarrim",
       "Función solo para IP X",
       Dialogos::Icone::Informacao},
     }},
    {"PRIMEIRO_LEITURA",
     {
      {"Vexador Tarrim",
       "Primeiro execute uma leitura",
       Dialogos::Icone::Nenhum},
      {"Vexador Tarrim",
       "First perform a read",
       Dialogos::Icone::Informacao},
      {"Vexador Tarrim",
       "Primero realiza una lectura",
       Dialogos::Icone::Informacao},
     }},
    {"MSG_DADOS_SYNC",
     {
      {"Sincronização de dados",
       "Dados sincronizados com sucesso!",
       Dialogos::Icone::Informacao},
      {"Data synchronization",
       "Data synchronized successfully!",
       Dialogos::Icone::Informacao},
      {"Sincronización de datos",
       "Datos sincronizados correctamente!",
       Dialogos::Icone::Informacao},
     }},
};
const QString marcaPorta = QStringLiteral("{porta}");

const EntradaMensagem* procura(const QString& chave)
{
    for (const EntradaMensagem& e : TabelaMensagens)
        if (chave == QString::fromUtf8(e.chave))
            return &e;
    return nullptr;
}

} // namespace

std::optional<Dialogos::Caixa> CaixaDaMensagem(const QString& chave, int idioma,
                                               const QString& portaSelecionada)
{
    const EntradaMensagem* e = procura(chave);
    if (!e || idioma < 1 || idioma > 3)
        return std::nullopt;
    const TextoMensagem& t = e->idiomas[idioma - 1];
    // The port is taken at display time; replacing in the stored text only, so a port text
    // that happens to hold the marker is not expanded again.
    QString texto = QString::fromUtf8(t.texto);
    texto.replace(marcaPorta, portaSelecionada);
    return Dialogos::Caixa{texto, QString::fromUtf8(t.titulo), t.icone, Dialogos::Botoes::Ok};
}

QStringList ChavesDasMensagens()
{
    QStringList chaves;
    for (const EntradaMensagem& e : TabelaMensagens)
        chaves << QString::fromUtf8(e.chave);
    return chaves;
}

Dialogos::Resposta MostraMensagem(const QString& chave, const QString& portaSelecionada)
{
    if (!procura(chave)) {
        // No title of its own: the box carries the application's title.
        return dialogos().mensagem(chave + QStringLiteral(" Não Localizado"), QString(),
                                   Dialogos::Icone::Nenhum, Dialogos::Botoes::Ok);
    }
    const auto caixa = CaixaDaMensagem(chave, IdiomaAtual(), portaSelecionada);
    if (!caixa) // no language loaded yet: nothing to show
        return Dialogos::Resposta::Ok;
    return dialogos().mensagem(*caixa);
}
