#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace tarn {

// The bar above the channel table that finds channels: a text field, how many channels show,
// and a close button. Escape in the field or the button closes it; the owner then shows all
// rows again. Enter hands the focus to the table.
class FindBar final : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with its text selected, ready to type over.
    void open();
    // Hides the bar and empties its text.
    void dismiss();
    [[nodiscard]] QString text() const;
    [[nodiscard]] QLineEdit& field() const { return *m_field; }
    // "12 of 199 channels", or a note when nothing matches.
    void showCount(int shown, int total);
    [[nodiscard]] QString countText() const;

signals:
    void textChanged(const QString& text);
    // Escape or the close button: the bar is hidden and its text emptied.
    void closed();
    // Enter in the field: on to the channels found.
    void accepted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_label = nullptr;
    QLineEdit* m_field = nullptr;
    QLabel* m_count = nullptr;
    QToolButton* m_close = nullptr;
    int m_shown = 0;
    int m_total = 0;
};

} // namespace tarn
