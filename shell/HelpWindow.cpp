#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tarn {

HelpWindow::HelpWindow(const QString& guideFile, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_contents(new QListWidget(this))
    , m_browser(new QTextBrowser(this)) {
    setWindowTitle(tr("TARN Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_contents->setAccessibleName(tr("Contents"));
    m_browser->setAccessibleName(tr("User guide"));
    m_browser->setOpenExternalLinks(false);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(900, 640);

    QFile file(guideFile);
    if (!guideFile.isEmpty() && file.open(QIODevice::ReadOnly)) {
        m_browser->setSearchPaths({QFileInfo(guideFile).absolutePath()});
        m_browser->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        m_browser->setPlainText(tr("The user guide is not installed."));
    }
    listHeadings();
    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showHeading(m_contents->item(row)->data(Qt::UserRole).toInt());
    });
}

void HelpWindow::listHeadings() {
    const QTextDocument* document = m_browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 3)
            continue;
        auto* item = new QListWidgetItem(
            QString(2 * (level - 1), QLatin1Char(' ')) + block.text().trimmed(), m_contents);
        item->setData(Qt::UserRole, block.position());
    }
}

void HelpWindow::showHeading(int position) {
    QTextCursor cursor(m_browser->document()->findBlock(position));
    m_browser->setTextCursor(cursor);
    // The heading goes to the top of the view, not merely into it.
    QScrollBar* bar = m_browser->verticalScrollBar();
    bar->setValue(bar->value() + m_browser->cursorRect(cursor).top());
}

QString HelpWindow::guideFile(const QString& localeName) {
    const QString own = QCoreApplication::applicationDirPath();
    const QStringList folders{own + QStringLiteral("/../share/tarn/help"),
                              QStringLiteral(TARN_BUILD_HELP_DIR)};
    QStringList names;
    if (!localeName.isEmpty())
        names.append(QStringLiteral("user-guide_%1.html").arg(localeName));
    names.append(QStringLiteral("user-guide.html"));
    for (const QString& name : names) {
        for (const QString& folder : folders) {
            const QFileInfo info(folder + QLatin1Char('/') + name);
            if (info.isFile())
                return info.absoluteFilePath();
        }
    }
    return {};
}

} // namespace tarn
