#include "web/WebDocument.h"

#include "common/AppTitles.h"
#include "common/Translate.h"
#include "data/ChannelBulkEdit.h"
#include "data/ChannelClip.h"
#include "data/ChannelCodec.h"
#include "data/ChannelCsvExport.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelEdits.h"
#include "data/ChannelFill.h"
#include "data/ChannelFilter.h"
#include "data/ChannelOrder.h"
#include "data/ChannelTable.h"
#include "data/CsvText.h"
#include "data/DecimalNumber.h"
#include "data/ImageDiff.h"
#include "data/ModelSettings.h"
#include "data/OptionalFeatures.h"
#include "data/StockChannelLists.h"
#include "data/StrictNumber.h"
#include "data/TxOffset.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace tarn {

namespace {

std::span<const std::uint8_t> byteView(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string byteString(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

// As the desktop's Edit menu names its undo steps.
std::string channelsName(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " Channel" : " Channels");
}

constexpr const char* OffsetRule =
    "The TX offset is a number with an optional sign, or + or - alone for the band plan's "
    "offset.";

BandPlan::Region regionAt(int region) {
    const auto& regions = BandPlan::Regions;
    return region >= 0 && region < static_cast<int>(std::size(regions))
               ? regions[static_cast<std::size_t>(region)]
               : BandPlan::DefaultRegion;
}

// An offset field as the dialogs read it: empty is no offset, anything else must parse.
std::optional<std::optional<TxOffset>> offsetField(const std::string& text, int unit) {
    if (StrictNumber::trimmed(text).empty())
        return std::optional<TxOffset>();
    auto offset = TxOffset::parse(text, unit == 0 ? TxOffset::Unit::MHz : TxOffset::Unit::KHz);
    if (!offset)
        return std::nullopt;
    return offset;
}

std::optional<std::string> chosenEntry(const std::string& entry) {
    return entry.empty() ? std::nullopt : std::optional<std::string>(entry);
}

// Finer than 10 Hz cannot be stored; the fill's check refuses what is out of range.
std::optional<std::uint32_t> startUnits(const std::string& text) {
    const std::optional<DecimalNumber> mhz = StrictNumber::parse(text);
    if (!mhz || !mhz->isWholeAt(5))
        return std::nullopt;
    const std::uint64_t units = mhz->scaled(5, DecimalNumber::Rounding::TowardZero);
    if (units > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(units);
}

std::optional<std::uint32_t> stepUnits(const std::string& text) {
    const std::optional<TxOffset> step = TxOffset::parse(text, TxOffset::Unit::KHz);
    if (!step || step->kind() != TxOffset::Kind::Shift || step->units() < 0 ||
        StrictNumber::trimmed(text).starts_with('+'))
        return std::nullopt;
    return static_cast<std::uint32_t>(step->units());
}

// The folder the module carries the ready-made lists in.
constexpr const char* StockFolder = "/channel-lists/";

} // namespace

WebDocument::WebDocument()
    : m_rules(m_document, m_tones, m_prompter, AppTitles::AppName) {
    newDocument();
}

WebResult WebDocument::result(bool ok) {
    WebResult result{ok, {}};
    for (const Prompt& prompt : m_prompter.takeMessages())
        result.messages.push_back(prompt.text);
    if (const std::optional<Prompt> question = m_prompter.takeUnanswered())
        result.question = {true, question->text, question->caption,
                           static_cast<int>(question->buttons), static_cast<int>(question->icon)};
    return result;
}

void WebDocument::newDocument() {
    m_document.initNew();
    m_document.setModified(false);
}

std::string WebDocument::sizeQuestion(double size, const std::string& fileName) {
    // A shorter file fails as it always did; a trailer after the image is taken on purpose.
    if (size <= static_cast<double>(RadioImage::Size))
        return {};
    return SinFile::firstBytesQuestion(fileName, static_cast<std::uintmax_t>(size));
}

std::optional<RadioImage> WebDocument::load(const std::string& bytes, const std::string& fileName,
                                            SinSize size) {
    try {
        return SinFile::fromBytes(byteView(bytes), fileName, size);
    } catch (const SinFileError& error) {
        (void)m_prompter.ask({std::string("Could not open ") + error.what() + ".",
                              AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return std::nullopt;
    }
}

void WebDocument::take(const RadioImage& image) {
    m_document.takeImage(image);
    m_document.setModified(false);
}

WebResult WebDocument::open(const std::string& bytes, const std::string& fileName,
                            bool firstOfLarger) {
    const std::optional<RadioImage> image =
        load(bytes, fileName, firstOfLarger ? SinSize::FirstOfLarger : SinSize::Exact);
    if (!image)
        return result(false);
    // The desktop's question after a file has loaded; anything but OK opens nothing.
    if (m_prompter.ask(ChannelDocument::rewriteQuestion()) != PromptAnswer::Ok)
        return result(false);
    take(*image);
    return result(true);
}

WebResult WebDocument::openCopy(const std::string& bytes, const std::string& fileName) {
    const std::optional<RadioImage> image = load(bytes, fileName, SinSize::Exact);
    if (image)
        take(*image);
    return result(image.has_value());
}

std::string WebDocument::saveBytes() {
    m_document.parseSheet();
    return byteString(m_document.image().bytes());
}

void WebDocument::markSaved() {
    m_document.markSaved();
    m_document.setModified(false);
}

std::string WebDocument::cellText(int row, int column) const {
    return m_document.sheet().contains(row, column) ? m_document.sheet().cellText(row, column)
                                                    : std::string();
}

std::vector<std::string> WebDocument::toneNames() const {
    return {m_tones.texts().begin(), m_tones.texts().end()};
}

WebResult WebDocument::storeCell(int row, int column, const std::string& text, bool enter) {
    if (!m_rules.isEditable(row, column))
        return result(false);
    const CellEditRules::Cell cell{row, column};
    const CellEditRules::Result done =
        enter ? m_rules.enter(cell, text) : m_rules.leave(cell, column, text);
    return result(!done.refused);
}

int WebDocument::editorFor(int column) {
    return static_cast<int>(CellEditRules::editorFor(column));
}

bool WebDocument::keyOpensEditor(int row, int column, int key) const {
    return m_rules.keyOpensEditor(row, column, key);
}

WebEdit WebDocument::openFrequency(int row, int column, int key) {
    const CellEditRules::Opening opening = m_rules.openFrequency(row, column, key);
    WebEdit out = edit({});
    out.text = opening.text;
    out.selectAll = opening.selectAll;
    return out;
}

int WebDocument::listIndexFor(const std::vector<std::string>& items, const std::string& text) {
    return CellEditRules::listIndexFor(items, text);
}

int WebDocument::itemStartingWith(const std::vector<std::string>& items, const std::string& typed) {
    return CellEditRules::itemStartingWith(items, typed);
}

WebEdit WebDocument::enterCell(int row, int column, const std::string& text) {
    return edit(m_rules.enter({row, column}, text));
}

WebEdit WebDocument::leaveCell(int row, int column, int farColumn, const std::string& text) {
    return edit(m_rules.storePending({row, column}, farColumn, text));
}

bool WebDocument::differs(int row, int column, const std::string& text) const {
    return m_rules.differs({row, column}, text);
}

WebEdit WebDocument::tabFrom(int row, int column, bool backward) const {
    return moveTo(m_rules.tabFrom({row, column}, backward));
}

WebEdit WebDocument::enterOnGrid(int row, int column) const {
    return moveTo(m_rules.enterOnGrid({row, column}));
}

WebEdit WebDocument::edit(const CellEditRules::Result& done) {
    WebResult told = result(!done.refused);
    WebEdit out;
    out.ok = told.ok;
    out.messages = std::move(told.messages);
    out.nextRow = done.next.row;
    out.nextColumn = done.next.column;
    out.leavesGrid = done.leavesGrid;
    return out;
}

WebEdit WebDocument::moveTo(CellEditRules::Cell cell) {
    WebEdit out;
    out.nextRow = cell.row;
    out.nextColumn = cell.column;
    out.leavesGrid = cell.row == 0;
    return out;
}

std::string WebDocument::undoName() const {
    return m_document.history().undoName();
}

std::string WebDocument::redoName() const {
    return m_document.history().redoName();
}

std::string WebDocument::copyChannels(const std::vector<int>& channels) const {
    return ChannelClip::of(m_document.sheet(), m_document.image(), channels).text;
}

WebResult WebDocument::paste(int channel, const std::string& text) {
    ChannelClip clip;
    clip.text = text;
    if (m_found && ChannelEdits::channelsIn(clip, m_document.channelCount()) > 1) {
        (void)m_prompter.ask({ChannelEdits::ArrangedPasteText, AppTitles::AppName,
                              PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    ChannelEdits::Pasted pasted;
    {
        ChannelDocument::Change change(m_document, "Paste");
        const ChannelSheet::Batch batch(m_document.sheet());
        pasted = ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount())
                     .paste(channel, clip);
        change.rename("Paste " + channelsName(static_cast<std::size_t>(pasted.count)));
    }
    if (!pasted.errors.empty()) {
        (void)m_prompter.ask({ChannelEdits::refusal(pasted.errors), AppTitles::AppName,
                              PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    return result(true);
}

std::vector<int> WebDocument::findChannels(const std::string& text) {
    const ChannelFilter filter(text);
    std::vector<int> shown;
    for (int channel = 1; channel <= m_document.channelCount(); ++channel) {
        if (filter.matches(m_document.sheet(), channel))
            shown.push_back(channel);
    }
    m_found = !filter.isEmpty();
    m_shown = m_found ? shown : std::vector<int>{};
    if (!m_found) {
        m_rules.setNeighbours({});
        return shown;
    }
    m_rules.setNeighbours([this](int channel, int by) {
        const auto at = std::lower_bound(m_shown.begin(), m_shown.end(), channel);
        if (at == m_shown.end() || *at != channel)
            return 0;
        const auto place = (at - m_shown.begin()) + by;
        return place >= 0 && place < static_cast<std::ptrdiff_t>(m_shown.size())
                   ? m_shown[static_cast<std::size_t>(place)]
                   : 0;
    });
    return shown;
}

std::string WebDocument::findCountText(int shown, int total) {
    return ChannelFilter::countText(shown, total);
}

WebResult WebDocument::clearChannels(const std::vector<int>& channels) {
    const ChannelDocument::Change change(m_document, "Clear " + channelsName(channels.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount()).clear(channels);
    return result(true);
}

namespace {

// A ready-made list the radio cannot hold whole is no use, wherever it would start.
bool tooLarge(const ChannelCsvImport& list, int count) {
    const std::size_t listed = list.report().placed.size() + list.report().leftOut.size();
    return listed > static_cast<std::size_t>(count);
}

} // namespace

WebResult WebDocument::importChannels(const std::string& text, const std::string& fileName,
                                      bool replace, bool whole) {
    ChannelCsvOptions options;
    options.replace = replace;
    const int count = m_document.channelCount();
    const auto list = ChannelCsvImport::read(text, count, options);
    std::vector<std::string> problems = list.problems();
    if (list.accepted() && whole && tooLarge(list, count)) {
        const std::size_t listed = list.report().placed.size() + list.report().leftOut.size();
        problems = {formatText("The list holds %1 channels; the radio has %2.",
                               {std::to_string(listed), std::to_string(count)})};
    }
    if (!list.accepted() || !problems.empty()) {
        (void)m_prompter.ask({ChannelCsvImport::refusal(fileName, problems), AppTitles::AppName,
                              PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    m_document.importChannels(list);
    return result(true);
}

std::vector<std::string> WebDocument::importReport(const std::string& text, bool whole) const {
    const auto list = ChannelCsvImport::read(text, m_document.channelCount());
    if (!list.accepted() || (whole && tooLarge(list, m_document.channelCount())))
        return {};
    return list.report().lines();
}

std::string WebDocument::stockListFile(int index) {
    if (index < 0 || index >= static_cast<int>(StockChannelLists.size()))
        return {};
    return std::string(StockChannelLists[static_cast<std::size_t>(index)].file);
}

std::string WebDocument::stockListText(int index) {
    const std::string file = stockListFile(index);
    if (file.empty())
        return {};
    try {
        return CsvText::readFile(std::string(StockFolder) + file);
    } catch (const CsvFileError&) {
        return {};
    }
}

WebResult WebDocument::cutChannels(const std::vector<int>& channels) {
    const ChannelDocument::Change change(m_document, "Cut " + channelsName(channels.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount()).clear(channels);
    return result(true);
}

WebResult WebDocument::insertChannel(int at) {
    ChannelEdits::Inserted inserted = ChannelEdits::Inserted::Done;
    {
        const ChannelDocument::Change change(m_document, "Insert Channel");
        const ChannelSheet::Batch batch(m_document.sheet());
        inserted = ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount())
                       .insert(at);
    }
    if (inserted == ChannelEdits::Inserted::NoRoom) {
        (void)m_prompter.ask(
            {ChannelEdits::noRoom(at), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    return result(true);
}

WebResult WebDocument::deleteChannels(const std::vector<int>& channels) {
    const ChannelDocument::Change change(m_document, "Delete " + channelsName(channels.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount())
        .remove(channels);
    return result(true);
}

std::vector<int> WebDocument::moveChannels(const std::vector<int>& channels, int by) {
    return m_document.moveChannels(channels, by < 0 ? -1 : 1);
}

bool WebDocument::sortChannels(int key, bool descending, const std::vector<int>& only) {
    if (key < 0 || key > static_cast<int>(ChannelOrder::Key::Power))
        return false;
    return m_document.sortChannels({static_cast<ChannelOrder::Key>(key), descending}, only);
}

WebResult WebDocument::editChannels(const WebBulkEdit& edit, const std::vector<int>& channels,
                                    int region) {
    const auto offset = offsetField(edit.offset, edit.offsetUnit);
    if (!offset) {
        (void)m_prompter.ask(
            {OffsetRule, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    ChannelBulkEdit bulk;
    bulk.offset = *offset;
    bulk.decTone = chosenEntry(edit.decTone);
    bulk.encTone = chosenEntry(edit.encTone);
    bulk.power = chosenEntry(edit.power);
    bulk.lock = chosenEntry(edit.lock);
    if (channels.empty() || bulk.isEmpty())
        return result(true);
    const std::string problem = m_document.editChannels(bulk, channels, regionAt(region));
    if (!problem.empty()) {
        (void)m_prompter.ask({"Nothing was changed. " + problem, AppTitles::AppName,
                              PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    return result(true);
}

std::string WebDocument::offsetNote(const std::string& offset, int unit) {
    return offsetField(offset, unit) ? std::string() : std::string(OffsetRule);
}

std::string WebDocument::fillNote(const WebFill& fill) {
    if (!startUnits(fill.start))
        return "Type the start frequency in MHz.";
    if (!stepUnits(fill.step))
        return "The step is a number of kHz.";
    return offsetNote(fill.offset, fill.offsetUnit);
}

WebResult WebDocument::fillChannels(const WebFill& fill, int region) {
    if (const std::string note = fillNote(fill); !note.empty()) {
        (void)m_prompter.ask({note, AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    ChannelFill run;
    run.first = fill.first;
    run.count = fill.count;
    run.startUnits = *startUnits(fill.start);
    run.stepUnits = *stepUnits(fill.step);
    run.offset = offsetField(fill.offset, fill.offsetUnit)->value_or(TxOffset());
    run.decTone = fill.decTone;
    run.encTone = fill.encTone;
    run.power = fill.power;
    run.lock = fill.lock;
    const BandPlan::Region plan = regionAt(region);
    if (const std::string problem = run.check(m_document.channelCount(), plan); !problem.empty()) {
        (void)m_prompter.ask({"Nothing was filled. " + problem, AppTitles::AppName,
                              PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    if (const int replaced = run.replaced(m_document.sheet()); replaced > 0) {
        const std::string text = "Fill Channels replaces " + std::to_string(replaced) +
                                 (replaced == 1 ? " programmed channel." : " programmed channels.");
        if (m_prompter.ask({text, AppTitles::AppName, PromptButtons::OkCancel,
                            PromptIcon::Question}) != PromptAnswer::Ok)
            return result(false);
    }
    return result(m_document.fillChannels(run, plan).empty());
}

std::string WebDocument::exportChannels(std::vector<std::string>& report) const {
    const auto written =
        ChannelCsvExport::write(m_document.currentImage(), m_document.channelCount());
    report = written.leftOut.empty() ? std::vector<std::string>() : written.reportLines();
    return written.text;
}

WebResult WebDocument::compareWith(const std::string& bytes, const std::string& fileName,
                                   std::vector<std::string>& marks,
                                   std::vector<std::string>& settings) {
    RadioImage other;
    try {
        other = SinFile::fromBytes(byteView(bytes), fileName);
    } catch (const SinFileError& error) {
        (void)m_prompter.ask({std::string("Could not compare with ") + error.what() + ".",
                              AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    const ImageDifferences differences = ImageDiff::compare(m_document.currentImage(), other);
    for (const ChannelDifference& d : differences.channels)
        marks.push_back(std::to_string(d.channel) + "," + std::to_string(d.column));
    for (const SettingDifference& d : differences.settings)
        settings.push_back(d.name + ": " + d.from + " \xE2\x86\x92 " + d.to);
    return result(true);
}

std::vector<int> WebDocument::modelSelections() const {
    const ModelSettings stored = ModelSettings::decode(m_document.image());
    return {stored.model(), stored.band()};
}

void WebDocument::setModelSelections(int model, int band) {
    const ChannelDocument::Change change(m_document, "Model Information");
    if (const auto count = ModelSettings::channelCountFor(model))
        m_document.setChannelCount(*count);
    if (ModelSettings(model, band).encode(m_document.image()))
        m_document.setModified(true);
    m_document.setUpRowsForChannelCount();
}

std::vector<int> WebDocument::featureSelections() const {
    const auto selections = OptionalFeatures::decode(m_document.image());
    return {selections.begin(), selections.end()};
}

void WebDocument::setFeatureSelections(const std::vector<int>& selections) {
    if (selections.size() != OptionalFeatures::FieldCount)
        return;
    OptionalFeatures::Selections chosen{};
    std::copy(selections.begin(), selections.end(), chosen.begin());
    const ChannelDocument::Change change(m_document, "Optional Features");
    if (OptionalFeatures::encode(chosen, m_document.image()))
        m_document.setModified(true);
}

std::string WebDocument::transferImage() {
    m_document.parseSheet();
    return byteString(m_document.image().bytes());
}

void WebDocument::takeRead(const std::string& bytes) {
    RadioImage received;
    const auto view = byteView(bytes);
    std::copy_n(view.begin(), std::min(view.size(), RadioImage::Size), received.bytes().begin());
    m_document.takeReceived(received);
}

} // namespace tarn
