#pragma once

namespace tarn {

// A calendar date and time of day in the local time zone.
struct LocalTime {
    int year = 1970;
    int month = 1; // 1-12
    int day = 1;   // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// The time of day as the user's clock shows it; behind an interface so tests choose it.
class WallClock {
public:
    virtual ~WallClock() = default;
    [[nodiscard]] virtual LocalTime localNow() const = 0;
};

// The machine's clock in its local time zone.
class SystemWallClock final : public WallClock {
public:
    [[nodiscard]] LocalTime localNow() const override;
};

} // namespace tarn
