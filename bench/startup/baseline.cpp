// The start-up benchmark's yardstick: an empty Qt Widgets main window with a
// menu bar, of the same size as Tolvane's main window.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* client = new QWidget;
    // Tolvane's client area: 7485 x 5910 twips at 15 twips a pixel.
    client->setFixedSize(499, 394);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
