#include "data/ChannelRules.h"

#include "data/ChannelCodec.h"
#include "data/ListName.h"

namespace tarn {

namespace {

// Whether a number is read from the start of the text at all, as the frequency check reads it.
bool startsWithNumber(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && isDigit(text[i]);
}

} // namespace

ChannelRules::Frequency ChannelRules::checkFrequency(std::string_view text) {
    const std::uint32_t units = ChannelCodec::frequencyUnits(text);
    if (units < LowestUnits || units > HighestUnits)
        return Frequency::OutOfRange;
    if (units % 625 != 0 && units % 500 != 0)
        return Frequency::OffStep;
    return Frequency::Valid;
}

std::string ChannelRules::storedFrequency(std::string_view text) {
    return ChannelCodec::formatFrequency(ChannelCodec::frequencyUnits(text));
}

std::string ChannelRules::refusal(Frequency verdict, std::string_view text) {
    if (verdict == Frequency::OffStep)
        return StepMessage;
    return std::string(RangeMessage) + "\n" + (startsWithNumber(text) ? RangeRule : NotANumber);
}

namespace {

std::optional<std::string> listed(std::span<const std::string_view> names, std::string_view typed) {
    const auto index = ListName::find(names, typed);
    if (!index)
        return std::nullopt;
    return std::string(names[*index]);
}

} // namespace

std::optional<std::string> ChannelRules::powerName(std::string_view typed) {
    return listed(PowerNames, typed);
}

std::optional<std::string> ChannelRules::lockName(std::string_view typed) {
    return listed(LockNames, typed);
}

} // namespace tarn
