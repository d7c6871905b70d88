#pragma once

#include "data/ChannelDocument.h"
#include "qtsupport/CommandTarget.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

namespace tarn {

class ChannelTableModel;
class DocumentHost;
class Prompter;

// A channel document of the program: the image with its channel count, the file it belongs
// to and its title; Close, Save, Save As, Import Channels and Export Channels are its commands.
class TarnDocument : public QObject, public ChannelDocument, public CommandTarget {
    Q_OBJECT
public:
    enum class OpenResult { Opened, Failed, Cancelled };

    TarnDocument(DocumentHost& host, Prompter& prompter);
    ~TarnDocument() override;

    // The channel table every window of the document views.
    [[nodiscard]] ChannelTableModel& channelModel();

    // A new document: 199 channels, a blank image with the settings defaults.
    bool newDocument();
    // Loads the file, then asks "Do you rewrite data?". A failure to load is reported; the
    // document is unchanged unless the result is Opened.
    [[nodiscard]] OpenResult openDocument(const std::filesystem::path& path);
    // Loads the file without taking its name, so Save never writes over it (a backup).
    [[nodiscard]] bool openCopy(const std::filesystem::path& path);
    // Stores the image atomically (the caller has had the grid parsed); false after a
    // failure, which is reported and leaves the file on disk as it was.
    bool saveDocument(const std::filesystem::path& path);

    // How to load a file: a larger one only after the user agreed to its first 8192 bytes
    // (No is the default); empty when declined. Throws SinFileError for anything but a
    // regular file.
    [[nodiscard]] static std::optional<SinSize> askSizeRule(Prompter& prompter,
                                                            const std::filesystem::path& path);

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] QString title() const { return m_title; }
    void setTitle(const QString& title);
    void setModified(bool modified) override;

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);

private:
    // Loads the file into the document; a failure is reported and changes nothing, as does
    // a larger file the user would not take the start of (Cancelled).
    [[nodiscard]] OpenResult load(const std::filesystem::path& path);
    void setPath(const std::filesystem::path& path);

    DocumentHost& m_host;
    Prompter& m_prompter;
    std::filesystem::path m_path;
    QString m_title;
    std::unique_ptr<ChannelTableModel> m_channelModel;
};

} // namespace tarn
