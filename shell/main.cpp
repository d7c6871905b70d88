#include "qtsupport/MessageBoxPrompter.h"
#include "shell/QtShellDialogs.h"
#include "shell/TarnApplication.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tarn::MessageBoxPrompter prompter;
    tarn::QtShellDialogs dialogs(prompter);
    tarn::TarnApplication app(prompter, dialogs);
    if (!app.initInstance(QApplication::arguments()))
        return app.exitCode();
    return QApplication::exec();
}
