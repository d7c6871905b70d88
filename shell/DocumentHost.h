#pragma once

namespace tarn {

class DocumentWindow;
class TarnDocument;

// What documents and their windows ask of the program.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // Save (or Save As); false when cancelled or failed.
    virtual bool saveDocument(TarnDocument& document, bool askForName) = 0;
    // File > Import Channels and Export Channels on the document.
    virtual void importChannels(TarnDocument& document) = 0;
    virtual void exportChannels(TarnDocument& document) = 0;
    // File > Channel Lists: the ready-made list of that index into the document.
    virtual void importStockList(TarnDocument& document, int index) = 0;
    // Closes every window of the document, asking first if it has changed.
    virtual void closeDocument(TarnDocument& document) = 0;
    // Whether a window may close now: closing a changed document's last window asks first.
    [[nodiscard]] virtual bool canCloseFrame(DocumentWindow& frame) = 0;
    // The window has accepted its close and goes away shortly.
    virtual void frameClosed(DocumentWindow& frame) = 0;
};

} // namespace tarn
