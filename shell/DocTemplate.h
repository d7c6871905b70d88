#pragma once

#include <QString>
#include <QStringList>

namespace tarn {

// The program's one document template: the seven description fields and the running number
// of new documents' titles.
class DocTemplate {
public:
    enum Field {
        WindowTitle,
        DocName,
        FileNewName,
        FilterName,
        FilterExt,
        RegFileTypeId,
        RegFileTypeName,
        FieldCount
    };
    static constexpr const char* Description = "\nEdit Channel Data\nProgram\nProgram Files "
                                               "(*.sin)\n.sin\nXProgram.Document\nLumen Document";

    DocTemplate();

    [[nodiscard]] QString field(Field which) const;
    // "Edit Channel Data1", "Edit Channel Data2", ...: each call takes the next number.
    [[nodiscard]] QString nextUntitledTitle();
    // The filter line of the Open and Save As dialogs.
    [[nodiscard]] QString fileFilter() const;

private:
    QStringList m_fields;
    int m_untitledCount = 0;
};

} // namespace tarn
