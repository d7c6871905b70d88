#include "launcher/LauncherDialog.h"

#include "common/Prompter.h"
#include "launcher/LauncherAboutDialog.h"
#include "launcher/LauncherIcon.h"
#include "launcher/LauncherLabels.h"
#include "launcher/ProductNameOrder.h"
#include "launcher/ProductSection.h"
#include "profile/ProfileFile.h"
#include "qtsupport/DialogUnits.h"
#include "qtsupport/ProcessStarter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <string>
#include <utility>

#ifdef Q_OS_WIN
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace tarn {

namespace {

constexpr int kMaxProducts = 19;
constexpr int kAboutCommand = 0x10;
const std::string kMain = "MAIN";

// Stored numbers read as the C library's atoi does: leading digits, 0 when none.
int leadingNumber(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min<long long>(value * 10 + (text[pos] - '0'), 1LL + INT_MAX);
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Products 2 to 4 have fixed program names, one per interface language.
std::string fixedProgram(int section, bool english) {
    static const std::array<std::pair<const char*, const char*>, 3> names{{
        {"QX520.DLL", "QX520_CN.DLL"},
        {"QX520V2.DLL", "QX520V2_CN.DLL"},
        {"QX520V3.dll", "QX520V3_CN.dll"},
    }};
    const auto& pair = names.at(static_cast<std::size_t>(section - 2));
    return english ? pair.first : pair.second;
}

QString fromProfile(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("新宋体"), QStringLiteral("NSimSun"), QStringLiteral("SimSun"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(14);
    return font;
}

template <typename Control> Control* withId(Control* control, int id) {
    control->setProperty("controlId", id);
    return control;
}

} // namespace

LauncherDialog::LauncherDialog(ProfileFile& store, ProcessStarter& starter, Prompter& prompter,
                               std::optional<AppDirectory> appDirectory, bool languageFromLocale,
                               QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_starter(starter)
    , m_prompter(prompter)
    , m_appDirectory(std::move(appDirectory))
    , m_languageFromLocale(languageFromLocale) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(launcherIcon());
    setFont(dialogFont());
    createControls();
    placeControls();
    fillProductList();
    selectDefault();
    applyStoredLanguage();
    m_ok->setFocus();
}

void LauncherDialog::createControls() {
    m_ok = withId(new QPushButton(QStringLiteral("&OK"), this), 1);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(false);
    m_cancel = withId(new QPushButton(QStringLiteral("&EXIT"), this), 2);
    m_cancel->setAutoDefault(false);
    m_english = withId(new QCheckBox(QStringLiteral("English"), this), 1000);
    m_chinese = withId(new QCheckBox(QStringLiteral("Chinese"), this), 1001);
    m_selectLabel = withId(new QLabel(QStringLiteral("Select Product"), this), 1003);
    m_productList = withId(new QComboBox(this), 1002);
    m_productList->setEditable(true);
    m_productList->setInsertPolicy(QComboBox::NoInsert);
    m_productList->setCompleter(nullptr);

    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_english);
    setTabOrder(m_english, m_chinese);
    setTabOrder(m_chinese, m_productList);

    connect(m_ok, &QPushButton::clicked, this, &LauncherDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &LauncherDialog::reject);
    connect(m_english, &QCheckBox::clicked, this,
            [this] { applyLabels(LauncherLabels::englishLabels()); });
    connect(m_chinese, &QCheckBox::clicked, this,
            [this] { applyLabels(LauncherLabels::chineseLabels()); });
    connect(m_productList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { m_nameTyped = true; });
    connect(m_productList, &QComboBox::activated, this, [this] { m_nameTyped = false; });
    addAboutEntry();
}

void LauncherDialog::addAboutEntry() {
    m_aboutAction = new QAction(QStringLiteral("关于 ..."), this);
    m_aboutAction->setProperty("commandId", kAboutCommand);
    connect(m_aboutAction, &QAction::triggered, this, &LauncherDialog::showAbout);
    addAction(m_aboutAction);
#ifdef Q_OS_WIN
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        const std::wstring text = m_aboutAction->text().toStdWString();
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, text.c_str());
    }
#else
    // The window manager owns the system menu here, so the entry goes on the context menu.
    setContextMenuPolicy(Qt::ActionsContextMenu);
#endif
}

#ifdef Q_OS_WIN
bool LauncherDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
        showAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

void LauncherDialog::placeControls() {
    const DialogUnits units(font());
    setFixedSize(units.size(163, 99));
    m_ok->setGeometry(units.rect(17, 67, 50, 14));
    m_cancel->setGeometry(units.rect(94, 67, 50, 14));
    m_english->setGeometry(units.rect(18, 12, 44, 10));
    m_chinese->setGeometry(units.rect(98, 13, 44, 10));
    m_selectLabel->setGeometry(units.rect(16, 40, 58, 8));
    // The template's height includes the drop-down part; the closed box is one line high.
    QRect list = units.rect(76, 37, 64, 43);
    list.setHeight(m_productList->sizeHint().height());
    m_productList->setGeometry(list);
}

void LauncherDialog::fillProductList() {
    m_productList->clear();
    m_sectionNames.clear();
    QStringList sorted;
    for (int n = 1; n <= kMaxProducts; ++n) {
        std::string name = m_store.getString(kMain, "CH" + std::to_string(n), "");
        if (name.empty())
            break;
        const QString text = fromProfile(name);
        const int at = sortedPosition(sorted, text);
        sorted.insert(at, text);
        m_productList->insertItem(at, text, QByteArray::fromStdString(name));
        m_sectionNames.push_back(std::move(name));
    }
}

void LauncherDialog::selectDefault() {
    const int index = leadingNumber(m_store.getString(kMain, "DEFAULT", ""));
    m_productList->setCurrentIndex(index >= 0 && index < m_productList->count() ? index : -1);
    m_nameTyped = false;
}

void LauncherDialog::applyStoredLanguage() {
    const std::string stored = m_store.getString(kMain, "LANGUAGE", "");
    const bool english = stored == "ENGLISH" || (m_languageFromLocale && stored.empty() &&
                                                 !QLocale().name().startsWith(QLatin1String("zh")));
    applyLabels(english ? LauncherLabels::englishLabels() : LauncherLabels::chineseLabels());
}

void LauncherDialog::applyLabels(const LauncherLabels& labels) {
    m_labels = &labels;
    setWindowTitle(labels.caption);
    m_selectLabel->setText(labels.selectProduct);
    m_english->setText(labels.english);
    m_chinese->setText(labels.chinese);
    m_ok->setText(labels.ok);
    m_cancel->setText(labels.cancel);
    m_english->setChecked(labels.englishChecked);
    m_chinese->setChecked(!labels.englishChecked);
    m_store.setString(kMain, "LANGUAGE", labels.storedLanguage);
}

int LauncherDialog::productIndex() const {
    return m_nameTyped ? -1 : m_productList->currentIndex();
}

int LauncherDialog::chosenSection() const {
    const int index = productIndex();
    if (index < 0)
        return 0;
    return productSection(m_sectionNames,
                          m_productList->itemData(index).toByteArray().toStdString());
}

void LauncherDialog::accept() {
    const int section = chosenSection();
    ProfileFile productProfile(4);
    const std::string program = prepareProduct(section, productProfile);
    // Written before the start so the product finds its language when it comes up.
    tellIfNotSaved(productProfile.save(false).status == ProfileFile::SaveResult::Status::Failed,
                   productProfile.path());
    if (!startProduct(section, program, productProfile))
        return;
    // The position in the sorted list, as stored profiles have always held it.
    m_store.setString(kMain, "DEFAULT", std::to_string(productIndex()));
    QDialog::accept();
}

std::string LauncherDialog::prepareProduct(int section, ProfileFile& productProfile) {
    const std::string program = m_store.getString("CH" + std::to_string(section), "EXE", "");
    const bool english = m_english->isChecked();
    if (section == 1) {
        if (m_appDirectory &&
            productProfile.openInAppDir("QX32_V.INI", true, true, false, *m_appDirectory)) {
            productProfile.setString(kMain, "LANGUAGE", english ? "QX32_V_EN" : "QX32_V_CH");
            productProfile.setString(kMain, "LANGUAGE_FORCE", "1");
        }
        return program;
    }
    if (section >= 2 && section <= 4)
        return fixedProgram(section, english);
    return program;
}

bool LauncherDialog::startProduct(int section, const std::string& program,
                                  const ProfileFile& productProfile) {
    QStringList environment;
    if (productProfile.isBound())
        environment.append(QStringLiteral("TARN_PRODUCT_PROFILE=") +
                           QString::fromLocal8Bit(productProfile.path()));
    const QString name = fromProfile(program);
    if (m_starter.start(name, environment))
        return true;
    QString text;
    if (!name.trimmed().isEmpty())
        text = m_labels->cannotStart.arg(name);
    else if (section > 0)
        text = m_labels->noProgram.arg(m_productList->currentText());
    else
        text = m_labels->noProduct;
    static_cast<void>(m_prompter.ask(
        {text.toStdString(), windowTitle().toStdString(), PromptButtons::Ok, PromptIcon::Warning}));
    return false;
}

void LauncherDialog::saveProfile() {
    tellIfNotSaved(m_store.save(false).status == ProfileFile::SaveResult::Status::Failed,
                   m_store.path());
}

void LauncherDialog::tellIfNotSaved(bool failed, const std::string& path) {
    if (!failed || m_toldNotSaved)
        return;
    m_toldNotSaved = true;
    const QString text = m_labels->notSaved.arg(QString::fromLocal8Bit(path));
    static_cast<void>(m_prompter.ask(
        {text.toStdString(), windowTitle().toStdString(), PromptButtons::Ok, PromptIcon::Warning}));
}

void LauncherDialog::showAbout() {
    LauncherAboutDialog about(this);
    about.exec();
}

} // namespace tarn
