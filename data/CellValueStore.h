#pragma once

#include "data/BandPlan.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace tarn {

class ChannelDocument;
class Prompter;
class ToneTable;

// Stores edited values into a channel row of a document's sheet with the rules that keep the
// row consistent: checked frequencies and tones, defaults for a new channel, and the cells that
// go with an emptied frequency. A refused value is told and stores nothing: the user's text
// stays with the editor to be mended. Any stored text that differs from what the cell held
// marks the document changed.
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

    // Whether a typed frequency would be stored (empty, or passing its check); tells the user
    // why not when asked to.
    [[nodiscard]] bool acceptsFrequency(const std::string& typed, bool tellWhyNot);
    // The text a typed frequency is stored as; empty for a refused one.
    [[nodiscard]] static std::string frequencyValue(const std::string& typed);
    // False, after telling why, for a refused frequency; nothing is then stored or emptied.
    [[nodiscard]] bool storeFrequency(int row, int col, const std::string& typed,
                                      Emptying emptying);
    // What a tone cell takes: empty for a row without frequencies, "OFF" for an empty text,
    // otherwise the list's spelling of the tone or code typed; nothing for a text that names
    // none.
    [[nodiscard]] std::optional<std::string> toneValue(int row, const std::string& typed) const;
    // Whether the typed tone would be stored; tells the user why not when asked to.
    [[nodiscard]] bool acceptsTone(int row, const std::string& typed, bool tellWhyNot);
    // Stores a typed tone into the given tone columns of the row; false after a refusal.
    [[nodiscard]] bool storeTone(int row, std::initializer_list<int> cols,
                                 const std::string& typed);
    // Power or lock chosen in a row, in the list's spelling: a row without frequencies keeps
    // these cells empty; a text naming no entry stores nothing.
    void storeChoice(int row, int col, const std::string& chosen);
    [[nodiscard]] std::optional<std::string> choiceValue(int row, int col,
                                                         const std::string& chosen) const;
    void store(int row, int col, const std::string& text);

    [[nodiscard]] bool hasFrequency(int row) const;
    [[nodiscard]] std::string cellText(int row, int col) const;

private:
    // What Undo calls a stored value.
    [[nodiscard]] static std::string stepName(int row);
    [[nodiscard]] bool isEmpty(int row, int col) const;
    [[nodiscard]] bool isNewChannel(int row) const;
    void tell(const std::string& text);
    void emptyFrequency(int row, int col, Emptying emptying);
    [[nodiscard]] BandPlan::Tx repeaterTx(int row, const std::string& typed) const;

    ChannelDocument& m_document;
    const ToneTable& m_tones;
    Prompter& m_prompter;
    std::string m_caption;
    std::function<BandPlan::Region()> m_region = [] { return BandPlan::DefaultRegion; };
};

} // namespace tarn
