#pragma once
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One program per application folder: two copies on one folder would write one database at
// once (each recording the other's readings). The first start on a folder holds a lock file
// in it and listens on a local socket named after the folder; a second start finds the lock,
// asks the running one to come to the front and ends.
class InstanciaUnica : public QObject {
    Q_OBJECT
public:
    explicit InstanciaUnica(const QString& pasta, QObject* pai = nullptr);
    ~InstanciaUnica() override;

    enum class Situacao {
        Primeira,     // this process is the folder's program
        JaAberta,     // another runs on the folder and was asked to come to the front
        JaAbertaMuda, // another holds the folder but did not answer (it hangs, or is still loading)
        EmUsoPelaLinha, // a run from the command line holds the folder (it has no window to show)
    };
    // Takes the folder (once). A folder where no lock can be made (read only) cannot hold two
    // writers either: the start goes on as the first.
    Situacao assume();
    // Takes the folder for a run without windows: it calls no open program to the front and
    // answers a later start that it is a command-line run (the start then says so and ends).
    // False when another program holds the folder.
    bool trava();

    // The local socket's name for a folder (the same for every spelling of its path).
    static QString nomeDoCanal(const QString& pasta);

signals:
    // A second start on the folder asked this program to come to the front.
    void outraPartida();

private:
    bool tomaTrava();
    void escuta();
    void atendeChamada();

    QString m_pasta;
    std::unique_ptr<QLockFile> m_trava;
    QLocalServer* m_servidor = nullptr;
    bool m_semJanela = false;
};
