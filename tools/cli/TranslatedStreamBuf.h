#pragma once

#include <functional>
#include <streambuf>
#include <string>

namespace tarn::cli {

// Passes text on to another stream buffer a line at a time, each line (ended by a newline or
// a carriage return, or cut by a flush) through a translation first: stderr in the user's
// language while standard output stays as it is.
class TranslatedStreamBuf : public std::streambuf {
public:
    using Translate = std::function<std::string(const std::string&)>;

    TranslatedStreamBuf(std::streambuf& target, Translate translate);
    ~TranslatedStreamBuf() override;
    TranslatedStreamBuf(const TranslatedStreamBuf&) = delete;
    TranslatedStreamBuf& operator=(const TranslatedStreamBuf&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    // Writes the pending line translated, then the character that ended it (if any).
    [[nodiscard]] bool passOn(const std::string& end);

    std::streambuf& m_target;
    Translate m_translate;
    std::string m_line;
};

} // namespace tarn::cli
