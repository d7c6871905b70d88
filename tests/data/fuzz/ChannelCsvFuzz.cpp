// Any text either is refused or imports into channels that export and import again unchanged.
#include "data/ChannelCodec.h"
#include "data/ChannelCsvExport.h"
#include "data/ChannelCsvImport.h"
#include "data/CsvText.h"
#include "data/TextGrid.h"

#include <cstdlib>
#include <string_view>

namespace {

using namespace tarn;

RadioImage imported(const RadioImage& start, const ChannelCsvImport& list, int count) {
    TextGrid grid;
    ChannelCodec::render(start, grid, count);
    list.applyTo(grid);
    RadioImage image = start;
    ChannelCodec::parse(grid, image, count);
    return image;
}

void checkRecordsRoundTrip(std::string_view text) {
    const auto parsed = CsvText::parse(text);
    // A second byte-order mark opens the first field; written back it would read as the mark.
    if (parsed.errorLine > 0 ||
        (!parsed.records.empty() && parsed.records[0].fields[0].starts_with("\xEF\xBB\xBF")))
        return;
    std::string written;
    for (const auto& record : parsed.records)
        written += CsvText::formatRecord(record.fields);
    const auto again = CsvText::parse(written);
    if (again.errorLine > 0 || again.records.size() != parsed.records.size())
        std::abort();
    for (std::size_t i = 0; i < parsed.records.size(); ++i) {
        if (again.records[i].fields != parsed.records[i].fields)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkRecordsRoundTrip(text);
    const int count = size % 2 ? RadioImage::MaxChannels : RadioImage::ReducedChannels;
    const auto list = ChannelCsvImport::read(text, count, {size % 3 == 0, 0});
    if (!list.accepted())
        return 0;
    const RadioImage image = imported(RadioImage::newDocument(), list, count);
    const auto exported = ChannelCsvExport::write(image, count);
    const auto again = ChannelCsvImport::read(exported.text, count);
    if (exported.written > 0 && !again.accepted())
        std::abort();
    if (exported.written > 0 && imported(image, again, count) != image)
        std::abort();
    return 0;
}
