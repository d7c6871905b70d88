#include "tools/cli/TranslatedStreamBuf.h"

#include <utility>

namespace tarn::cli {

TranslatedStreamBuf::TranslatedStreamBuf(std::streambuf& target, Translate translate)
    : m_target(target)
    , m_translate(std::move(translate)) {}

TranslatedStreamBuf::~TranslatedStreamBuf() {
    (void)sync();
}

TranslatedStreamBuf::int_type TranslatedStreamBuf::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
    const char ch = traits_type::to_char_type(c);
    if (ch == '\n' || ch == '\r')
        return passOn(std::string(1, ch)) ? c : traits_type::eof();
    m_line += ch;
    return c;
}

std::streamsize TranslatedStreamBuf::xsputn(const char* text, std::streamsize count) {
    for (std::streamsize i = 0; i < count; ++i) {
        if (traits_type::eq_int_type(overflow(traits_type::to_int_type(text[i])),
                                     traits_type::eof()))
            return i;
    }
    return count;
}

int TranslatedStreamBuf::sync() {
    if (!passOn({}))
        return -1;
    return m_target.pubsync();
}

bool TranslatedStreamBuf::passOn(const std::string& end) {
    std::string out = m_line.empty() ? std::string() : m_translate(m_line);
    m_line.clear();
    out += end;
    const auto size = static_cast<std::streamsize>(out.size());
    return m_target.sputn(out.data(), size) == size;
}

} // namespace tarn::cli
