// A bare Qt window of the same size as Minusland's main window, for
// comparing start time and memory (bench/startup.sh).
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare"));
    w.resize(1016, 722);
    w.show();
    return app.exec();
}
