// The yardstick: a bare main window with a work area and one 200 x 7 table, shown, then idle.
#include "bench/startup/ProbeReport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto* area = new QMdiArea(&window);
    window.setCentralWidget(area);
    auto* table = new QTableWidget(200, 7);
    area->addSubWindow(table)->show();
    window.resize(800, 600);
    window.show();
    tarn::bench::reportWhenIdle();
    return QApplication::exec();
}
