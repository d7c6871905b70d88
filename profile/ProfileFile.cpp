#include "profile/ProfileFile.h"

#include "profile/SafeFileWriter.h"
#include "profile/StdFileOps.h"

#include <algorithm>
#include <cstdio>

namespace tarn {

namespace {

constexpr char kLineEnd[] = "\r\n";

bool isCommentStart(char c) {
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

bool isHeader(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The number after a name's last ".", all its digits; 0 when there is none.
unsigned long long backupNumber(const std::string& name, const MultiByteText& text) {
    const std::size_t dot = text.findLast(name, '.');
    if (dot == std::string::npos)
        return 0;
    constexpr unsigned long long limit = 1'000'000'000'000'000ULL;
    unsigned long long number = 0;
    for (std::size_t pos = dot + 1; pos < name.size() && name[pos] >= '0' && name[pos] <= '9';
         ++pos)
        number = std::min(limit, number * 10 + static_cast<unsigned>(name[pos] - '0'));
    return number;
}

std::size_t lastSeparator(const std::string& path, const MultiByteText& text) {
    const std::size_t slash = text.findLast(path, '/');
#ifdef _WIN32
    const std::size_t backslash = text.findLast(path, '\\');
    if (slash == std::string::npos)
        return backslash;
    if (backslash != std::string::npos)
        return std::max(slash, backslash);
#endif
    return slash;
}

} // namespace

FileOps& ProfileFile::defaultFileOps() {
    return StdFileOps::instance();
}

ProfileFile::ProfileFile(int growthStep, FileOps& ops, CodePage codePage)
    : m_growthStep(growthStep > 0 ? growthStep : 1)
    , m_ops(ops)
    , m_text(codePage) {}

ProfileFile::~ProfileFile() {
    // A destructor cannot report; the failed save leaves the old file whole.
    if (m_saveOnClose)
        static_cast<void>(save(m_backupOnClose));
    clear();
}

bool ProfileFile::open(const std::string& path, bool saveOnClose, bool ignoreCase,
                       bool backupOnClose) {
    if (isBound()) {
        static_cast<void>(save(false));
        clear();
    }
    m_saveOnClose = saveOnClose;
    m_ignoreCase = ignoreCase;
    m_backupOnClose = backupOnClose;

    if (!m_ops.exists(path) && !m_ops.createEmpty(path))
        return false;
    // Read everything before binding, so a read that fails part-way leaves no half store
    // that a later save could write back.
    const std::optional<std::string> content = m_ops.readAll(path);
    if (!content)
        return false;

    m_path = path;
    createTables();
    std::size_t begin = 0;
    while (begin < content->size()) {
        std::size_t end = content->find('\n', begin);
        if (end == std::string::npos)
            end = content->size();
        loadLine(content->substr(begin, end - begin));
        begin = end + 1;
    }
    m_modified = false;
    return true;
}

bool ProfileFile::openInAppDir(const std::string& fileName, bool saveOnClose, bool ignoreCase,
                               bool backupOnClose, const AppDirectory& where) {
    return open(where.pathOf(fileName), saveOnClose, ignoreCase, backupOnClose);
}

void ProfileFile::loadLine(const std::string& rawLine) {
    const std::string line = m_text.trim(rawLine);
    if (isHeader(line)) {
        static_cast<void>(addSection(line.substr(1, line.size() - 2)));
        return;
    }
    const std::size_t equals = m_text.find(line, '=');
    std::string key = m_text.trim(line.substr(0, equals));
    if (key.empty() || isCommentStart(key.front())) {
        // Not a key, yet the user's own: it goes back into the file as it came.
        std::string kept = rawLine;
        if (!kept.empty() && kept.back() == '\r')
            kept.pop_back();
        m_lines[static_cast<std::size_t>(m_lastSection)].push_back({-1, std::move(kept)});
        return;
    }
    std::string value =
        equals == std::string::npos ? std::string() : m_text.trim(line.substr(equals + 1));
    const std::size_t end = m_lines[static_cast<std::size_t>(m_lastSection)].size();
    addKey(m_lastSection, end, std::move(key), std::move(value), equals != std::string::npos);
    // The unnamed leading section gets its (empty) name once it holds a key.
    if (m_sectionNames.size() <= static_cast<std::size_t>(m_lastSection))
        setSectionName(m_lastSection, std::string());
}

void ProfileFile::addKey(int section, std::size_t position, std::string key, std::string value,
                         bool equals) {
    const auto at = static_cast<std::size_t>(section);
    const int index = static_cast<int>(m_keyLists[at].size());
    m_keyLists[at].push_back(std::move(key));
    m_valueLists[at].push_back(std::move(value));
    m_hasEquals[at].push_back(equals);
    std::vector<Line>& lines = m_lines[at];
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(position), Line{index, {}});
}

std::size_t ProfileFile::newKeyPosition(int section) const {
    const std::vector<Line>& lines = m_lines[static_cast<std::size_t>(section)];
    // After the last key line; in a section without keys, before the blank lines that end it.
    for (std::size_t i = lines.size(); i > 0; --i)
        if (lines[i - 1].key >= 0)
            return i;
    std::size_t end = lines.size();
    while (end > 0 && m_text.trim(lines[end - 1].text).empty())
        --end;
    return end;
}

std::string ProfileFile::getString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    const int sectionIndex = findSection(section);
    if (sectionIndex < 0)
        return defaultValue;
    const int keyIndex = findKey(sectionIndex, key);
    if (keyIndex < 0)
        return defaultValue;
    return cutComments(m_valueLists[sectionIndex][keyIndex]);
}

std::string ProfileFile::cutComments(std::string value) const {
    for (const char* marker : {"//", "\t;", "/*"}) {
        const std::size_t at = m_text.find(value, marker);
        if (at != std::string::npos)
            value.erase(at);
    }
    return value;
}

void ProfileFile::setString(const std::string& section, const std::string& key,
                            const std::string& value) {
    if (!isBound())
        return;
    int sectionIndex = findSection(section);
    if (sectionIndex < 0) {
        m_modified = true;
        sectionIndex = addSection(section);
    }
    const int keyIndex = findKey(sectionIndex, key);
    if (keyIndex < 0) {
        addKey(sectionIndex, newKeyPosition(sectionIndex), key, value, true);
        m_modified = true;
        return;
    }
    std::string& stored = m_valueLists[sectionIndex][keyIndex];
    if (!compare(stored, value))
        m_modified = true;
    stored = value;
    if (!value.empty())
        m_hasEquals[static_cast<std::size_t>(sectionIndex)][static_cast<std::size_t>(keyIndex)] =
            true;
}

ProfileFile::SaveResult ProfileFile::save(bool makeBackup) {
    SaveResult result;
    if (!m_modified)
        return result;
    if (makeBackup) {
        if (m_backupPath.empty())
            makeBackupName();
        // A failed backup does not stop the save.
        static_cast<void>(m_ops.copy(m_path, m_backupPath));
    }
    switch (SafeFileWriter(m_ops).write(m_path, render())) {
    case SafeFileWriter::Result::Written:
        result.status = SaveResult::Status::Written;
        break;
    case SafeFileWriter::Result::ReadOnly:
        result.status = SaveResult::Status::ReadOnly;
        break;
    case SafeFileWriter::Result::Failed:
        result.status = SaveResult::Status::Failed;
        break;
    }
    result.backupPath = m_backupPath;
    return result;
}

void ProfileFile::clear() {
    if (m_tableSlots == 0)
        return;
    m_keyLists.clear();
    m_valueLists.clear();
    m_lines.clear();
    m_hasEquals.clear();
    m_sectionNames.clear();
    m_tableSlots = 0;
    m_lastSection = 0;
    m_path.clear();
    m_modified = false;
}

bool ProfileFile::compare(const std::string& a, const std::string& b) const {
    return m_text.compare(a, b, m_ignoreCase) == 0;
}

int ProfileFile::findSection(const std::string& name) const {
    for (std::size_t i = 0; i < m_sectionNames.size(); ++i) {
        if (compare(m_sectionNames[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

int ProfileFile::findKey(int section, const std::string& key) const {
    const std::vector<std::string>& keys = m_keyLists[section];
    for (std::size_t j = keys.size(); j > 0; --j) {
        if (compare(keys[j - 1], key))
            return static_cast<int>(j - 1);
    }
    return -1;
}

void ProfileFile::makeBackupName() {
    const std::size_t dot = m_text.findLast(m_path, '.');
    const std::string base = m_path.substr(0, dot);
    const std::size_t separator = lastSeparator(base, m_text);
    const std::string directory =
        separator == std::string::npos ? std::string() : base.substr(0, separator + 1);
    const std::string prefix = separator == std::string::npos ? base : base.substr(separator + 1);

    unsigned long long highest = 0;
    for (const std::string& name : m_ops.list(directory)) {
        if (name.size() >= prefix.size() &&
            m_text.compare(name.substr(0, prefix.size()), prefix, true) == 0)
            highest = std::max(highest, backupNumber(name, m_text));
    }
    char number[32];
    std::snprintf(number, sizeof number, ".%.3llu", highest + 1);
    m_backupPath = m_path + number;
}

void ProfileFile::createTables() {
    m_tableSlots = m_growthStep;
    m_keyLists.reserve(static_cast<std::size_t>(m_tableSlots));
    m_valueLists.reserve(static_cast<std::size_t>(m_tableSlots));
    m_keyLists.assign(1, {});
    m_valueLists.assign(1, {});
    m_lines.assign(1, {});
    m_hasEquals.assign(1, {});
    m_sectionNames.clear();
    m_lastSection = 0;
}

int ProfileFile::addSection(const std::string& name) {
    ++m_lastSection;
    if (m_lastSection >= m_tableSlots) {
        // Doubling keeps a load of many sections linear; the step only sets the least growth.
        m_tableSlots = std::max(m_tableSlots + m_growthStep, m_tableSlots * 2);
        m_keyLists.reserve(static_cast<std::size_t>(m_tableSlots));
        m_valueLists.reserve(static_cast<std::size_t>(m_tableSlots));
    }
    m_keyLists.emplace_back();
    m_valueLists.emplace_back();
    m_lines.emplace_back();
    m_hasEquals.emplace_back();
    setSectionName(m_lastSection, name);
    return m_lastSection;
}

void ProfileFile::setSectionName(int index, const std::string& name) {
    const auto at = static_cast<std::size_t>(index);
    if (m_sectionNames.size() <= at)
        m_sectionNames.resize(at + 1);
    m_sectionNames[at] = name;
}

std::string ProfileFile::render() const {
    std::string text;
    for (std::size_t i = 0; i < m_keyLists.size(); ++i) {
        // Only the leading section goes without a header; a "[]" section keeps its own.
        const bool named = i < m_sectionNames.size() && !m_sectionNames[i].empty();
        if (i > 0 || named)
            text += '[' + m_sectionNames[i] + ']' + kLineEnd;
        renderSection(i, text);
    }
    return text;
}

void ProfileFile::renderSection(std::size_t section, std::string& text) const {
    for (const Line& line : m_lines[section]) {
        if (line.key < 0) {
            text += line.text + kLineEnd;
            continue;
        }
        const auto key = static_cast<std::size_t>(line.key);
        const std::string& value = m_valueLists[section][key];
        text += m_keyLists[section][key];
        // "abc" stays "abc"; "abc=" stays "abc=".
        if (!value.empty() || m_hasEquals[section][key])
            text += '=';
        text += value + kLineEnd;
    }
}

} // namespace tarn
