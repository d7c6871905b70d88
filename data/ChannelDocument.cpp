#include "data/ChannelDocument.h"

#include "common/Translate.h"
#include "data/ChannelBulkEdit.h"
#include "data/ChannelCodec.h"
#include "data/ChannelCsvImport.h"
#include "data/ChannelFill.h"
#include "data/PendingEdit.h"
#include "data/RowDump.h"
#include "data/SinFile.h"
#include "data/TextGrid.h"

#include <algorithm>
#include <utility>

namespace tarn {

namespace {

// The ranges a read fills: the channel rows and the settings bytes up to the last read block.
void copyReadBlocks(const RadioImage& from, RadioImage& to) {
    for (int block = 0; block < RadioImage::ReadBlocks; ++block) {
        const std::size_t address = RadioImage::blockAddress(block);
        const auto source = from.bytes().subspan(address, RadioImage::BlockSize);
        std::copy(source.begin(), source.end(), to.bytes().begin() + address);
    }
}

std::string channelsText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " Channel" : " Channels");
}

} // namespace

Prompt ChannelDocument::rewriteQuestion() {
    return {TARN_TRANSLATE_NOOP("tarn::Prompt", "Do you rewrite data?"),
            TARN_TRANSLATE_NOOP("tarn::Prompt", "Prompt"), PromptButtons::OkCancel,
            PromptIcon::Warning};
}

ChannelDocument::ChannelDocument() {
    renderSheet();
}

void ChannelDocument::initNew() {
    m_channelCount = RadioImage::MaxChannels;
    m_image = RadioImage::newDocument();
    renderSheet();
    startHistory();
}

void ChannelDocument::takeImage(const RadioImage& image) {
    m_image = image;
    updateChannelCountFromModel();
    renderSheet();
    startHistory();
}

void ChannelDocument::takeReceived(const RadioImage& received) {
    const Change change(*this, "Read From Radio");
    copyReadBlocks(received, m_image);
    updateChannelCountFromModel();
    renderSheet();
    // What was read is new to the document: closing it asks to save.
    setModified(true);
}

void ChannelDocument::loadFile(const std::filesystem::path& path, SinSize rule) {
    takeImage(SinFile::load(path, rule));
}

void ChannelDocument::storeFile(const std::filesystem::path& path) const {
    SinFile::store(path, m_image);
}

void ChannelDocument::updateChannelCountFromModel() {
    m_channelCount = channelCountForModel(m_image.modelType(), m_channelCount);
}

void ChannelDocument::renderSheet() {
    const ChannelSheet::Batch batch(m_sheet);
    ChannelCodec::render(m_image, m_sheet, m_channelCount);
}

void ChannelDocument::parseSheet() {
    ChannelCodec::parse(m_sheet, m_image, std::min(m_channelCount, m_sheet.channelCount()));
}

void ChannelDocument::setUpRowsForChannelCount() {
    const int shown = m_sheet.channelCount();
    const ChannelSheet::Batch batch(m_sheet);
    ChannelCodec::numberRows(m_sheet, m_channelCount);
    if (m_channelCount <= shown)
        return;
    // Rendered aside, so only the added rows are copied.
    TextGrid rendered;
    ChannelCodec::render(m_image, rendered, m_channelCount);
    for (int row = shown + 1; row <= m_channelCount; ++row) {
        for (int column = ChannelCodec::RxFreqColumn; column < ChannelCodec::ColumnCount; ++column)
            m_sheet.setCellText(row, column, rendered.cellText(row, column));
    }
}

void ChannelDocument::storeCell(int row, int column, const std::string& text) {
    if (m_sheet.cellText(row, column) == text)
        return;
    m_sheet.setCellText(row, column, text);
    setModified(true);
}

ChannelDocument::Change::Change(ChannelDocument& document, std::string name)
    : m_document(document)
    , m_outermost(document.m_changeDepth == 0) {
    ++m_document.m_changeDepth;
    if (!m_outermost)
        return;
    m_document.m_changeName = std::move(name);
    m_document.m_changeStart = m_document.state();
}

ChannelDocument::Change::~Change() {
    if (--m_document.m_changeDepth > 0 || !m_document.m_changeStart)
        return;
    const DocumentState start = *std::exchange(m_document.m_changeStart, std::nullopt);
    if (m_document.m_history.record(std::move(m_document.m_changeName), start, m_document.state()))
        m_document.setModified(true);
}

void ChannelDocument::Change::rename(std::string name) {
    if (m_outermost)
        m_document.m_changeName = std::move(name);
}

bool ChannelDocument::undo() {
    if (!m_history.canUndo())
        return false;
    restore(m_history.undo());
    return true;
}

bool ChannelDocument::redo() {
    if (!m_history.canRedo())
        return false;
    restore(m_history.redo());
    return true;
}

DocumentState ChannelDocument::state() const {
    return DocumentState::capture(m_sheet, m_image, m_channelCount);
}

void ChannelDocument::restore(const DocumentState& state) {
    m_image = state.image;
    m_channelCount = state.channelCount;
    {
        const ChannelSheet::Batch batch(m_sheet);
        state.restoreCells(m_sheet);
    }
    setModified(!m_history.isAtSaved());
}

void ChannelDocument::importChannels(const ChannelCsvImport& list) {
    const Change change(*this, "Import Channels");
    const auto texts = [this] {
        std::vector<std::string> all;
        for (int row = 1; row < m_sheet.rowCount(); ++row) {
            for (int column = ChannelCodec::RxFreqColumn; column < ChannelCodec::ColumnCount;
                 ++column)
                all.push_back(m_sheet.cellText(row, column));
        }
        return all;
    };
    const auto before = texts();
    {
        const ChannelSheet::Batch batch(m_sheet);
        list.applyTo(m_sheet);
    }
    // As for a stored cell: a list that changes nothing leaves the document unchanged.
    if (texts() != before)
        setModified(true);
}

int ChannelDocument::shownChannels() const {
    return std::min(m_channelCount, m_sheet.channelCount());
}

bool ChannelDocument::reorder(const ChannelOrder::Order& order, std::string name) {
    const Change change(*this, std::move(name));
    const ChannelSheet::Batch batch(m_sheet);
    return ChannelOrder::apply(order, m_sheet, m_image);
}

bool ChannelDocument::sortChannels(ChannelOrder::Sort sort, std::span<const int> only) {
    return reorder(ChannelOrder::sorted(m_sheet, m_image, shownChannels(), sort, only),
                   "Sort Channels");
}

std::vector<int> ChannelDocument::moveChannels(std::span<const int> channels, int by) {
    const ChannelOrder::Order order = ChannelOrder::movedBy(shownChannels(), channels, by);
    (void)reorder(order, by < 0 ? "Move Up" : "Move Down");
    return ChannelOrder::placesOf(order, channels);
}

std::vector<int> ChannelDocument::moveChannelsTo(std::span<const int> channels, int before) {
    const ChannelOrder::Order order = ChannelOrder::movedTo(shownChannels(), channels, before);
    (void)reorder(order, "Move " + channelsText(ChannelOrder::placesOf(order, channels).size()));
    return ChannelOrder::placesOf(order, channels);
}

std::string ChannelDocument::editChannels(const ChannelBulkEdit& edit,
                                          std::span<const int> channels, BandPlan::Region region) {
    std::vector<int> shown;
    for (const int channel : channels) {
        if (channel >= 1 && channel <= shownChannels())
            shown.push_back(channel);
    }
    std::string problem = edit.check(m_sheet, shown, region);
    if (!problem.empty())
        return problem;
    const Change change(*this, "Edit " + channelsText(shown.size()));
    const ChannelSheet::Batch batch(m_sheet);
    edit.applyTo(m_sheet, shown, region);
    return {};
}

std::string ChannelDocument::fillChannels(const ChannelFill& fill, BandPlan::Region region) {
    std::string problem = fill.check(shownChannels(), region);
    if (!problem.empty())
        return problem;
    const Change change(*this, "Fill " + channelsText(static_cast<std::size_t>(fill.count)));
    const ChannelSheet::Batch batch(m_sheet);
    fill.applyTo(m_sheet, m_image, region);
    return {};
}

RadioImage ChannelDocument::currentImage() const {
    RadioImage image = m_image;
    ChannelCodec::parse(m_sheet, image, std::min(m_channelCount, m_sheet.channelCount()));
    return image;
}

bool ChannelDocument::writeRowDump() const {
    return RowDump::writeInto(m_image, m_dumpDirectory);
}

void ChannelDocument::addPendingEdit(PendingEdit& edit) {
    if (std::find(m_pendingEdits.begin(), m_pendingEdits.end(), &edit) == m_pendingEdits.end())
        m_pendingEdits.push_back(&edit);
}

void ChannelDocument::removePendingEdit(PendingEdit& edit) {
    std::erase(m_pendingEdits, &edit);
}

bool ChannelDocument::storePendingEdits() {
    for (PendingEdit* edit : std::vector<PendingEdit*>(m_pendingEdits)) {
        if (!edit->storePendingEdit())
            return false;
    }
    return true;
}

bool ChannelDocument::hasPendingChanges() const {
    return std::any_of(m_pendingEdits.begin(), m_pendingEdits.end(),
                       [](const PendingEdit* edit) { return edit->hasPendingChange(); });
}

} // namespace tarn
