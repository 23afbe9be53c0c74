#pragma once
#include <QString>
#include <QStringList>

// COM port numbers (1 to 30) and the devices behind them.
//
// Windows: number n is the device "COMn".
// Elsewhere: number n is the device the entry "comN" (lower case) of the ports folder links to;
// without such an entry, COM1-COM4 are /dev/ttyS0-3, COM5-COM12 /dev/ttyUSB0-7 and
// COM13-COM16 /dev/ttyACM0-3. The ports folder is "ports" in the user's configuration folder
// of the program; VEXADOR_PORTAS names another, and tests may set one with definePastaPortas.
namespace Portas {

constexpr int PrimeiraPorta = 1;
constexpr int UltimaPorta = 30;

// The ports folder in use (override, else VEXADOR_PORTAS, else the configuration folder).
QString pastaPortas();
// Overrides the ports folder for this process; an empty text removes the override.
void definePastaPortas(const QString& pasta);

// The name of the folder entry of a number: "com3".
QString nomeEntrada(int numero);

// The device of a number, as QSerialPort::setPortName takes it ("COM3" on Windows,
// "/dev/pts/4" or "/dev/ttyUSB0" elsewhere). "" when the number has no device at all.
QString dispositivo(int numero);

// True when the device of the number exists and is a serial device that can be queried
// (a pseudo-terminal counts; a device held open by another program counts too).
bool PortaExiste(int numero);

// The numbers 1 to 30 whose port exists, as decimal texts, in ascending order.
QStringList ListaPortas();

} // namespace Portas
