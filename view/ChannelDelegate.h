#pragma once

#include <QStyledItemDelegate>

class QComboBox;
class QLineEdit;

namespace tarn {

class CellEditing;

// Hands the table the four editors of the channel cells: the frequency edit for RX and TX
// Freq, the tone box for both tone columns, the power and lock boxes. The editors live as
// long as the table and are shown over one cell at a time; what they hold is stored by
// CellEditing, which also answers the keys that end an edit.
class ChannelDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    struct Editors {
        QLineEdit* frequency = nullptr;
        QComboBox* tone = nullptr;
        QComboBox* power = nullptr;
        QComboBox* lock = nullptr;
    };

    ChannelDelegate(CellEditing& editing, QObject* parent = nullptr);

    void setEditors(const Editors& editors) { m_editors = editors; }
    // The editor of a sheet column; null for the number column.
    [[nodiscard]] QWidget* editorFor(int sheetColumn) const;

    [[nodiscard]] QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CellEditing& m_editing;
    Editors m_editors;
    // Set while an editor opens: it loads its cell once, and keeps what is typed afterwards
    // when another window stores into the same cell.
    mutable QWidget* m_loading = nullptr;
};

} // namespace tarn
