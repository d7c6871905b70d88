#include "view/FindBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace tarn {

FindBar::FindBar(QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_field(new QLineEdit(this))
    , m_count(new QLabel(this))
    , m_close(new QToolButton(this)) {
    setObjectName(QStringLiteral("findBar"));
    m_field->setObjectName(QStringLiteral("findText"));
    m_field->setClearButtonEnabled(true);
    m_count->setObjectName(QStringLiteral("findCount"));
    m_close->setObjectName(QStringLiteral("findClose"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_label->setBuddy(m_field);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_label);
    row->addWidget(m_field, 1);
    row->addWidget(m_count, 1);
    row->addWidget(m_close);
    retranslate();

    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &FindBar::textChanged);
    connect(m_field, &QLineEdit::returnPressed, this, &FindBar::accepted);
    connect(m_close, &QToolButton::clicked, this, &FindBar::dismiss);
    hide();
}

void FindBar::open() {
    show();
    m_field->setFocus();
    m_field->selectAll();
}

QString FindBar::text() const {
    return m_field->text();
}

void FindBar::showCount(int shown, int total) {
    m_shown = shown;
    m_total = total;
    m_count->setText(countText());
}

QString FindBar::countText() const {
    if (m_field->text().trimmed().isEmpty())
        return QString();
    if (m_shown == 0)
        return tr("No channel matches \"%1\".").arg(m_field->text().trimmed());
    return tr("%1 of %2 channels").arg(m_shown).arg(m_total);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        dismiss();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FindBar::dismiss() {
    hide();
    m_field->clear();
    emit closed();
}

void FindBar::retranslate() {
    m_label->setText(tr("&Find:"));
    m_field->setPlaceholderText(tr("Frequency, tone, power or lock"));
    m_close->setToolTip(tr("Close the find bar and show every channel (Esc)"));
    m_close->setAccessibleName(m_close->toolTip());
    m_count->setText(countText());
}

} // namespace tarn
