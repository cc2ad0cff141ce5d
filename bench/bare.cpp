// The yardstick of the start-up benchmark: a bare Qt Widgets program, one
// window shown (quit by shown.cpp once it is on screen).
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
