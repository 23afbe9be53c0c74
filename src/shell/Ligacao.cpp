#include "shell/Ligacao.h"

#include "i18n/Dicionario.h"
#include "shell/Portas.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>

#include <utility>

using namespace RegrasTroca;

namespace {
// Every answer starts with this line break.
const QString InicioResposta = QStringLiteral("\r\n");
}

QString CodigoEstado(EstadoLigacao estado)
{
    switch (estado) {
    case EstadoLigacao::Desconectada: return QStringLiteral("0");
    case EstadoLigacao::Ociosa: return QStringLiteral("1");
    case EstadoLigacao::Conectando: return QStringLiteral("2");
    case EstadoLigacao::Ocupada: return QStringLiteral("3");
    }
    return QStringLiteral("0");
}

Ligacao::Ligacao(QObject* pai)
    : QObject(pai), m_porta(new QSerialPort(this)), m_timer1(new QTimer(this)), m_timer2(new QTimer(this)),
      m_timerDescarte(new QTimer(this))
{
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timerDescarte->setObjectName(QStringLiteral("TimerDescarte"));
    // The end-of-answer rules count ticks: keep them close to their nominal period.
    for (QTimer* t : {m_timer1, m_timer2, m_timerDescarte}) {
        t->setInterval(IntervaloDeLeitura(QStringLiteral("1")));
        t->setTimerType(Qt::PreciseTimer);
    }
    // The line is read as it arrives, so a flooding phone never piles up more than one
    // answer's bound; the ticks still decide with what came since the previous one.
    connect(m_porta, &QSerialPort::readyRead, this, &Ligacao::recebe);
    connect(m_porta, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::NoError)
            return;
        m_ultimoErro = e;
        // Between exchanges nobody polls: a box unplugged now is noticed here. Looked at after
        // the port's own handling has ended.
        if ((e == QSerialPort::ResourceError || e == QSerialPort::ReadError) && !m_verificacaoPendente) {
            m_verificacaoPendente = true; // a port that keeps failing is looked at once per turn
            QTimer::singleShot(0, this, [this, e] {
                m_verificacaoPendente = false;
                erroForaDaTroca(e);
            });
        }
    });
    connect(m_timer1, &QTimer::timeout, this, &Ligacao::primeiraLeitura);
    connect(m_timer2, &QTimer::timeout, this, &Ligacao::leiturasSeguintes);
    connect(m_timerDescarte, &QTimer::timeout, this, &Ligacao::leituraDoDescarte);
    // Bytes after an answer the quiet poll closed: counted until the line has rested as long
    // as the discard of a cut answer waits.
    m_timerContinuacao = new QTimer(this);
    m_timerContinuacao->setObjectName(QStringLiteral("TimerContinuacao"));
    m_timerContinuacao->setSingleShot(true);
    connect(m_timerContinuacao, &QTimer::timeout, this, [this] {
        if (m_fase != Fase::Ociosa)
            return;
        registraDescartados(QString());
        contaContinuacao();
    });
}

void Ligacao::contaContinuacao()
{
    m_timerContinuacao->stop();
    const QString codigo = std::exchange(m_codigoUltimaResposta, QString());
    const qint64 n = std::exchange(m_continuacao, 0);
    if (n > 0 && !codigo.isEmpty() && codigo != SemRequisitante)
        emit respostaContinuou(codigo, n);
}

Ligacao::~Ligacao() = default;

void Ligacao::defineEstado(EstadoLigacao estado)
{
    if (estado == EstadoLigacao::Desconectada)
        m_reservada = false;
    if (m_estado == estado)
        return;
    m_estado = estado;
    emit estadoMudou(m_estado);
    if (m_estado == EstadoLigacao::Ociosa && !m_pendente.isEmpty())
        // After the delivery that made the link idle has ended.
        QTimer::singleShot(0, this, &Ligacao::enviaPendente);
}

void Ligacao::voltaAoRepouso()
{
    if (m_reservada) {
        defineTextoEstado(L(QStringLiteral("Conectando")));
        defineEstado(EstadoLigacao::Conectando);
        return;
    }
    defineTextoEstado(L(QStringLiteral("Conectado")));
    defineEstado(EstadoLigacao::Ociosa);
}

void Ligacao::confirmaConexao()
{
    if (!m_reservada)
        return;
    m_reservada = false;
    if (m_estado != EstadoLigacao::Desconectada && m_fase == Fase::Ociosa)
        voltaAoRepouso();
}

void Ligacao::pedeQuandoLivre(const QString& comando)
{
    m_pendente = comando;
    emit comandoPendenteMudou(m_pendente);
    if (m_estado == EstadoLigacao::Ociosa)
        QTimer::singleShot(0, this, &Ligacao::enviaPendente);
}

void Ligacao::enviaPendente()
{
    // Another command may have taken the link first: the next return to idle sends it.
    if (m_pendente.isEmpty() || m_estado != EstadoLigacao::Ociosa)
        return;
    const QString comando = std::exchange(m_pendente, QString());
    emit comandoPendenteMudou(QString());
    m_trocaDoPendente = pede(SemRequisitante, comando);
}

void Ligacao::defineTextoEstado(const QString& texto)
{
    m_textoEstado = texto;
    emit textoEstadoMudou(texto);
}

void Ligacao::defineLegendaPrincipal(const QString& legenda)
{
    m_legenda = legenda;
    emit legendaPrincipalMudou(legenda);
}

void Ligacao::defineModeloBox(const QString& box)
{
    m_box = box;
    const int intervalo = IntervaloDeLeitura(box);
    if (intervalo > 0)
        for (QTimer* t : {m_timer1, m_timer2, m_timerDescarte})
            t->setInterval(intervalo);
}

void Ligacao::mostraComunicando()
{
    defineTextoEstado(L(QStringLiteral("Comunicando")));
    // The handshake's own exchanges leave the link in "2": nothing else may start meanwhile.
    defineEstado(m_reservada ? EstadoLigacao::Conectando : EstadoLigacao::Ocupada);
    defineLegendaPrincipal(L(QStringLiteral("Comunicando")) + QStringLiteral("..."));
}

void Ligacao::EnviaComando()
{
    if (m_comando.isEmpty())
        return;
    if (m_porta->isOpen() && m_porta->error() == QSerialPort::NoError)
        m_ultimoErro = 0;
    mostraComunicando();

    // Nothing that arrived before this command belongs to its answer.
    recebe();
    Pedaco antes;
    m_coleta.toma(&antes);
    m_timerDescarte->stop();
    registraDescartados(m_fase == Fase::Descarte ? m_codigoDescarte : QString());
    contaContinuacao();
    m_fase = Fase::Ociosa;
    m_alemDoLimite = {};
    m_cortadaNoLimite = false;

    // A failed write leaves the link busy without polling, as the caption says.
    if (!m_porta->isOpen()) {
        emit mensagemPedida(QStringLiteral("MSG_PORTA"), m_portaSelecionada);
        cancelaTroca(Troca::Motivo::Falha);
        return;
    }
    const QByteArray bytes = m_comando.toLatin1() + '\r';
    m_fase = Fase::Troca;
    if (m_porta->write(bytes) != bytes.size()) {
        m_fase = Fase::Ociosa;
        const int numero = static_cast<int>(m_porta->error());
        if (dispositivoSumiu(numero)) {
            defineLegendaPrincipal(m_tituloPrincipal);
            perdeDispositivo();
            return;
        }
        emit erroDeEnvio(m_porta->errorString() + QStringLiteral(" Nº: ") + QString::number(numero),
                         QStringLiteral("Erro ao enviar comando Nº ") + QString::number(numero));
        cancelaTroca(Troca::Motivo::Falha);
        return;
    }
    emit comandoEnviado(m_requisitante, m_comando);
    m_timer1->start();
}

void Ligacao::AdicionaDadosConsole(const QString& dados)
{
    if (dados.isEmpty())
        return;
    const QString expandido = ComoNoConsole(dados);
    m_resposta += expandido;
    emit consoleAcrescentado(expandido);
    espelha();
}

void Ligacao::espelha()
{
    if (!espelhoAtivo() || m_troca->desistiu())
        return;
    emit m_troca->parcial(m_resposta, RemoveEco(m_resposta, m_comando));
}

Troca* Ligacao::pede(const QString& codigo, const QString& comando, Modo modo)
{
    return pede(codigo, comando, modo, RegraDoComando(comando));
}

Troca* Ligacao::pede(const QString& codigo, const QString& comando, Modo modo, RegraFim regra)
{
    auto* troca = new Troca(codigo, comando, modo == Modo::Espelhada, this);
    const bool aceita = modo == Modo::Conexao || m_estado == EstadoLigacao::Ociosa;
    if (!aceita || comando.isEmpty()) {
        troca->m_recusada = true;
        QTimer::singleShot(0, troca, [troca] { troca->cancela(Troca::Motivo::Recusada); });
        return troca;
    }
    // An exchange still open here was abandoned without a word (a handshake sent again).
    cancelaTroca(Troca::Motivo::Abandonada);
    m_troca = troca;
    m_requisitante = codigo;
    m_regra = regra;
    m_comando = comando;
    EnviaComando();
    return troca;
}

void Ligacao::cancelaTroca(Troca::Motivo motivo)
{
    if (Troca* t = m_troca.data()) {
        m_troca.clear();
        emit trocaCancelada(t->codigo(), motivo);
        t->cancela(motivo);
    }
}

QString Ligacao::textoEspera() const
{
    if (m_estado == EstadoLigacao::Desconectada)
        return L(QStringLiteral("Desconectado")) + QStringLiteral("!");
    return L(QStringLiteral("Aguarde..."));
}

void Ligacao::recebe()
{
    if (!m_porta->isOpen())
        return;
    const QByteArray bytes = m_porta->readAll();
    if (bytes.isEmpty())
        return;
    if (m_fase != Fase::Troca) {
        m_coleta.acrescenta(bytes, 0, &m_descarte);
        if (m_fase == Fase::Ociosa && !m_codigoUltimaResposta.isEmpty()) {
            m_continuacao += bytes.size();
            m_timerContinuacao->start(PollsSilenciososNoDescarte * m_timer2->interval());
        }
        return;
    }
    // Before its first poll the answer is only its leading line break.
    const qsizetype usado = m_timer1->isActive() ? InicioResposta.size() : m_resposta.size();
    m_coleta.acrescenta(bytes, LimiteResposta - usado, &m_alemDoLimite);
}

bool Ligacao::le(QString* chunk, Pedaco* pedaco)
{
    if (!m_porta->isOpen() || m_porta->error() != QSerialPort::NoError) {
        falhaNaLeitura();
        return false;
    }
    recebe();
    if (m_porta->error() != QSerialPort::NoError) {
        falhaNaLeitura();
        return false;
    }
    // Latin-1 keeps every received byte as one character, whatever it is.
    *chunk = QString::fromLatin1(m_coleta.toma(pedaco));
    return true;
}

void Ligacao::falhaNaLeitura()
{
    m_timer1->stop();
    m_timer2->stop();
    m_fase = Fase::Ociosa;
    // A port that closed itself on a vanished device still tells why through the last error.
    QSerialPort::SerialPortError erro = m_porta->error();
    if (erro == QSerialPort::NoError)
        erro = m_ultimoErro ? static_cast<QSerialPort::SerialPortError>(m_ultimoErro)
                            : QSerialPort::NotOpenError;
    const QString descricao = m_porta->errorString();
    emit trocaInterrompida(m_requisitante, m_resposta, descricao + QStringLiteral(" Nº: ") + QString::number(erro));
    defineLegendaPrincipal(m_tituloPrincipal);
    if (dispositivoSumiu(erro)) {
        perdeDispositivo();
        return;
    }
    voltaAoRepouso();
    // The answer will not be delivered (the requester code keeps its value): the asker
    // stops waiting.
    emit erroPedido(descricao, static_cast<int>(erro));
    cancelaTroca(Troca::Motivo::Falha);
}

bool Ligacao::dispositivoSumiu(int erro) const
{
    if (erro == QSerialPort::ResourceError)
        return true;
#ifndef Q_OS_WIN
    // A vanished pty or USB adapter takes its device node with it.
    QString caminho = m_porta->portName();
    if (!caminho.isEmpty() && !caminho.startsWith(QLatin1Char('/')))
        caminho.prepend(QStringLiteral("/dev/"));
    if (!caminho.isEmpty() && !QFileInfo::exists(caminho))
        return true;
#endif
    bool numero = false;
    const int n = m_portaSelecionada.toInt(&numero);
    return numero && !Portas::PortaExiste(n);
}

void Ligacao::perdeDispositivo()
{
    paraLeituras();
    if (m_porta->isOpen())
        m_porta->close();
    // The answer is gone with the box: the next exchange (the reconnection's handshake
    // included) must not be delivered to the window that asked for this one.
    m_requisitante = SemRequisitante;
    QPointer<Troca> perdida = std::exchange(m_troca, nullptr);
    m_trocaPerdida = perdida ? TrocaPerdida{perdida->codigo(), perdida->comando(), m_resposta.size()} : TrocaPerdida{};
    if (perdida && perdida == m_trocaDoPendente && m_pendente.isEmpty()) {
        m_pendente = perdida->comando();
        emit comandoPendenteMudou(m_pendente);
    }
    defineTextoEstado(L(QStringLiteral("Desconectado")));
    defineEstado(EstadoLigacao::Desconectada);
    emit portaPerdida();
    if (perdida) {
        emit trocaCancelada(perdida->codigo(), Troca::Motivo::LigacaoPerdida);
        perdida->cancela(Troca::Motivo::LigacaoPerdida);
    }
}

void Ligacao::erroForaDaTroca(int erro)
{
    // An exchange in progress meets the error at its next poll; a closed port is no longer ours.
    if (!m_porta->isOpen() || m_fase == Fase::Troca || m_estado == EstadoLigacao::Desconectada)
        return;
    if (!dispositivoSumiu(erro))
        return;
    perdeDispositivo();
}

void Ligacao::primeiraLeitura()
{
    m_resposta = InicioResposta;
    emit consoleRedefinido(m_resposta);
    espelha();
    QString chunk;
    Pedaco pedaco;
    if (!le(&chunk, &pedaco))
        return;
    m_timer1->stop();
    if (PrimeiraLeitura(m_box, m_regra, pedaco) != Fim::Continua) {
        AdicionaDadosConsole(chunk);
        EntregaResposta();
        return;
    }
    m_contadorLeitura = 1;
    AdicionaDadosConsole(chunk);
    m_timer2->start();
}

void Ligacao::leiturasSeguintes()
{
    QString chunk;
    Pedaco pedaco;
    if (!le(&chunk, &pedaco))
        return;
    const Fim fim = LeituraSeguinte(m_box, m_regra, m_contadorLeitura, pedaco);
    if (fim == Fim::Continua) {
        AdicionaDadosConsole(chunk);
        ++m_contadorLeitura;
        return;
    }
    m_timer2->stop();
    m_cortadaNoLimite = fim == Fim::Cortada;
    AdicionaDadosConsole(chunk);
    EntregaResposta();
}

void Ligacao::EntregaResposta()
{
    const QString R = m_resposta;
    const QString A = RemoveEco(R, m_comando);
    defineLegendaPrincipal(m_tituloPrincipal);
    const QString codigo = m_requisitante;
    // From now on what arrives belongs to no answer: the rest of a cut one is waited for.
    m_fase = m_cortadaNoLimite ? Fase::Descarte : Fase::Ociosa;
    m_codigoDescarte = codigo;
    m_codigoUltimaResposta = codigo;
    m_continuacao = 0;
    emit respostaColetada(codigo, R);
    // Answered while still in flight: the asker may look at the link (requester, mirroring).
    if (Troca* t = m_troca.data())
        t->responde(R, A);
    m_troca.clear();
    m_requisitante = SemRequisitante;
    if (m_fase == Fase::Descarte && m_porta->isOpen()) {
        // Busy until the phone has finished the answer that was cut.
        comecaDescarte();
    } else {
        if (m_fase == Fase::Descarte) { // the port was closed during the delivery
            m_fase = Fase::Ociosa;
            registraDescartados(codigo);
        }
        voltaAoRepouso();
    }
    emit respostaEntregue(codigo);
}

void Ligacao::leituraDoDescarte()
{
    if (!m_porta->isOpen() || m_porta->error() != QSerialPort::NoError) {
        // Nothing more will come: a vanished box is lost as between exchanges.
        const int erro = m_porta->error() != QSerialPort::NoError ? int(m_porta->error()) : m_ultimoErro;
        if (dispositivoSumiu(erro))
            perdeDispositivo();
        else
            terminaDescarte();
        return;
    }
    recebe();
    Pedaco pedaco;
    m_coleta.toma(&pedaco, true);
    if (DescarteTermina(pedaco, &m_silenciosos)) {
        terminaDescarte();
        return;
    }
    if (!m_semFimAvisado && m_tempoDescarte.elapsed() >= LimiteSemFimMs) {
        m_semFimAvisado = true;
        emit telefoneNaoPara(m_codigoDescarte);
    }
}

void Ligacao::terminaDescarte()
{
    m_timerDescarte->stop();
    m_fase = Fase::Ociosa;
    registraDescartados(m_codigoDescarte);
    defineLegendaPrincipal(m_tituloPrincipal);
    voltaAoRepouso();
}

void Ligacao::registraDescartados(const QString& codigo)
{
    if (m_descarte.vazio())
        return;
    const Descarte descarte = std::exchange(m_descarte, {});
    emit bytesDescartados(codigo, descarte);
    // The rest of a cut answer: its window is told how much it did not get.
    if (!codigo.isEmpty()) {
        m_continuacao = descarte.total();
        m_codigoUltimaResposta = codigo;
        contaContinuacao();
    }
}

void Ligacao::paraLeituras()
{
    m_timer1->stop();
    m_timer2->stop();
    m_timerDescarte->stop();
    const bool descartando = m_fase == Fase::Descarte;
    m_fase = Fase::Ociosa;
    Pedaco pedaco;
    m_coleta.toma(&pedaco);
    registraDescartados(descartando ? m_codigoDescarte : QString());
    contaContinuacao();
}

void Ligacao::largaTroca(const QString& motivo)
{
    if (m_fase != Fase::Troca || !m_porta->isOpen())
        return;
    const QString codigo = m_requisitante;
    const QString R = m_timer1->isActive() ? QString() : m_resposta;
    m_timer1->stop();
    m_timer2->stop();
    emit trocaInterrompida(codigo, R, motivo);
    m_requisitante = SemRequisitante;
    cancelaTroca(Troca::Motivo::Abandonada);
    // The phone goes on answering: what it still sends is not the next command's answer.
    m_fase = Fase::Descarte;
    m_codigoDescarte = codigo;
    comecaDescarte();
}

void Ligacao::comecaDescarte()
{
    mostraComunicando();
    m_silenciosos = 0;
    // A phone that never stops is said after the same bound, however the wait began.
    m_tempoDescarte.start();
    m_semFimAvisado = false;
    m_timerDescarte->start();
}

void Ligacao::abandonaTroca(const QString& motivo)
{
    if (m_fase == Fase::Troca) {
        const QString codigo = m_requisitante;
        // Before its first poll the console still shows the previous answer.
        const QString R = m_timer1->isActive() ? QString() : m_resposta;
        m_timer1->stop();
        m_timer2->stop();
        // The log gets the answer up to this moment, what came since the last poll included.
        recebe();
        Pedaco pedaco;
        const QString resto = ComoNoConsole(QString::fromLatin1(m_coleta.toma(&pedaco)));
        m_fase = Fase::Ociosa;
        emit trocaInterrompida(codigo, R + resto, motivo);
        m_requisitante = SemRequisitante;
        defineLegendaPrincipal(m_tituloPrincipal);
        cancelaTroca(Troca::Motivo::Abandonada);
    }
    paraLeituras();
}
