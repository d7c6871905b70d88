#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace tarn {

// The user guide in a window of its own: its headings listed on the left, the text on the
// right. Needs neither a browser nor the network.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // guideFile: the HTML of the guide; a missing file shows a note saying so.
    explicit HelpWindow(const QString& guideFile, QWidget* parent = nullptr);

    [[nodiscard]] QListWidget& contents() { return *m_contents; }
    [[nodiscard]] QTextBrowser& browser() { return *m_browser; }

    // The guide of the interface language, else the English one, from the installed or
    // the built folders.
    [[nodiscard]] static QString guideFile(const QString& localeName);

private:
    void listHeadings();
    void showHeading(int position);

    QListWidget* m_contents;
    QTextBrowser* m_browser;
};

} // namespace tarn
