#pragma once

#include <QString>

class QWidget;

namespace tarn {

// Titles that name the program on its main window and the current channel on the document
// window of a view. A title already showing is left alone, so frequent updates cost nothing.
class WindowCaptions {
public:
    explicit WindowCaptions(QString applicationTitle);

    // view: a widget inside the document window; row: the grid's current row.
    void update(QWidget& view, int row) const;

    [[nodiscard]] QString channelCaption(int row) const;

private:
    const QString m_applicationTitle;
};

} // namespace tarn
