// Mirvalon: builds the real adapters and the main window, then runs the window loop.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Mirvalon");
    QMainWindow window;
    window.setWindowTitle("  Mirvalon  1.7");
    window.setFixedSize(788, 568);
    window.show();
    return app.exec();
}
