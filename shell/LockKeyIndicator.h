#pragma once

#include <QLabel>

namespace tarn {

// A status-bar pane that shows its key name ("CAP", "NUM", "SCRL") dark while the lock key is
// on and grey while it is off. The toolkit cannot read a lock key's state on every platform,
// so the pane follows the presses of its key anywhere in the program from the state it is given.
class LockKeyIndicator : public QLabel {
    Q_OBJECT
public:
    LockKeyIndicator(const QString& name, int key, QWidget* parent = nullptr);

    [[nodiscard]] int key() const { return m_key; }
    [[nodiscard]] bool isOn() const { return m_on; }
    void setOn(bool on);
    void toggle() { setOn(!m_on); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_key;
    bool m_on = false;
    const QEvent* m_lastPress = nullptr;
    quint64 m_lastPressTime = 0;
};

} // namespace tarn
