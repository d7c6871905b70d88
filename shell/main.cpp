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
        return app.exitCode();
    return QApplication::exec();
}
