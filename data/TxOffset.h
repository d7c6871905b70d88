#pragma once

#include "data/BandPlan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarn {

// How a channel's TX frequency follows its RX: the same (simplex), shifted by a signed
// amount, or shifted up or down by the band plan's repeater offset.
class TxOffset {
public:
    enum class Unit { KHz, MHz };
    enum class Kind { Shift, PlanUp, PlanDown };
    // Beyond any difference of two storable frequencies.
    static constexpr std::uint64_t MaxUnits = 1'000'000'000;

    TxOffset() = default;
    [[nodiscard]] static TxOffset shift(std::int64_t units) { return {Kind::Shift, units}; }
    [[nodiscard]] static TxOffset plan(char sign) {
        return {sign == '-' ? Kind::PlanDown : Kind::PlanUp, 0};
    }
    // "+" or "-" alone: the band plan's offset; otherwise an optionally signed number in the
    // unit, exact to 10 Hz. Nothing for any other text.
    [[nodiscard]] static std::optional<TxOffset> parse(std::string_view text, Unit unit);

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] std::int64_t units() const { return m_units; }

    struct Tx {
        std::uint32_t units = 0;
        // Why there is none; empty when found.
        std::string error;
    };
    // The TX frequency for an RX frequency (10 Hz units), checked as a typed one would be;
    // the error is a sentence.
    [[nodiscard]] Tx txFor(std::uint32_t rxUnits, BandPlan::Region region) const;

    // Empty when a frequency (10 Hz units) may be stored; otherwise the reason.
    [[nodiscard]] static std::string frequencyProblem(std::int64_t units);

private:
    TxOffset(Kind kind, std::int64_t units)
        : m_kind(kind)
        , m_units(units) {}

    Kind m_kind = Kind::Shift;
    std::int64_t m_units = 0;
};

} // namespace tarn
