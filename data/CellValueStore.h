#pragma once

#include "data/BandPlan.h"

#include <functional>
#include <optional>
#include <string>

namespace tarn {

class ChannelDocument;
class Prompter;
class ToneTable;

// Stores edited values into a channel row of a document's sheet with the rules that keep the
// row consistent: checked frequencies, defaults for a new channel, and the cells that go with
// an emptied frequency. Any stored text that differs from what the cell held marks the
// document changed.
class CellValueStore {
public:
    // What else an emptied frequency takes with it: leaving the cell empties TX Power and
    // CHN Lock of a row without frequencies and tones, Enter only TX Power.
    enum class Emptying { OnLeave, OnEnter };

    static constexpr const char* NoTone = "OFF";
    static constexpr const char* NewPower = "High";
    static constexpr const char* NewLock = "Lock";

    // Refusals are shown with the given caption.
    CellValueStore(ChannelDocument& document, const ToneTable& tones, Prompter& prompter,
                   std::string caption);

    // Where the band plan for "+" and "-" in TX Freq comes from (the user's setting).
    void setBandPlan(std::function<BandPlan::Region()> region) { m_region = std::move(region); }
    // "+" or "-" alone in TX Freq of a row with an RX frequency: the repeater shift.
    [[nodiscard]] bool isRepeaterShift(int row, int col, const std::string& typed) const;
    // What a typed frequency is stored as in this cell, the repeater shift included; nothing
    // when it would be refused.
    [[nodiscard]] std::optional<std::string> frequencyValueAt(int row, int col,
                                                              const std::string& typed) const;
    // As acceptsFrequency, for this cell.
    [[nodiscard]] bool acceptsFrequencyAt(int row, int col, const std::string& typed,
                                          bool tellWhyNot);

    // The text to store for a typed frequency: the reformatted value, or empty after telling
    // the user why it was refused.
    [[nodiscard]] std::string checkedFrequency(const std::string& typed);
    // Whether a typed frequency would be stored as it is typed (empty, or passing its
    // check); tells the user why not when asked to.
    [[nodiscard]] bool acceptsFrequency(const std::string& typed, bool tellWhyNot);
    // The text a typed frequency is stored as; empty for a refused one.
    [[nodiscard]] static std::string frequencyValue(const std::string& typed);
    void storeFrequency(int row, int col, const std::string& typed, Emptying emptying);
    // Empty for a row without frequencies; "OFF" for a text that names no tone; otherwise the
    // text as the user wrote it.
    [[nodiscard]] std::string toneValue(int row, const std::string& typed) const;
    // Power or lock chosen in a row: a row without frequencies keeps these cells empty.
    void storeChoice(int row, int col, const std::string& chosen);
    void store(int row, int col, const std::string& text);

    [[nodiscard]] bool hasFrequency(int row) const;
    [[nodiscard]] std::string cellText(int row, int col) const;

private:
    // What Undo calls a stored value.
    [[nodiscard]] static std::string stepName(int row);
    [[nodiscard]] bool isEmpty(int row, int col) const;
    [[nodiscard]] bool isNewChannel(int row) const;
    void emptyFrequency(int row, int col, Emptying emptying);
    [[nodiscard]] BandPlan::Tx repeaterTx(int row, const std::string& typed) const;
    void tell(const std::string& text);

    ChannelDocument& m_document;
    const ToneTable& m_tones;
    Prompter& m_prompter;
    std::string m_caption;
    std::function<BandPlan::Region()> m_region = [] { return BandPlan::DefaultRegion; };
};

} // namespace tarn
