#pragma once

#include <QString>

#include <filesystem>
#include <string>

class QWidget;

namespace tarn {

class ChannelDocument;
class ChannelListDialogs;
class Prompter;

// File > Import Channels and Export Channels: channel lists in CHIRP's CSV format into and
// out of a document. Both first store what is being typed in the document's windows.
class ChannelListFiles {
public:
    ChannelListFiles(Prompter& prompter, ChannelListDialogs& dialogs);

    // Asks for a list and shows what importing it would do; OK places it into the document
    // as one change, Cancel changes nothing. A list with a bad cell is refused whole.
    void importInto(ChannelDocument& document, QWidget* parent);
    // The same for a ready-made list of the program's data folder (File > Channel Lists).
    void importStock(ChannelDocument& document, int index, QWidget* parent);
    // Where the ready-made lists are: beside the program's own data, found from where it runs.
    [[nodiscard]] static std::filesystem::path stockFolder();
    // Writes every channel of the document that has an RX frequency.
    void exportFrom(ChannelDocument& document, const QString& suggestedName, QWidget* parent);

private:
    // whole: refused when the list has more channels than the document.
    void importFile(ChannelDocument& document, const std::filesystem::path& path, QWidget* parent,
                    bool whole);
    void tell(const std::string& text, bool warning);

    Prompter& m_prompter;
    ChannelListDialogs& m_dialogs;
};

} // namespace tarn
