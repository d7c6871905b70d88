#pragma once

#include "profile/AppDirectory.h"
#include "profile/CodePage.h"
#include "profile/FileOps.h"
#include "profile/MultiByteText.h"

#include <string>
#include <vector>

namespace tarn {

// A sectioned settings file ("[section]" headers and key=value lines) held whole in
// memory. Text stays bytes in the system code page. Lookups answer from memory; Save
// rewrites the whole file, optionally after copying it to a numbered backup. Lines that
// are no key (comments, blank lines, empty keys) are written back as read, in place.
class ProfileFile {
public:
    struct SaveResult {
        // ReadOnly: the file is read-only and was meant to stay as it is.
        enum class Status { NotModified, Written, ReadOnly, Failed };
        Status status = Status::NotModified;
        std::string backupPath; // the chosen backup, once there is one
    };

    explicit ProfileFile(int growthStep = 4, FileOps& ops = defaultFileOps(),
                         CodePage codePage = systemCodePage());
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;
    // The close sequence: saves when opened with saveOnClose, then clears.
    virtual ~ProfileFile();

    [[nodiscard]] bool open(const std::string& path, bool saveOnClose, bool ignoreCase,
                            bool backupOnClose);
    [[nodiscard]] bool openInAppDir(const std::string& fileName, bool saveOnClose, bool ignoreCase,
                                    bool backupOnClose, const AppDirectory& where);
    [[nodiscard]] std::string getString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) const;
    void setString(const std::string& section, const std::string& key, const std::string& value);
    [[nodiscard]] SaveResult save(bool makeBackup);
    void clear();

    [[nodiscard]] bool isBound() const { return !m_path.empty(); }
    [[nodiscard]] bool isModified() const { return m_modified; }
    [[nodiscard]] const std::string& path() const { return m_path; }
    [[nodiscard]] const std::string& backupPath() const { return m_backupPath; }

private:
    static FileOps& defaultFileOps();

    [[nodiscard]] bool compare(const std::string& a, const std::string& b) const;
    [[nodiscard]] int findSection(const std::string& name) const;
    [[nodiscard]] int findKey(int section, const std::string& key) const;
    void makeBackupName();

    void createTables();
    [[nodiscard]] int addSection(const std::string& name);
    void setSectionName(int index, const std::string& name);
    void loadLine(const std::string& rawLine);
    [[nodiscard]] std::string render() const;
    [[nodiscard]] std::string cutComments(std::string value) const;

    // One line of a section as the file has it: a key of the section's lists, or a line
    // kept as read.
    struct Line {
        int key = -1; // index into the section's key list; -1: text is the line
        std::string text;
    };

    // position: where among the section's lines the key line goes.
    void addKey(int section, std::size_t position, std::string key, std::string value, bool equals);
    [[nodiscard]] std::size_t newKeyPosition(int section) const;
    void renderSection(std::size_t section, std::string& text) const;

    // Fields in the order of the file store's layout.
    std::vector<std::vector<std::string>> m_keyLists;
    std::vector<std::vector<std::string>> m_valueLists;
    std::vector<std::string> m_sectionNames;
    int m_lastSection = 0;
    int m_growthStep;
    bool m_ignoreCase = true;
    bool m_saveOnClose = false;
    std::string m_backupPath;
    bool m_backupOnClose = false;
    bool m_modified = false;
    std::string m_path;

    std::vector<std::vector<Line>> m_lines;     // per section, in file order
    std::vector<std::vector<bool>> m_hasEquals; // per key: written with "=" though empty
    int m_tableSlots = 0;                       // 0 while the tables do not exist
    FileOps& m_ops;
    MultiByteText m_text;
};

} // namespace tarn
