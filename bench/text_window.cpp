// Minusland's first window with nothing but its text: the menu bar's top
// line in the menu font and the six labels in bold Liberation Sans, in a
// window of the same size (bench/startup.sh). Against the bare window it
// shows what that text costs by itself (font matching, two font files,
// shaping), which no start-up work of Minusland's can save.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace {

void Beschriftung(QWidget* eltern, const QString& text, int pixel, int y, int hoehe)
{
    auto* label = new QLabel(text, eltern);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(pixel);
    schrift.setBold(true);
    label->setFont(schrift);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(0, y, 1009, hoehe);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Text"));
    for (const char* titel : {"&Beenden", "Ganze Zahlen", "Rationale Zahlen", "Informationen", "Verlauf"})
        w.menuBar()->addMenu(QString::fromUtf8(titel));
    auto* flaeche = new QWidget;
    Beschriftung(flaeche, QStringLiteral("Ganze und rationale Zahlen"), 35, 24, 49);
    Beschriftung(flaeche, QStringLiteral("Trainings\u2013 und Übungsaufgaben"), 27, 80, 41);
    Beschriftung(flaeche, QStringLiteral("positiv"), 32, 288, 37);
    Beschriftung(flaeche, QStringLiteral("negativ"), 32, 456, 37);
    Beschriftung(flaeche, QStringLiteral("Version 5.1"), 16, 660, 19);
    Beschriftung(flaeche,
                 QStringLiteral("Wähle im Menü eine Rechenart und eine Stufe \u2013 jede Übung wird neu "
                                "ausgewürfelt. Viel Erfolg!"),
                 16, 700, 22);
    w.setCentralWidget(flaeche);
    w.setFixedSize(1016, 722 + w.menuBar()->sizeHint().height());
    w.show();
    return app.exec();
}
