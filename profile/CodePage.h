#pragma once

namespace tarn {

// The byte encodings profile text can be in. Windows keeps profiles in the ANSI code
// page 936 (GBK); everywhere else the system encoding is UTF-8.
enum class CodePage { Utf8, Gbk936 };

[[nodiscard]] constexpr CodePage systemCodePage() {
#ifdef _WIN32
    return CodePage::Gbk936;
#else
    return CodePage::Utf8;
#endif
}

} // namespace tarn
