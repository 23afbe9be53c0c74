#include "shell/Conexao.h"
#include "shell/ConsultaModelo.h"
#include "shell/Sessao.h"

#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "shell/Modelo.h"
#include "shell/Portas.h"

#include <QLocale>
#include <QSerialPort>
#include <QTimer>

namespace {
constexpr int MaiorPortaSuportada = 16;
constexpr int IntervaloReconexao = 500; // ms between two looks for a lost box

QString com(int numero)
{
    return QStringLiteral("COM") + QString::number(numero);
}
}

QString ChaveErroAbertura(int erroPorta)
{
    switch (static_cast<QSerialPort::SerialPortError>(erroPorta)) {
    case QSerialPort::PermissionError: // held (locked) by another program
    case QSerialPort::OpenError:       // already open
        return QStringLiteral("MSG_PORTA_EM_USO");
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::NotOpenError:
    case QSerialPort::UnsupportedOperationError: // a device that is not a serial port
        return QStringLiteral("MSG_PORTA_INVALIDA");
    default:
        return QString();
    }
}

Conexao::Conexao(Sessao& sessao, QObject* pai)
    : QObject(pai), m_sessao(sessao), m_ligacao(sessao.ligacao()), m_timerValidaPorta(new QTimer(this)),
      m_consulta(new ConsultaModelo(m_ligacao, this))
{
    m_timerValidaPorta->setObjectName(QStringLiteral("TimerValidaPorta"));
    m_timerValidaPorta->setInterval(300);
    connect(m_consulta, &Procedimento::terminou, this, &Conexao::consultaTerminou);
    m_timerReconexao = new QTimer(this);
    m_timerReconexao->setObjectName(QStringLiteral("TimerReconexao"));
    m_timerReconexao->setInterval(IntervaloReconexao);
    connect(m_timerValidaPorta, &QTimer::timeout, this, &Conexao::validaPorta);
    connect(m_timerReconexao, &QTimer::timeout, this, &Conexao::verificaReconexao);
    connect(&m_ligacao, &Ligacao::portaPerdida, this, &Conexao::aoPerderPorta);
    connect(&m_ligacao, &Ligacao::telefoneNaoPara, this, &Conexao::aoTelefoneNaoParar);
    // The box is back once the reconnection's handshake has confirmed the phone.
    connect(&m_ligacao, &Ligacao::estadoMudou, this, [this](EstadoLigacao e) {
        if (e == EstadoLigacao::Ociosa && m_avisoBox.fase == EsperaBox::Fase::Reconectando)
            defineFaseBox(EsperaBox::Fase::Nenhuma);
    });
}

void Conexao::defineFaseBox(EsperaBox::Fase fase)
{
    if (fase == m_avisoBox.fase && fase != EsperaBox::Fase::Aguardando)
        return;
    m_avisoBox.fase = fase;
    m_avisoBox.limiteMs = LimiteEsperaBoxMs;
    m_avisoBox.esperadoMs = m_esperaBox.isValid() ? m_esperaBox.elapsed() : 0;
    emit esperaBoxMudou();
}

void Conexao::aoTelefoneNaoParar()
{
    emit eventoLigacao(QStringLiteral("O telefone não para de enviar"));
    if (!m_ligacao.reservada()) {
        emit semFimAvisado(false);
        return;
    }
    // A handshake that never ends would hold the link for ever: connecting ends here.
    desconecta(QStringLiteral("Conexão encerrada: o telefone não para de enviar"));
    emit listaPortasPedida();
    emit semFimAvisado(true);
}

void Conexao::DesconectaSemFim()
{
    if (m_ligacao.descartando())
        desconecta(QStringLiteral("Desconectado pelo usuário: o telefone não para de enviar"));
}

bool Conexao::aguardandoBox() const
{
    return m_timerReconexao->isActive();
}

void Conexao::mostraLegenda(const QString& legenda)
{
    m_legendaBotao = legenda;
    emit legendaBotaoMudou(legenda);
}

void Conexao::mostraCor(const QString& cor)
{
    m_cor = cor;
    emit corStatusMudou(cor);
}

void Conexao::BotaoConectar(const QString& textoPorta)
{
    defineFaseBox(EsperaBox::Fase::Nenhuma); // the technician acts: the notice has been read
    if (aguardandoBox())
        encerraEspera(QStringLiteral("Espera da Box cancelada pelo botão Conectar"));
    const EstadoLigacao estado = m_ligacao.estado();
    // A handshake whose answer never ends may be given up like any answer in flight.
    if (estado == EstadoLigacao::Conectando && !m_ligacao.descartando())
        return;
    // During an answer the button still disconnects: a phone that floods or never ends its
    // answer must not hold the link.
    if (estado == EstadoLigacao::Ocupada || estado == EstadoLigacao::Conectando) {
        desconecta();
        return;
    }
    bool numerico = false;
    const double valor = QLocale::c().toDouble(textoPorta.trimmed(), &numerico);
    if (textoPorta.isEmpty() || !numerico) {
        emit mensagemPedida(QStringLiteral("SEM_PORTA"), textoPorta);
        return;
    }
    if (valor > MaiorPortaSuportada) {
        emit portaAltaExplicada();
        return;
    }
    if (estado != EstadoLigacao::Desconectada) {
        desconecta();
        return;
    }
    conecta(qRound(valor));
}

void Conexao::desconecta(const QString& motivo)
{
    m_ligacao.abandonaTroca(motivo);
    m_ligacao.pedeQuandoLivre(QString());
    m_consulta->larga(motivo); // nothing when its exchange went with the one abandoned above
    emit eventoLigacao(motivo);
    m_ligacao.porta()->close();
    mostraLegenda(L(QStringLiteral("Conectar")));
    mostraCor(QStringLiteral("Branco"));
    m_ligacao.defineTextoEstado(L(QStringLiteral("Desconectado")));
    m_ligacao.defineEstado(EstadoLigacao::Desconectada);
    m_ligacao.defineLegendaPrincipal(m_ligacao.tituloPrincipal());
    m_timerValidaPorta->stop();
    ContadorValidaPorta = 0;
    m_sessao.defineNumeroModelo(QString());
}

bool Conexao::abrePorta(int numero, int* erro)
{
    QSerialPort* porta = m_ligacao.porta();
    m_ligacao.definePortaSelecionada(QString::number(numero));
    if (porta->isOpen())
        porta->close();
    porta->setPortName(Portas::dispositivo(numero));
    porta->setBaudRate(QSerialPort::Baud115200);
    porta->setParity(QSerialPort::NoParity);
    porta->setDataBits(QSerialPort::Data8);
    porta->setStopBits(QSerialPort::OneStop);
    const bool aberta = !porta->portName().isEmpty() && porta->open(QIODevice::ReadWrite);
    if (!aberta) {
        *erro = porta->portName().isEmpty() ? QSerialPort::DeviceNotFoundError : porta->error();
        return false;
    }
    porta->clearError(); // an error of the device that was lost does not belong to this one
    porta->clear();      // nothing left over from before belongs to this answer
    return true;
}

void Conexao::conecta(int numero)
{
    int erro = 0;
    if (!abrePorta(numero, &erro)) {
        QSerialPort* porta = m_ligacao.porta();
        const QString chave = ChaveErroAbertura(erro);
        emit eventoLigacao(QStringLiteral("%1 não abriu: %2 (%3)").arg(com(numero), porta->errorString()).arg(erro));
        if (chave.isEmpty())
            emit erroPedido(porta->errorString(), erro);
        else
            emit mensagemPedida(chave, m_ligacao.portaSelecionada());
        emit listaPortasPedida();
        return;
    }
    iniciaHandshake();
}

void Conexao::iniciaHandshake()
{
    emit eventoLigacao(QStringLiteral("Conectando ") + com(m_ligacao.portaSelecionada().toInt()));
    ContadorValidaPorta = 0;
    m_ligacao.reservaParaConexao();
    m_respostaHandshake.clear();
    // Its answer is read once it has come; the port's ticks decide whether a device answered.
    // The number comes with the prompt: never closed at the first poll.
    Troca* troca = m_ligacao.pede(SemRequisitante, ConsultaModelo::Comando, Ligacao::Modo::Conexao,
                                  RegrasTroca::RegraFim::SemAtalho);
    m_trocaHandshake = troca;
    connect(troca, &Troca::respondida, this, [this, troca](const QString& R) {
        if (troca == m_trocaHandshake)
            m_respostaHandshake = R;
    });
    if (m_ligacao.estado() == EstadoLigacao::Desconectada)
        return; // the box was gone already: the loss has been handled
    m_timerValidaPorta->start();
    mostraLegenda(L(QStringLiteral("Conectando")));
    m_ligacao.defineTextoEstado(L(QStringLiteral("Conectando")));
    m_ligacao.defineEstado(EstadoLigacao::Conectando);
    mostraCor(QStringLiteral("Amarelo"));
}

void Conexao::validaPorta()
{
    // Counted once the handshake's answer is closed (the link is back in "2", still ours).
    if (m_ligacao.estado() != EstadoLigacao::Conectando || m_ligacao.trocaEmCurso())
        return;
    ++ContadorValidaPorta;
    if (ContadorValidaPorta > 10) {
        m_timerValidaPorta->stop();
        m_trocaHandshake = nullptr;
        emit eventoLigacao(QStringLiteral("Sem resposta do dispositivo: desconectado"));
        if (m_avisoBox.fase == EsperaBox::Fase::Reconectando)
            defineFaseBox(EsperaBox::Fase::Encerrada);
        emit mensagemPedida(QStringLiteral("MSG_PORTA_NAO_RESPONDE"), m_ligacao.portaSelecionada());
        emit mensagemPedida(QStringLiteral("MSG_PORTA"), m_ligacao.portaSelecionada());
        m_ligacao.porta()->close();
        mostraLegenda(L(QStringLiteral("Conectar")));
        mostraCor(QStringLiteral("Branco"));
        m_ligacao.defineTextoEstado(L(QStringLiteral("Desconectado")));
        m_ligacao.defineEstado(EstadoLigacao::Desconectada);
        m_ligacao.defineLegendaPrincipal(m_ligacao.tituloPrincipal());
        m_sessao.defineNumeroModelo(QString());
        ContadorValidaPorta = 0;
        emit listaPortasPedida();
        return;
    }
    if (m_respostaHandshake.size() > 40) {
        m_timerValidaPorta->stop();
        m_trocaHandshake = nullptr;
        mostraLegenda(L(QStringLiteral("Desconectar")));
        mostraCor(QStringLiteral("Verde"));
        emit eventoLigacao(QStringLiteral("Conectado"));
        AvaliaHandshake();
        // A model query still under way keeps the link until it ends.
        if (!consultaEmCurso())
            m_ligacao.confirmaConexao();
    }
}

void Conexao::mensagensModeloDesconhecido()
{
    emit mensagemPedida(QStringLiteral("MSG_ERRO_NAND"), m_ligacao.portaSelecionada());
    emit mensagemPedida(QStringLiteral("MSG_SELECIONE_MODELO"), m_ligacao.portaSelecionada());
}

void Conexao::AvaliaHandshake()
{
    using Acao = AvaliacaoHandshake::Acao;
    const AvaliacaoHandshake a = ::AvaliaHandshake(m_respostaHandshake);
    switch (a.acao) {
    case Acao::DriverAusente:
        mensagensModeloDesconhecido();
        emit focoModeloPedido();
        return;
    case Acao::SemNumero:
        // No number could be read (bytes that are not text on the line, a cut answer): it is
        // read once more, and said if it still cannot be.
        IdentificaModelo();
        return;
    case Acao::NovaConsulta:
        IdentificaModelo();
        return;
    case Acao::Desconhecido:
        emit consoleLimpoPedido();
        emit mensagemPedida(QStringLiteral("MSG_ERRO_NAND"), m_ligacao.portaSelecionada());
        m_sessao.defineNumeroModelo(QLatin1Char('*') + a.numero + QLatin1Char('*'));
        emit mensagemPedida(QStringLiteral("MSG_SELECIONE_MODELO"), m_ligacao.portaSelecionada());
        emit focoModeloPedido();
        return;
    case Acao::Reconhecido:
        emit consoleLimpoPedido();
        m_sessao.defineNumeroModelo(a.numero);
        m_sessao.defineModelo(a.modelo);
        ContadorValidaPorta = 0;
        emit eventoLigacao(QStringLiteral("Modelo identificado: %1 (%2)").arg(a.modelo, a.numero));
        return;
    }
}

bool Conexao::consultaEmCurso() const
{
    return m_consulta->emCurso();
}

void Conexao::IdentificaModelo()
{
    const bool livre = m_ligacao.estado() == EstadoLigacao::Ociosa
        || (m_ligacao.reservada() && m_ligacao.estado() == EstadoLigacao::Conectando && !m_ligacao.trocaEmCurso());
    if (!livre || consultaEmCurso())
        return;
    m_sessao.defineNumeroModelo(QStringLiteral("..."));
    // The query owns the link until it has told the model: no window's command may be read
    // as its answer.
    m_ligacao.reservaParaConexao();
    m_consulta->inicia();
}

void Conexao::consultaTerminou()
{
    using Fim = Procedimento::Fim;
    using Acao = AvaliacaoConsulta::Acao;
    // Gone with the link (lost box, the user's disconnect): what the link shows is already said.
    if (m_consulta->fim() == Fim::LigacaoPerdida || m_consulta->fim() == Fim::Largado
        || m_ligacao.estado() == EstadoLigacao::Desconectada)
        return;
    // An exchange that failed (its box was shown) read no number, as an unreadable answer.
    const AvaliacaoConsulta r = m_consulta->fim() == Fim::Concluido ? m_consulta->resultado() : AvaliacaoConsulta{};
    switch (r.acao) {
    case Acao::NaoEncontrado:
        m_sessao.defineNumeroModelo(QString());
        mensagensModeloDesconhecido();
        emit focoModeloPedido();
        break;
    case Acao::Repete:
    case Acao::Ilegivel:
        // The model was not identified from the board.
        m_sessao.defineNumeroModelo(QString());
        emit eventoLigacao(QStringLiteral("Modelo não identificado: número ilegível"));
        mensagensModeloDesconhecido();
        emit focoModeloPedido();
        break;
    case Acao::Desconhecido:
        m_sessao.defineNumeroModelo(QLatin1Char('*') + r.numero + QLatin1Char('*'));
        mensagensModeloDesconhecido();
        emit consoleLimpoPedido();
        break;
    case Acao::Reconhecido:
        m_sessao.defineNumeroModelo(r.numero);
        m_sessao.defineModelo(r.modelo);
        emit eventoLigacao(QStringLiteral("Modelo identificado: %1 (%2)").arg(r.modelo, r.numero));
        emit consoleLimpoPedido();
        break;
    }
    m_ligacao.confirmaConexao();
}

void Conexao::aoPerderPorta()
{
    // The link has closed the port and is in "0"; the rest of what button 1 shows follows.
    m_timerValidaPorta->stop();
    ContadorValidaPorta = 0;
    mostraLegenda(L(QStringLiteral("Conectar")));
    mostraCor(QStringLiteral("Branco"));
    bool numerica = false;
    const int numero = m_ligacao.portaSelecionada().toInt(&numerica);
    emit eventoLigacao(QStringLiteral("Box perdida") + (numerica ? QStringLiteral(" em ") + com(numero) : QString()));
    emit listaPortasPedida();
    const Ligacao::TrocaPerdida perdida = m_ligacao.trocaPerdida();
    m_avisoBox.porta = numerica ? numero : 0;
    m_avisoBox.codigo = perdida.codigo;
    m_avisoBox.comando = perdida.comando;
    if (!numerica) {
        m_esperaBox.invalidate();
        defineFaseBox(EsperaBox::Fase::Encerrada);
        return;
    }
    m_portaAguardada = numero;
    m_esperaBox.start();
    defineFaseBox(EsperaBox::Fase::Aguardando);
    m_timerReconexao->start();
    m_ligacao.defineTextoEstado(L(QStringLiteral("Aguardando Box")));
    emit eventoLigacao(QStringLiteral("Aguardando Box em %1 por até %2 s").arg(com(numero)).arg(LimiteEsperaBoxMs / 1000));
}

void Conexao::encerraEspera(const QString& evento)
{
    m_timerReconexao->stop();
    if (m_ligacao.estado() == EstadoLigacao::Desconectada)
        m_ligacao.defineTextoEstado(L(QStringLiteral("Desconectado")));
    emit eventoLigacao(evento);
}

void Conexao::verificaReconexao()
{
    if (m_ligacao.estado() != EstadoLigacao::Desconectada) {
        m_timerReconexao->stop(); // connected by other means meanwhile
        return;
    }
    if (m_esperaBox.elapsed() > LimiteEsperaBoxMs) {
        encerraEspera(QStringLiteral("Espera da Box encerrada: %1 não voltou").arg(com(m_portaAguardada)));
        defineFaseBox(EsperaBox::Fase::Encerrada);
        return;
    }
    defineFaseBox(EsperaBox::Fase::Aguardando); // the wait's progress
    if (!Portas::PortaExiste(m_portaAguardada))
        return;
    // A device that is back but cannot be opened yet (still being set up) is tried again later.
    int erro = 0;
    if (!abrePorta(m_portaAguardada, &erro))
        return;
    m_timerReconexao->stop();
    emit eventoLigacao(QStringLiteral("Box de volta em %1: reconectando").arg(com(m_portaAguardada)));
    emit listaPortasPedida();
    emit portaEscolhidaPedida(QString::number(m_portaAguardada));
    defineFaseBox(EsperaBox::Fase::Reconectando);
    iniciaHandshake();
}
