#include "web/WebDocument.h"

#include "common/AppTitles.h"
#include "data/ChannelClip.h"
#include "data/ChannelCodec.h"
#include "data/ChannelCsvExport.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelEdits.h"
#include "data/ChannelTable.h"
#include "data/ImageDiff.h"
#include "data/ModelSettings.h"
#include "data/OptionalFeatures.h"
#include "data/SinFile.h"

#include <algorithm>

namespace tarn {

namespace {

std::span<const std::uint8_t> byteView(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string byteString(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

std::string channelsName(std::size_t count) {
    return count == 1 ? "Channel" : std::to_string(count) + " Channels";
}

} // namespace

WebDocument::WebDocument()
    : m_rules(m_document, m_tones, m_prompter, AppTitles::AppName) {
    newDocument();
}

WebResult WebDocument::result(bool ok) {
    WebResult result{ok, {}};
    for (const Prompt& prompt : m_prompter.takeMessages())
        result.messages.push_back(prompt.text);
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

WebResult WebDocument::open(const std::string& bytes, const std::string& fileName,
                            bool firstOfLarger) {
    try {
        m_document.takeImage(SinFile::fromBytes(
            byteView(bytes), fileName, firstOfLarger ? SinSize::FirstOfLarger : SinSize::Exact));
    } catch (const SinFileError& error) {
        (void)m_prompter.ask({std::string("Could not open ") + error.what() + ".",
                              AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    m_document.setModified(false);
    return result(true);
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

WebResult WebDocument::clearChannels(const std::vector<int>& channels) {
    const ChannelDocument::Change change(m_document, "Clear " + channelsName(channels.size()));
    const ChannelSheet::Batch batch(m_document.sheet());
    ChannelEdits(m_document.sheet(), m_document.image(), m_document.channelCount()).clear(channels);
    return result(true);
}

WebResult WebDocument::importChannels(const std::string& text, const std::string& fileName,
                                      bool replace) {
    ChannelCsvOptions options;
    options.replace = replace;
    const auto list = ChannelCsvImport::read(text, m_document.channelCount(), options);
    if (!list.accepted()) {
        (void)m_prompter.ask({ChannelCsvImport::refusal(fileName, list.problems()),
                              AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning});
        return result(false);
    }
    m_document.importChannels(list);
    return result(true);
}

std::vector<std::string> WebDocument::importReport(const std::string& text) const {
    const auto list = ChannelCsvImport::read(text, m_document.channelCount());
    return list.accepted() ? list.report().lines() : std::vector<std::string>();
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
