#pragma once

#include <QString>
#include <QWidget>

namespace tarn {

// The fixed cell at row 0, column 0 of the grid, drawn as a header section with its text.
class FixedCornerCell : public QWidget {
    Q_OBJECT
public:
    explicit FixedCornerCell(QWidget* parent);

    [[nodiscard]] const QString& text() const { return m_text; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace tarn
