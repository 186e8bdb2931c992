// The yardstick of the start-up benchmark: a plain Qt window with five tabs at the bottom
// and nothing behind them.

#include <QApplication>
#include <QLabel>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTabWidget window;
    window.setWindowTitle("Bare Tabs");
    window.setTabPosition(QTabWidget::South);
    for (const char* caption : {" Simple", " All Units", " Base", " Edit", " History"})
        window.addTab(new QLabel(caption), caption);
    window.resize(640, 420);
    window.show();
    return app.exec();
}
