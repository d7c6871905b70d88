#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QPrinter;
class QRect;

namespace tarn {

class CellGrid;

// Lays the channel table out on paper: 29 channels a page under the seven column headers,
// each page headed by the document's title and its page number.
class ChannelTablePrinter {
public:
    static constexpr int ChannelsPerPage = 29;

    ChannelTablePrinter(const CellGrid& grid, int channelCount, QString title);

    // (count + 20) / 29: 7 pages for 199 channels, 6 for 160.
    [[nodiscard]] static int pageCount(int channelCount);
    [[nodiscard]] static int firstChannel(int page) { return page * ChannelsPerPage + 1; }
    [[nodiscard]] static int lastChannel(int page, int channelCount);

    // Prints the pages of the printer's page range (all when none is set); false when the
    // printer could not be started.
    [[nodiscard]] bool print(QPrinter& printer) const;
    // Draws one page (0-based) into the area.
    void paintPage(QPainter& painter, const QRect& area, int page) const;

private:
    [[nodiscard]] static int columnWidth(int totalWidth, int column);
    // The largest table font whose headers fit their columns and whose lines fit the height.
    [[nodiscard]] static QFont fittingFont(QPainter& painter, int totalWidth, int lineHeight);

    const CellGrid& m_grid;
    int m_channelCount;
    QString m_title;
};

} // namespace tarn
