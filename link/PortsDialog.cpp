#include "link/PortsDialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tarn {

namespace {

std::string com(int number) {
    return "COM" + std::to_string(number);
}

// Rows the table measures for its column widths: a long list is not read through.
constexpr int MeasuredRows = 200;
constexpr int MaximumTableWidth = 900;

} // namespace

PortsDialog::Row::Row(QWidget* parent)
    : name(parent)
    , choice(parent)
    , opens(parent) {}

PortsDialog::PortsDialog(PortLister ports, PortNames::Lookup environment,
                         PortNames::Lookup settings, Store store, QWidget* parent)
    : QDialog(parent)
    , m_lister(std::move(ports))
    , m_environment(std::move(environment))
    , m_settings(std::move(settings))
    , m_store(std::move(store))
    , m_model(this)
    , m_listIntro(tr("Serial ports on this machine:"), this)
    , m_table(this)
    , m_intro(tr("Choose the device each port of the Setup menu opens. Leave a port empty for "
                 "its default."),
              this)
    , m_buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this) {
    setWindowTitle(tr("Ports"));
    m_model.setPorts(m_lister ? m_lister() : std::vector<PortIdentity>{});
    setUpTable();
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addWidget(&m_listIntro);
    layout->addWidget(&m_table, 1);
    layout->addWidget(&m_intro);
    layout->addLayout(grid);
    m_refresh = m_buttons.addButton(tr("&Refresh"), QDialogButtonBox::ResetRole);
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
    connect(m_refresh, &QPushButton::clicked, this, &PortsDialog::refresh);
}

void PortsDialog::setUpTable() {
    m_table.setModel(&m_model);
    m_table.setColumnHidden(PortListModel::Summary, true);
    m_table.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table.setWordWrap(false);
    m_table.verticalHeader()->hide();
    // Fixed row heights and a bounded measure keep a list of thousands quick to show.
    m_table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table.horizontalHeader()->setResizeContentsPrecision(MeasuredRows);
    m_table.horizontalHeader()->setStretchLastSection(true);
    m_table.verticalHeader()->setDefaultSectionSize(m_table.fontMetrics().height() + 6);
    fitTableWidth();
    m_table.setAccessibleName(m_listIntro.text());
    m_listIntro.setBuddy(&m_table);
}

void PortsDialog::fitTableWidth() {
    m_table.resizeColumnsToContents();
    // Wide enough for every column where the screen allows; a scroll bar beyond that.
    int width = 2 * m_table.frameWidth() + m_table.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < PortListModel::Summary; ++column)
        width += m_table.columnWidth(column);
    m_table.setMinimumWidth(std::min(width, MaximumTableWidth));
}

void PortsDialog::refresh() {
    std::array<QString, PortNames::Count> texts;
    for (int number = 1; number <= PortNames::Count; ++number)
        texts.at(index(number)) = m_rows.at(index(number)).choice.currentText();
    m_model.setPorts(m_lister ? m_lister() : std::vector<PortIdentity>{});
    fitTableWidth();
    for (int number = 1; number <= PortNames::Count; ++number) {
        QComboBox& box = m_rows.at(index(number)).choice;
        box.setCurrentIndex(-1);
        box.setEditText(texts.at(index(number)));
    }
}

std::string PortsDialog::key(int number) {
    return "Ports/" + com(number);
}

void PortsDialog::fillRow(int number) {
    Row& row = m_rows.at(index(number));
    row.name.setText(QString::fromStdString(com(number)));
    row.name.setBuddy(&row.choice);
    row.choice.setEditable(true);
    row.choice.setInsertPolicy(QComboBox::NoInsert);
    row.choice.setMinimumContentsLength(32);
    row.choice.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row.choice.lineEdit()->setPlaceholderText(tr("default"));
    row.choice.setModel(&m_model);
    row.choice.setModelColumn(PortListModel::Summary);
    const auto stored = m_settings ? m_settings(key(number)) : std::nullopt;
    row.choice.setCurrentIndex(-1);
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
    const QString path =
        QString::fromStdString(PortNames::resolve(com(number), m_environment, pending));
    const auto variable = m_environment ? m_environment("TARN_" + com(number)) : std::nullopt;
    const QString text =
        variable && !variable->empty()
            ? tr("opens %1 (set by %2)").arg(path, QString::fromStdString("TARN_" + com(number)))
            : tr("opens %1").arg(path);
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
