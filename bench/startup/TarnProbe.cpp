// The real program's start-up: main window shown with its new document, then idle.
#include "bench/startup/ProbeReport.h"
#include "qtsupport/MessageBoxPrompter.h"
#include "shell/CHalcyonApp.h"
#include "shell/QtShellDialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tarn::MessageBoxPrompter prompter;
    tarn::QtShellDialogs dialogs;
    tarn::CHalcyonApp app(prompter, dialogs);
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    tarn::bench::reportWhenIdle();
    return QApplication::exec();
}
