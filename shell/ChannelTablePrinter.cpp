#include "shell/ChannelTablePrinter.h"

#include "data/CellGrid.h"
#include "data/ChannelCodec.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace tarn {

namespace {

constexpr int Columns = ChannelCodec::ColumnCount;
// Widths in the grid's proportions: W, 1.5 W, 1.5 W, 1.25 W, 1.25 W, W, W (in quarters of W).
constexpr int Quarters[Columns] = {4, 6, 6, 5, 5, 4, 4};
constexpr int TotalQuarters = 34;

QString cell(const CellGrid& grid, int row, int column) {
    if (row >= grid.rowCount())
        return {};
    return QString::fromStdString(grid.cellText(row, column)).trimmed();
}

} // namespace

ChannelTablePrinter::ChannelTablePrinter(const CellGrid& grid, int channelCount, QString title)
    : m_grid(grid)
    , m_channelCount(channelCount)
    , m_title(std::move(title)) {}

int ChannelTablePrinter::pageCount(int channelCount) {
    return (channelCount + 20) / ChannelsPerPage;
}

int ChannelTablePrinter::lastChannel(int page, int channelCount) {
    return std::min(channelCount, (page + 1) * ChannelsPerPage);
}

int ChannelTablePrinter::columnWidth(int totalWidth, int column) {
    return totalWidth * Quarters[column] / TotalQuarters;
}

QFont ChannelTablePrinter::fittingFont(QPainter& painter, int totalWidth, int lineHeight) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    // Start at about half the line height and shrink until every bold header fits its column.
    for (int size = std::max(1, lineHeight * 11 / 20); size > 1; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font, painter.device());
        bool fits = metrics.height() < lineHeight;
        for (int column = 0; fits && column < Columns; ++column) {
            const QString header =
                QCoreApplication::translate("tarn::ChannelCodec", ChannelCodec::Headers[column]);
            fits = metrics.horizontalAdvance(header) + metrics.averageCharWidth() <
                   columnWidth(totalWidth, column);
        }
        if (fits)
            break;
    }
    font.setBold(false);
    return font;
}

bool ChannelTablePrinter::print(QPrinter& printer) const {
    const int pages = pageCount(m_channelCount);
    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pages, std::max(from, printer.toPage()));
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(0, 0, paper.width(), paper.height());
    for (int page = from; page <= to; ++page) {
        if (page != from)
            printer.newPage();
        paintPage(painter, area, page - 1);
    }
    return painter.end();
}

void ChannelTablePrinter::paintPage(QPainter& painter, const QRect& area, int page) const {
    painter.save();
    // Title line, a gap, the header row and a full page of channels share the height.
    const int lineHeight = std::max(1, area.height() / (ChannelsPerPage + 4));
    const QFont font = fittingFont(painter, area.width(), lineHeight);
    painter.setFont(font);

    // Header: the document's title on the left, the page number on the right.
    const QRect header(area.left(), area.top(), area.width(), lineHeight);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount(m_channelCount)));
    painter.drawLine(area.left(), header.bottom(), area.right(), header.bottom());

    int top = header.bottom() + lineHeight;
    const auto drawRow = [&](const auto& textOf, bool bold) {
        QFont rowFont = font;
        rowFont.setBold(bold);
        painter.setFont(rowFont);
        int left = area.left();
        for (int column = 0; column < Columns; ++column) {
            const int width = columnWidth(area.width(), column);
            const QRect box(left, top, width, lineHeight);
            painter.drawRect(box);
            painter.drawText(box, Qt::AlignCenter, textOf(column));
            left += width;
        }
        top += lineHeight;
    };
    drawRow(
        [](int column) {
            return QCoreApplication::translate("tarn::ChannelCodec", ChannelCodec::Headers[column]);
        },
        true);
    for (int channel = firstChannel(page); channel <= lastChannel(page, m_channelCount); ++channel)
        drawRow([&](int column) { return cell(m_grid, channel, column); }, false);
    painter.restore();
}

} // namespace tarn
