#include "data/TxOffset.h"

#include "data/ChannelCodec.h"
#include "data/ChannelRules.h"
#include "data/StrictNumber.h"

#include <cstdlib>

namespace tarn {

std::optional<TxOffset> TxOffset::parse(std::string_view text, Unit unit) {
    text = StrictNumber::trimmed(text);
    if (text == "+" || text == "-")
        return plan(text.front());
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::optional<DecimalNumber> value = StrictNumber::parse(text);
    // In 10 Hz units: kHz have 2 decimals to spare, MHz 5.
    const int decimals = unit == Unit::MHz ? 5 : 2;
    // Finer than 10 Hz cannot be stored; more than the whole range is no offset.
    if (!value || !value->isWholeAt(decimals))
        return std::nullopt;
    const std::uint64_t amount = value->scaled(decimals, DecimalNumber::Rounding::TowardZero);
    if (amount > MaxUnits)
        return std::nullopt;
    const auto signedAmount = static_cast<std::int64_t>(amount);
    return shift(negative ? -signedAmount : signedAmount);
}

TxOffset::Tx TxOffset::txFor(std::uint32_t rxUnits, BandPlan::Region region) const {
    if (m_kind != Kind::Shift) {
        const BandPlan::Tx planned =
            BandPlan::repeaterTx(region, rxUnits, m_kind == Kind::PlanUp ? '+' : '-');
        return {planned.units, planned.error};
    }
    const std::int64_t units = static_cast<std::int64_t>(rxUnits) + m_units;
    const std::string problem = frequencyProblem(units);
    if (!problem.empty())
        return {0, "TX Freq " + problem + "."};
    return {static_cast<std::uint32_t>(units), {}};
}

std::string TxOffset::frequencyProblem(std::int64_t units) {
    if (units < ChannelRules::LowestUnits || units > ChannelRules::HighestUnits)
        return (units < 0 ? "-" : "") +
               ChannelCodec::formatFrequency(static_cast<std::uint32_t>(std::llabs(units))) +
               " MHz is outside 100-600 MHz";
    if (units % 625 != 0 && units % 500 != 0)
        return ChannelCodec::formatFrequency(static_cast<std::uint32_t>(units)) +
               " MHz is on neither the 6.25 kHz nor the 5 kHz step";
    return {};
}

} // namespace tarn
