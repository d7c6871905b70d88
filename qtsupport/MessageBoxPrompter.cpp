#include "qtsupport/MessageBoxPrompter.h"

#include "qtsupport/CoreMessages.h"
#include "qtsupport/LastMessage.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

namespace tarn {

namespace {

QMessageBox::StandardButtons buttonsFor(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return QMessageBox::Ok;
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconFor(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::None:
        return QMessageBox::NoIcon;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer answerFor(int button, PromptButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Retry:
        return PromptAnswer::Retry;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        // Closed by Escape or the close box: the box's escape answer.
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

// What Ctrl+C in a message box puts on the clipboard, laid out as the system this program came
// from does it, so a message can be pasted into a mail or a report as it stood.
QString copiedText(const QMessageBox& box) {
    const QString rule = QStringLiteral("---------------------------\n");
    QString buttons;
    for (const QAbstractButton* button : box.buttons())
        buttons += QString(button->text()).remove(QLatin1Char('&')) + QStringLiteral("   ");
    return rule + box.windowTitle() + QLatin1Char('\n') + rule + box.text() + QLatin1Char('\n') +
           rule + buttons + QLatin1Char('\n') + rule;
}

QMessageBox::StandardButton buttonFor(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Ok:
        return QMessageBox::Ok;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    case PromptAnswer::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::NoButton;
}

void prepare(QMessageBox& box, const Prompt& prompt) {
    // Fixed texts of the core are marked for its message context; any other text shows as it is.
    box.setWindowTitle(CoreMessages::translated(prompt.caption));
    box.setText(CoreMessages::translated(prompt.text));
    box.setIcon(iconFor(prompt.icon));
    box.setStandardButtons(buttonsFor(prompt.buttons));
    auto* copy = new QAction(&box);
    copy->setShortcut(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, &box,
                     [&box] { QGuiApplication::clipboard()->setText(copiedText(box)); });
    box.addAction(copy);
    if (prompt.defaultAnswer)
        box.setDefaultButton(buttonFor(*prompt.defaultAnswer));
    LastMessage::record(box.windowTitle(), box.text());
}

} // namespace

MessageBoxPrompter::MessageBoxPrompter(QWidget* parent)
    : m_parent(parent) {}

PromptAnswer MessageBoxPrompter::ask(const Prompt& prompt) {
    QMessageBox box(m_parent);
    prepare(box, prompt);
    return answerFor(box.exec(), prompt.buttons);
}

void MessageBoxPrompter::askLater(const Prompt& prompt, std::function<void(PromptAnswer)> done) {
    auto* box = new QMessageBox(m_parent);
    prepare(*box, prompt);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box,
                     [done = std::move(done), buttons = prompt.buttons](int result) {
                         done(answerFor(result, buttons));
                     });
    box->show();
}

} // namespace tarn
