#include "data/CsvText.h"

#include "data/AtomicFile.h"
#include "data/StoreTarget.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <span>
#include <system_error>

namespace tarn {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool endsField(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

// One pass over the text; line numbers count every line end, also those inside quotes.
class CsvParser {
public:
    explicit CsvParser(std::string_view text)
        : m_text(text) {}

    CsvText::Parsed run() {
        if (m_text.starts_with(ByteOrderMark))
            m_pos = ByteOrderMark.size();
        while (m_pos < m_text.size() && readRecord()) {
        }
        return std::move(m_result);
    }

private:
    bool readRecord() {
        CsvText::Record record{m_line, {}};
        for (;;) {
            std::string field;
            const bool read = m_text[m_pos] == '"' ? readQuoted(field) : readPlain(field);
            if (!read)
                return false;
            record.fields.push_back(std::move(field));
            if (m_pos < m_text.size() && m_text[m_pos] == ',') {
                ++m_pos;
                if (m_pos < m_text.size())
                    continue;
                record.fields.emplace_back();
            }
            break;
        }
        skipLineEnd();
        m_result.records.push_back(std::move(record));
        return true;
    }

    bool readPlain(std::string& field) {
        const std::size_t start = m_pos;
        for (; m_pos < m_text.size() && !endsField(m_text[m_pos]); ++m_pos) {
            if (m_text[m_pos] == '"')
                return fail(m_line, "a quote inside a field that does not start with one");
        }
        field.assign(m_text.substr(start, m_pos - start));
        return true;
    }

    bool readQuoted(std::string& field) {
        const int startLine = m_line;
        for (++m_pos;; ++m_pos) {
            if (m_pos >= m_text.size())
                return fail(startLine, "a quoted field is not closed");
            const char c = m_text[m_pos];
            if (c == '"') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '"') {
                    field += '"';
                    ++m_pos;
                    continue;
                }
                ++m_pos;
                break;
            }
            countLineEnd(m_pos);
            field += c;
        }
        if (m_pos < m_text.size() && !endsField(m_text[m_pos]))
            return fail(m_line, "text after the closing quote of a field");
        return true;
    }

    void countLineEnd(std::size_t at) {
        const char c = m_text[at];
        if (c == '\n' || (c == '\r' && (at + 1 >= m_text.size() || m_text[at + 1] != '\n')))
            ++m_line;
    }

    void skipLineEnd() {
        if (m_pos >= m_text.size())
            return;
        if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
            ++m_pos;
        countLineEnd(m_pos++);
    }

    bool fail(int line, std::string reason) {
        m_result.errorLine = line;
        m_result.error = std::move(reason);
        return false;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    CsvText::Parsed m_result;
};

bool needsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

std::string describe(const std::filesystem::path& path, const std::string& reason) {
    return "\"" + path.string() + "\": " + reason;
}

} // namespace

CsvText::Parsed CsvText::parse(std::string_view text) {
    return CsvParser(text).run();
}

std::string CsvText::formatRecord(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        if (!needsQuotes(fields[i])) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char c : fields[i])
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\r\n";
}

bool CsvText::isUtf16(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return true;
    // ASCII in UTF-16 has a NUL in every other byte, at even places or at odd ones.
    const std::size_t checked = std::min<std::size_t>(text.size() / 2 * 2, 64);
    if (checked < 4)
        return false;
    bool evenNul = true;
    bool oddNul = true;
    for (std::size_t i = 0; i < checked; i += 2) {
        evenNul = evenNul && text[i] == '\0' && text[i + 1] != '\0';
        oddNul = oddNul && text[i + 1] == '\0' && text[i] != '\0';
    }
    return evenNul || oddNul;
}

std::string_view CsvText::withoutByteOrderMark(std::string_view text) {
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    return text;
}

std::string CsvText::readFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error)
        throw CsvFileError(describe(path, error.message()));
    // A FIFO or a device would block or never end.
    if (!std::filesystem::is_regular_file(status))
        throw CsvFileError(describe(path, "not a regular file"));
    if (std::filesystem::file_size(path, error) > MaxFileBytes && !error)
        throw CsvFileError(describe(path, "larger than 10 MB"));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw CsvFileError(describe(path, "cannot open the file"));
    std::string text;
    char buffer[65536];
    // Read to the end, since the file may have grown since its size was taken.
    while (in && text.size() <= MaxFileBytes) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw CsvFileError(describe(path, "cannot read the file"));
    if (text.size() > MaxFileBytes)
        throw CsvFileError(describe(path, "larger than 10 MB"));
    return text;
}

void CsvText::writeFile(const std::filesystem::path& path, std::string_view text) {
    namespace fs = std::filesystem;
    // The same rules as channel files: links lead to their file, read-only files stay.
    const StoreTarget::Resolved resolved = StoreTarget::resolve(path, "a channel list");
    if (resolved.refused())
        throw CsvFileError(describe(path, resolved.refusal));
    std::error_code error;
    std::optional<AtomicFile::Keep> keep;
    if (fs::exists(resolved.target, error))
        keep = AtomicFile::Keep{resolved.target};
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (const auto failure = AtomicFile::replace(resolved.target, bytes, keep))
        throw CsvFileError(describe(path, *failure));
}

} // namespace tarn
