#include "link/PortsDialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace tarn {

namespace {

constexpr const char* IntroText =
    "Choose the device each port of the Setup menu opens. Leave a port empty for its default.";

std::string com(int number) {
    return "COM" + std::to_string(number);
}

} // namespace

PortsDialog::Row::Row(QWidget* parent)
    : name(parent)
    , choice(parent)
    , opens(parent) {}

PortsDialog::PortsDialog(std::vector<SystemPort> ports, PortNames::Lookup environment,
                         PortNames::Lookup settings, Store store, QWidget* parent)
    : QDialog(parent)
    , m_portList(this)
    , m_environment(std::move(environment))
    , m_settings(std::move(settings))
    , m_store(std::move(store))
    , m_intro(QString::fromUtf8(IntroText), this)
    , m_buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this) {
    setWindowTitle(QString::fromUtf8(Title));
    for (const SystemPort& port : ports) {
        auto* item = new QStandardItem(QString::fromStdString(port.describe()));
        item->setData(QString::fromStdString(port.path), Qt::UserRole);
        m_portList.appendRow(item);
    }
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addWidget(&m_intro);
    layout->addLayout(grid);
    layout->addWidget(&m_buttons);
    for (int number = 1; number <= PortNames::Count; ++number) {
        Row& row = m_rows.at(index(number));
        grid->addWidget(&row.name, number - 1, 0);
        grid->addWidget(&row.choice, number - 1, 1);
        grid->addWidget(&row.opens, number - 1, 2);
        fillRow(number);
    }
    grid->setColumnStretch(1, 1);
    connect(&m_buttons, &QDialogButtonBox::accepted, this, &PortsDialog::accept);
    connect(&m_buttons, &QDialogButtonBox::rejected, this, &PortsDialog::reject);
}

std::string PortsDialog::key(int number) {
    return "Ports/" + com(number);
}

void PortsDialog::fillRow(int number) {
    Row& row = m_rows.at(index(number));
    row.name.setText(QString::fromStdString(com(number)));
    row.choice.setEditable(true);
    row.choice.setInsertPolicy(QComboBox::NoInsert);
    row.choice.setMinimumContentsLength(32);
    // Measuring every entry would stall the dialog on a long list.
    row.choice.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row.choice.setModel(&m_portList);
    if (auto* list = qobject_cast<QListView*>(row.choice.view()))
        list->setUniformItemSizes(true);
    row.choice.lineEdit()->setPlaceholderText(QStringLiteral("default"));
    const auto stored = m_settings ? m_settings(key(number)) : std::nullopt;
    row.choice.setEditText(stored ? QString::fromStdString(*stored) : QString());
    // A picked entry leaves its bare path in the field, so what is kept is a path.
    connect(&row.choice, &QComboBox::activated, this, [this, number](int item) {
        QComboBox& box = m_rows.at(index(number)).choice;
        box.setEditText(box.itemData(item).toString());
    });
    connect(&row.choice, &QComboBox::editTextChanged, this, [this, number] { showOpens(number); });
    showOpens(number);
}

std::string PortsDialog::chosenPath(int number) const {
    const QComboBox& box = m_rows.at(index(number)).choice;
    const QString text = box.currentText().trimmed();
    const int item = box.findText(text, Qt::MatchExactly);
    if (item >= 0)
        return box.itemData(item).toString().toStdString();
    return text.toStdString();
}

void PortsDialog::showOpens(int number) {
    const std::string chosen = chosenPath(number);
    const PortNames::Lookup pending = [&chosen](const std::string&) -> std::optional<std::string> {
        return chosen;
    };
    const std::string path = PortNames::resolve(com(number), m_environment, pending);
    QString text = QStringLiteral("opens ") + QString::fromStdString(path);
    const auto variable = m_environment ? m_environment("TARN_" + com(number)) : std::nullopt;
    if (variable && !variable->empty())
        text += QStringLiteral(" (set by TARN_") + QString::fromStdString(com(number)) +
                QLatin1Char(')');
    m_rows.at(index(number)).opens.setText(text);
}

void PortsDialog::accept() {
    if (m_store) {
        for (int number = 1; number <= PortNames::Count; ++number)
            m_store(key(number), chosenPath(number));
    }
    QDialog::accept();
}

} // namespace tarn
