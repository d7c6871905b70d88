#include "data/ChannelCodec.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <tuple>

namespace tarn {

namespace {

constexpr std::size_t RxFreq = 0;
constexpr std::size_t TxFreq = 4;
constexpr std::size_t RxToneLow = 8;
constexpr std::size_t TxToneLow = 10;
constexpr std::size_t Flags = 12;
constexpr std::uint8_t PowerMask = 0x30;
constexpr std::uint8_t PowerHigh = 0x20;
constexpr std::uint8_t PowerMiddle = 0x10;
constexpr std::uint8_t LockBit = 0x08;

// Nibbles are taken as they are, without range checks.
int decodeBcd(std::uint8_t b) {
    return (b >> 4) * 10 + (b & 0x0F);
}

std::uint8_t encodeBcd(std::uint32_t d) {
    return static_cast<std::uint8_t>(((d / 10) * 16 + d % 10) & 0xFF);
}

bool present(std::uint8_t mostSignificant) {
    return mostSignificant != 0xFF && mostSignificant != 0x00;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Length of the decimal number at the start of text (sign, digits, fraction, exponent).
std::size_t numberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::string formatTenths(long value) {
    return std::to_string(value / 10) + "." + std::to_string(value % 10);
}

std::string formatDcs(int offsetFromBase, std::uint8_t low, const char* suffix) {
    const int number = offsetFromBase * 100 + decodeBcd(low);
    return std::string(offsetFromBase == 0 ? "D0" : "D") + std::to_string(number) + suffix;
}

std::string renderPower(std::uint8_t flags) {
    switch (flags & PowerMask) {
    case 0x00:
        return "Low";
    case PowerMiddle:
        return "Middle";
    case PowerHigh:
        return "High";
    default:
        // The radio's fourth power value has no name; show nothing rather than guess.
        return {};
    }
}

} // namespace

DecimalNumber ChannelCodec::leadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isSpace(text[start]))
        ++start;
    text.remove_prefix(start);
    return DecimalNumber::parse(text.substr(0, numberLength(text))).value_or(DecimalNumber());
}

std::uint32_t ChannelCodec::frequencyUnits(std::string_view text) {
    const DecimalNumber number = leadingNumber(text);
    if (number.isNegative())
        return 0;
    const std::uint64_t units = number.scaled(5, DecimalNumber::Rounding::HalfAwayFromZero);
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(units, std::numeric_limits<std::uint32_t>::max()));
}

std::string ChannelCodec::formatFrequency(std::uint32_t units) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%u.%05u", units / 100000, units % 100000);
    return buffer;
}

void ChannelCodec::encodeFrequency(std::uint32_t units, std::span<std::uint8_t, 4> bytes) {
    if (units == 0) {
        std::fill(bytes.begin(), bytes.end(), RadioImage::Blank);
        return;
    }
    constexpr std::uint32_t Divisors[] = {1000000, 10000, 100, 1};
    for (int i = 0; i < 4; ++i) {
        bytes[3 - i] = encodeBcd((units / Divisors[i]) % 256);
        units %= Divisors[i];
    }
}

std::string ChannelCodec::renderFrequency(std::span<const std::uint8_t, 4> bytes) {
    if (!present(bytes[3]))
        return {};
    std::uint64_t units = 0;
    for (int i = 3; i >= 0; --i)
        units = units * 100 + static_cast<std::uint64_t>(decodeBcd(bytes[i]));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llu.%05llu",
                  static_cast<unsigned long long>(units / 100000),
                  static_cast<unsigned long long>(units % 100000));
    return buffer;
}

std::string ChannelCodec::renderTone(std::uint8_t high, std::uint8_t low, bool transmit) {
    if (high == 0xFF || high == 0x00)
        return {};
    if (high >= 0xC0)
        return formatDcs(high - 0xC0, low, "I");
    const std::uint8_t normalEnd = transmit ? 0xC0 : 0x90;
    if (high >= 0x80 && high < normalEnd)
        return formatDcs(high - 0x80, low, "N");
    return formatTenths(decodeBcd(high) * 100L + decodeBcd(low));
}

std::pair<std::uint8_t, std::uint8_t> ChannelCodec::encodeTone(std::string_view text) {
    // The grid keeps a typed code in the user's letter case; "d023n" means "D023N".
    using Rounding = DecimalNumber::Rounding;
    constexpr std::uint64_t Limit = 1'000'000'000;
    if (text.find_first_of("Dd") != std::string_view::npos) {
        const DecimalNumber number = leadingNumber(text.substr(1));
        const std::uint64_t whole = number.scaled(0, Rounding::TowardZero);
        const auto n =
            !number.isNegative() && whole < Limit ? static_cast<std::uint32_t>(whole) : 0u;
        const bool normal = text.find_first_of("Nn") != std::string_view::npos;
        const std::uint32_t base = normal ? 0x80 : 0xC0;
        return {static_cast<std::uint8_t>((n / 100 + base) & 0xFF), encodeBcd(n % 100)};
    }
    const DecimalNumber number = leadingNumber(text);
    const std::uint64_t tenths = number.scaled(1, Rounding::TowardZero);
    if (number.isNegative() || tenths == 0 || tenths >= Limit)
        return {0xFF, 0xFF};
    const auto v = static_cast<std::uint32_t>(tenths);
    return {encodeBcd((v / 100) % 256), encodeBcd(v % 100)};
}

bool ChannelCodec::isProgrammed(std::span<const std::uint8_t, RadioImage::RowSize> row) {
    return present(row[RxFreq + 3]) || present(row[TxFreq + 3]);
}

void ChannelCodec::numberRows(CellGrid& grid, int count) {
    grid.setRowCount(count + 1);
    char buffer[16];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(buffer, sizeof buffer, "%3d", i);
        grid.setCellText(i, NumberColumn, buffer);
    }
}

void ChannelCodec::render(const RadioImage& image, CellGrid& grid, int count) {
    numberRows(grid, count);
    for (int i = 1; i <= count; ++i) {
        const auto row = image.row(static_cast<std::size_t>(i - 1));
        const bool programmed = isProgrammed(row);
        grid.setCellText(i, RxFreqColumn, renderFrequency(row.subspan<RxFreq, 4>()));
        grid.setCellText(i, TxFreqColumn, renderFrequency(row.subspan<TxFreq, 4>()));
        grid.setCellText(i, DecColumn, renderTone(row[RxToneLow + 1], row[RxToneLow], false));
        grid.setCellText(i, EncColumn, renderTone(row[TxToneLow + 1], row[TxToneLow], true));
        grid.setCellText(i, PowerColumn, programmed ? renderPower(row[Flags]) : std::string());
        grid.setCellText(i, LockColumn,
                         programmed ? ((row[Flags] & LockBit) ? "Lock" : "UnLock") : "");
    }
}

void ChannelCodec::parse(const CellGrid& grid, RadioImage& image, int count) {
    for (int i = 1; i <= count; ++i)
        parseRow(grid, i, image);
}

void ChannelCodec::parseRow(const CellGrid& grid, int channel, RadioImage& image) {
    auto row = image.row(static_cast<std::size_t>(channel - 1));
    encodeFrequency(frequencyUnits(grid.cellText(channel, RxFreqColumn)), row.subspan<RxFreq, 4>());
    encodeFrequency(frequencyUnits(grid.cellText(channel, TxFreqColumn)), row.subspan<TxFreq, 4>());
    std::tie(row[RxToneLow + 1], row[RxToneLow]) = encodeTone(grid.cellText(channel, DecColumn));
    std::tie(row[TxToneLow + 1], row[TxToneLow]) = encodeTone(grid.cellText(channel, EncColumn));

    const std::string power = grid.cellText(channel, PowerColumn);
    const bool keepPower = power.empty() && isProgrammed(row);
    std::uint8_t flags = row[Flags] & ~((keepPower ? 0 : PowerMask) | LockBit);
    if (power == "High")
        flags |= PowerHigh;
    else if (power == "Middle")
        flags |= PowerMiddle;
    if (grid.cellText(channel, LockColumn) == "Lock")
        flags |= LockBit;
    row[Flags] = flags;
}

} // namespace tarn
