#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// A CSV file that cannot be read; what() names the file and the reason.
class CsvFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Comma-separated text as RFC 4180 has it: a field in double quotes may hold commas, line
// breaks and doubled quotes. Lines end with LF, CR LF or a lone CR.
class CsvText {
public:
    static constexpr std::uintmax_t MaxFileBytes = 10 * 1024 * 1024;

    struct Record {
        int line = 0; // where the record starts, 1-based
        std::vector<std::string> fields;
    };
    struct Parsed {
        std::vector<Record> records;
        int errorLine = 0; // 0 when the whole text was read
        std::string error;
    };

    // Every record of the text; a UTF-8 byte-order mark at the start is skipped. A blank line
    // is a record of one empty field. Stops at the first malformed record.
    [[nodiscard]] static Parsed parse(std::string_view text);
    // One record ending in CR LF; fields that hold a comma, a quote, a line break or blanks at
    // either end are quoted.
    [[nodiscard]] static std::string formatRecord(const std::vector<std::string>& fields);

    // What a UTF-16 text is told: it would otherwise show as a file of NUL bytes.
    static constexpr const char* Utf16Text = "UTF-16 text: save it as UTF-8";
    // Text in UTF-16, told by its byte-order mark or, without one, by NUL bytes in every
    // other place of its first characters.
    [[nodiscard]] static bool isUtf16(std::string_view text);
    // The text without a UTF-8 byte-order mark at its start.
    [[nodiscard]] static std::string_view withoutByteOrderMark(std::string_view text);

    // The whole of a regular file of at most MaxFileBytes; throws CsvFileError.
    [[nodiscard]] static std::string readFile(const std::filesystem::path& path);
    // Replaces a regular file (or the one a link names) through a temporary file beside it,
    // so a failure leaves the old file whole; throws CsvFileError.
    static void writeFile(const std::filesystem::path& path, std::string_view text);
};

} // namespace tarn
