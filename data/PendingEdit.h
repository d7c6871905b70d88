#pragma once

namespace tarn {

// A value still being typed in a window of a document: part of the document's pending state,
// stored before anything goes to the disk or the radio.
class PendingEdit {
public:
    virtual ~PendingEdit() = default;
    // An editor is open and what it would store differs from its cell.
    [[nodiscard]] virtual bool hasPendingChange() const = 0;
    // Stores the open value into the sheet. False when its check refused it: the message has
    // been shown, the value stays open and the cell keeps what it held.
    [[nodiscard]] virtual bool storePendingEdit() = 0;
};

} // namespace tarn
