#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow janela;
    janela.setWindowTitle(QStringLiteral("Vexador Tarrim v.2.31"));
    janela.show();
    return app.exec();
}
