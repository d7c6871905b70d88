// The page's view of the core. Every bound call returns a value; none lets an exception out,
// because an exception crossing into JavaScript leaves the module in an unknown state.
#include "common/AppTitles.h"
#include "data/BandPlan.h"
#include "data/ChannelCodec.h"
#include "data/ChannelOrder.h"
#include "data/ModelSettings.h"
#include "data/OptionalFeatures.h"
#include "data/StockChannelLists.h"
#include "link/TransferSession.h"
#include "qtsupport/CommandIds.h"
#include "radio/FaultPlan.h"
#include "radio/VirtualRadio.h"
#include "shell/CommandTable.h"
#include "web/DemoSession.h"
#include "web/WebDocument.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <span>
#include <string_view>

namespace tarn {

namespace {

// Whatever a call throws becomes a failed result with its message.
template <typename Call> WebResult guarded(Call&& call) {
    try {
        return call();
    } catch (const std::exception& error) {
        return WebResult{false, {error.what()}};
    } catch (...) {
        return WebResult{false, {"An unexpected error stopped the command."}};
    }
}

WebResult openFile(WebDocument& d, const std::string& bytes, const std::string& name) {
    return guarded([&] { return d.open(bytes, name); });
}
WebResult openFirstBytes(WebDocument& d, const std::string& bytes, const std::string& name) {
    return guarded([&] { return d.open(bytes, name, true); });
}
WebResult openCopy(WebDocument& d, const std::string& bytes, const std::string& name) {
    return guarded([&] { return d.openCopy(bytes, name); });
}
WebResult storeCell(WebDocument& d, int row, int column, const std::string& text, bool enter) {
    return guarded([&] { return d.storeCell(row, column, text, enter); });
}

// Editing steps: a failure comes back as a refusal with its message.
template <typename Call> WebEdit guardedEdit(Call&& call) {
    try {
        return call();
    } catch (const std::exception& error) {
        WebEdit out;
        out.ok = false;
        out.messages = {error.what()};
        return out;
    }
}
WebEdit openFrequency(WebDocument& d, int row, int column, int key) {
    return guardedEdit([&] { return d.openFrequency(row, column, key); });
}
WebEdit enterCell(WebDocument& d, int row, int column, const std::string& text) {
    return guardedEdit([&] { return d.enterCell(row, column, text); });
}
WebEdit leaveCell(WebDocument& d, int row, int column, int far, const std::string& text) {
    return guardedEdit([&] { return d.leaveCell(row, column, far, text); });
}
bool typeOverLock(WebDocument& d, int row, int key) {
    try {
        return d.typeOverLock(row, key);
    } catch (const std::exception&) {
        return false;
    }
}
WebResult paste(WebDocument& d, int channel, const std::string& text) {
    return guarded([&] { return d.paste(channel, text); });
}
WebResult clearChannels(WebDocument& d, const std::vector<int>& channels) {
    return guarded([&] { return d.clearChannels(channels); });
}
WebResult importChannels(WebDocument& d, const std::string& text, const std::string& name,
                         bool replace, bool whole) {
    return guarded([&] { return d.importChannels(text, name, replace, whole); });
}
WebResult cutChannels(WebDocument& d, const std::vector<int>& channels) {
    return guarded([&] { return d.cutChannels(channels); });
}
WebResult insertChannel(WebDocument& d, int at) {
    return guarded([&] { return d.insertChannel(at); });
}
WebResult deleteChannels(WebDocument& d, const std::vector<int>& channels) {
    return guarded([&] { return d.deleteChannels(channels); });
}
std::vector<int> moveChannels(WebDocument& d, const std::vector<int>& channels, int by) {
    try {
        return d.moveChannels(channels, by);
    } catch (const std::exception&) {
        return channels;
    }
}
std::vector<int> findChannels(WebDocument& d, const std::string& text) {
    try {
        return d.findChannels(text);
    } catch (const std::exception&) {
        // Nothing found is still a bar the user can close.
        return {};
    }
}
bool sortChannels(WebDocument& d, int key, bool descending, const std::vector<int>& only) {
    try {
        return d.sortChannels(key, descending, only);
    } catch (const std::exception&) {
        return false;
    }
}
WebResult editChannels(WebDocument& d, const WebBulkEdit& edit, const std::vector<int>& channels,
                       int region) {
    return guarded([&] { return d.editChannels(edit, channels, region); });
}
WebResult fillChannels(WebDocument& d, const WebFill& fill, int region) {
    return guarded([&] { return d.fillChannels(fill, region); });
}

// Results with lists: the list travels in the result's messages after the first count.
struct ListResult {
    WebResult result;
    std::string text;
    std::vector<std::string> first;
    std::vector<std::string> second;
};

ListResult exportChannels(const WebDocument& d) {
    ListResult out;
    try {
        out.text = d.exportChannels(out.first);
    } catch (const std::exception& error) {
        out.result = {false, {error.what()}};
    }
    return out;
}

ListResult compareWith(WebDocument& d, const std::string& bytes, const std::string& name) {
    ListResult out;
    out.result = guarded([&] { return d.compareWith(bytes, name, out.first, out.second); });
    return out;
}

// Bytes leave as a Uint8Array of their own: a view into the module's memory would die
// when that memory grows.
emscripten::val copiedOut(const std::string& bytes) {
    const auto view = emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    return emscripten::val(view).call<emscripten::val>("slice");
}

emscripten::val saveBytes(WebDocument& d) {
    try {
        return copiedOut(d.saveBytes());
    } catch (const std::exception&) {
        return emscripten::val::null();
    }
}
emscripten::val transferImage(WebDocument& d) {
    return copiedOut(d.transferImage());
}

// ---- Transfers: the session's actions as plain objects, its inputs as plain values.

RadioImage imageOf(const std::string& bytes) {
    RadioImage image;
    std::copy_n(bytes.begin(), std::min(bytes.size(), RadioImage::Size),
                reinterpret_cast<char*>(image.bytes().data()));
    return image;
}

const char* kindName(SessionAction::Kind kind) {
    using Kind = SessionAction::Kind;
    switch (kind) {
    case Kind::OpenPort:
        return "open";
    case Kind::ClosePort:
        return "close";
    case Kind::Purge:
        return "purge";
    case Kind::Write:
        return "write";
    case Kind::Status:
        return "status";
    case Kind::Progress:
        return "progress";
    case Kind::Ask:
        return "ask";
    case Kind::CloseWindow:
        return "closeWindow";
    case Kind::Finished:
        return "finished";
    }
    return "";
}

emscripten::val actionList(const std::vector<SessionAction>& actions) {
    using emscripten::val;
    val out = val::array();
    for (const SessionAction& action : actions) {
        val entry = val::object();
        entry.set("kind", std::string(kindName(action.kind)));
        switch (action.kind) {
        case SessionAction::Kind::Write:
            entry.set("bytes", copiedOut({action.bytes.begin(), action.bytes.end()}));
            break;
        case SessionAction::Kind::Status:
            entry.set("text", action.text);
            break;
        case SessionAction::Kind::Progress:
            entry.set("maximum", action.maximum);
            entry.set("position", action.position);
            break;
        case SessionAction::Kind::Ask:
            entry.set("text", action.prompt.text);
            entry.set("caption", action.prompt.caption);
            entry.set("buttons", static_cast<int>(action.prompt.buttons));
            entry.set("icon", static_cast<int>(action.prompt.icon));
            break;
        default:
            break;
        }
        out.call<void>("push", entry);
    }
    return out;
}

// What a transfer left, once it has ended: the image goes to the backups when the radio's
// memory was read whole or written to.
emscripten::val sessionResult(const TransferSession& session) {
    emscripten::val out = emscripten::val::object();
    const char* outcomes[] = {"completed", "failed", "cancelled", "portUnavailable", "busy"};
    out.set("outcome", std::string(outcomes[static_cast<int>(session.outcome())]));
    out.set("write", session.direction() == TransferDirection::Write);
    out.set("readCompleted", session.readCompleted());
    out.set("wroteToRadio", session.wroteToRadio());
    out.set("blocksAcknowledged", session.blocksAcknowledged());
    out.set("pausedMs", session.pausedMs());
    const auto bytes = session.image().bytes();
    out.set("image", copiedOut({bytes.begin(), bytes.end()}));
    return out;
}

void startSession(TransferSession& s, bool write, const std::string& image, bool verify,
                  double now) {
    s.start(write ? TransferDirection::Write : TransferDirection::Read, imageOf(image),
            SessionOptions{write && verify}, now);
}
void bytesReceived(TransferSession& s, const std::string& bytes, double now) {
    s.bytesReceived({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, now);
}
void answerSession(TransferSession& s, int answer, double now) {
    s.answer(static_cast<PromptAnswer>(answer), now);
}
emscripten::val takeActions(TransferSession& s) {
    return actionList(s.takeActions());
}
// Milliseconds, or -1 when the session waits for nothing but bytes, a write or an answer.
double nextDeadline(const TransferSession& s) {
    return s.nextDeadline().value_or(-1.0);
}
emscripten::val ownResult(const TransferSession& s) {
    return sessionResult(s);
}

void startDemo(DemoSession& d, bool write, const std::string& image, bool verify) {
    d.start(write ? TransferDirection::Write : TransferDirection::Read, imageOf(image),
            SessionOptions{write && verify});
}
emscripten::val runDemo(DemoSession& d, int budget) {
    return actionList(d.run(budget));
}
void answerDemo(DemoSession& d, int answer) {
    d.answer(static_cast<PromptAnswer>(answer));
}
bool demoEnded(const DemoSession& d) {
    return d.session().hasEnded();
}
emscripten::val demoResult(const DemoSession& d) {
    return sessionResult(d.session());
}
emscripten::val demoMemory(const DemoSession& d) {
    return copiedOut(d.memory());
}

// ---- The virtual radio on its own, for tests that stand it behind a port of their own.
// Times are milliseconds, as the session's.

constexpr double NsPerMs = 1e6;

VirtualRadio* radioWithFaults(const std::string& faults) {
    FaultPlan plan;
    try {
        std::size_t from = 0;
        while (from < faults.size()) {
            const std::size_t comma = std::min(faults.find(',', from), faults.size());
            plan.add(faults.substr(from, comma - from));
            from = comma + 1;
        }
    } catch (const std::exception&) {
        return nullptr;
    }
    return new VirtualRadio(plan);
}
void radioReceive(VirtualRadio& r, const std::string& bytes, double nowMs) {
    r.receive({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
              static_cast<std::int64_t>(nowMs * NsPerMs));
}
emscripten::val radioTakeOutput(VirtualRadio& r, double nowMs) {
    const std::vector<std::uint8_t> bytes =
        r.takeOutput(static_cast<std::int64_t>(nowMs * NsPerMs));
    return copiedOut({bytes.begin(), bytes.end()});
}
// When the next byte is ready, or -1 when the radio has nothing to say.
double radioNextOutput(const VirtualRadio& r) {
    return r.hasOutput() ? static_cast<double>(r.nextOutputNs()) / NsPerMs : -1.0;
}
emscripten::val radioMemory(VirtualRadio& r) {
    const auto bytes = r.memory();
    return copiedOut({bytes.begin(), bytes.end()});
}
void radioSetMemory(VirtualRadio& r, const std::string& bytes) {
    std::copy_n(bytes.begin(), std::min(bytes.size(), VirtualRadio::MemorySize),
                reinterpret_cast<char*>(r.memory().data()));
}

emscripten::val textList(std::span<const std::string_view> texts) {
    emscripten::val list = emscripten::val::array();
    for (const std::string_view text : texts)
        list.call<void>("push", std::string(text));
    return list;
}

emscripten::val commandItem(const CommandInfo& info) {
    emscripten::val item = emscripten::val::object();
    item.set("id", info.id);
    item.set("text", std::string(info.text));
    item.set("tooltip", std::string(CommandTable::tooltip(info)));
    item.set("keys", std::string(info.keys));
    return item;
}

// The desktop's menus and toolbar, so the page's commands carry the same names.
emscripten::val commandTable() {
    using emscripten::val;
    val menus = val::array();
    for (const MenuInfo& menu : CommandTable::menus()) {
        val items = val::array();
        for (const int id : menu.items) {
            const CommandInfo* info = CommandTable::find(id);
            if (!info) {
                items.call<void>("push", val::null());
                continue;
            }
            val item = commandItem(*info);
            // A submenu's items, with their place in it (separators are null).
            const std::span<const int> inner = CommandTable::submenu(id);
            if (!inner.empty()) {
                val entries = val::array();
                for (const int innerId : inner) {
                    const CommandInfo* entry = CommandTable::find(innerId);
                    entries.call<void>("push", entry ? commandItem(*entry) : val::null());
                }
                item.set("submenu", entries);
            }
            items.call<void>("push", item);
        }
        val entry = val::object();
        entry.set("title", std::string(menu.title));
        entry.set("items", items);
        menus.call<void>("push", entry);
    }
    val toolbar = val::array();
    for (const int id : CommandTable::toolbar())
        toolbar.call<void>("push", id);
    val table = val::object();
    table.set("menus", menus);
    table.set("toolbar", toolbar);
    return table;
}

emscripten::val columnHeaders() {
    emscripten::val list = emscripten::val::array();
    for (const char* header : ChannelCodec::Headers)
        list.call<void>("push", std::string(header));
    return list;
}

// What the channel tools' dialogs offer: the sort keys and the band plan's regions in the
// core's order, the ready-made lists' titles, and the ids of the submenus' first items.
emscripten::val channelTools() {
    using emscripten::val;
    val keys = val::array();
    for (int key = 0; key <= static_cast<int>(ChannelOrder::Key::Power); ++key)
        keys.call<void>("push",
                        std::string(ChannelOrder::keyTitle(static_cast<ChannelOrder::Key>(key))));
    val regions = val::array();
    val regionKeys = val::array();
    for (const BandPlan::Region region : BandPlan::Regions) {
        regions.call<void>("push", BandPlan::regionName(region));
        regionKeys.call<void>("push", BandPlan::key(region));
    }
    val lists = val::array();
    for (const StockChannelList& list : StockChannelLists)
        lists.call<void>("push", std::string(list.title));
    val tools = val::object();
    tools.set("sortKeys", keys);
    tools.set("regions", regions);
    tools.set("regionKeys", regionKeys);
    tools.set("defaultRegion", static_cast<int>(BandPlan::DefaultRegion));
    tools.set("stockLists", lists);
    tools.set("firstStockList", cmd::ChannelList1);
    tools.set("firstRegion", cmd::BandPlanRegion1);
    return tools;
}

std::string messageCaption() {
    return AppTitles::AppName;
}

emscripten::val modelForm() {
    emscripten::val form = emscripten::val::object();
    form.set("modelLabel", std::string(ModelSettings::ModelLabel));
    form.set("bandLabel", std::string(ModelSettings::BandLabel));
    form.set("models", textList(ModelSettings::ModelEntries));
    form.set("bands", textList(ModelSettings::BandEntries));
    return form;
}

emscripten::val featureForm() {
    emscripten::val fields = emscripten::val::array();
    for (const FeatureField& field : OptionalFeatures::fields()) {
        emscripten::val entry = emscripten::val::object();
        entry.set("label", std::string(field.label));
        entry.set("entries", textList(field.entries));
        entry.set("hidden", field.hidden);
        fields.call<void>("push", entry);
    }
    return fields;
}

} // namespace

} // namespace tarn

EMSCRIPTEN_BINDINGS(tarn_core) {
    using namespace emscripten;
    using namespace tarn;
    register_vector<std::string>("StringList");
    register_vector<int>("IntList");
    value_object<WebQuestion>("WebQuestion")
        .field("asked", &WebQuestion::asked)
        .field("text", &WebQuestion::text)
        .field("caption", &WebQuestion::caption)
        .field("buttons", &WebQuestion::buttons)
        .field("icon", &WebQuestion::icon);
    value_object<WebResult>("WebResult")
        .field("ok", &WebResult::ok)
        .field("messages", &WebResult::messages)
        .field("question", &WebResult::question);
    value_object<WebEdit>("WebEdit")
        .field("ok", &WebEdit::ok)
        .field("messages", &WebEdit::messages)
        .field("nextRow", &WebEdit::nextRow)
        .field("nextColumn", &WebEdit::nextColumn)
        .field("leavesGrid", &WebEdit::leavesGrid)
        .field("text", &WebEdit::text)
        .field("selectAll", &WebEdit::selectAll);
    value_object<WebBulkEdit>("WebBulkEdit")
        .field("offset", &WebBulkEdit::offset)
        .field("offsetUnit", &WebBulkEdit::offsetUnit)
        .field("decTone", &WebBulkEdit::decTone)
        .field("encTone", &WebBulkEdit::encTone)
        .field("power", &WebBulkEdit::power)
        .field("lock", &WebBulkEdit::lock);
    value_object<WebFill>("WebFill")
        .field("first", &WebFill::first)
        .field("count", &WebFill::count)
        .field("start", &WebFill::start)
        .field("step", &WebFill::step)
        .field("offset", &WebFill::offset)
        .field("offsetUnit", &WebFill::offsetUnit)
        .field("decTone", &WebFill::decTone)
        .field("encTone", &WebFill::encTone)
        .field("power", &WebFill::power)
        .field("lock", &WebFill::lock);
    value_object<ListResult>("ListResult")
        .field("result", &ListResult::result)
        .field("text", &ListResult::text)
        .field("first", &ListResult::first)
        .field("second", &ListResult::second);
    function("commandTable", &commandTable);
    function("columnHeaders", &columnHeaders);
    function("modelForm", &modelForm);
    function("channelTools", &channelTools);
    function("messageCaption", &messageCaption);
    function("featureForm", &featureForm);
    class_<WebDocument>("WebDocument")
        .constructor<>()
        .function("newDocument", &WebDocument::newDocument)
        .function("open", &openFile)
        .function("openFirstBytes", &openFirstBytes)
        .function("openCopy", &openCopy)
        .class_function("sizeQuestion", &WebDocument::sizeQuestion)
        .function("saveBytes", &saveBytes)
        .function("markSaved", &WebDocument::markSaved)
        .function("isModified", &WebDocument::isModified)
        .function("channelCount", &WebDocument::channelCount)
        .function("cellText", &WebDocument::cellText)
        .function("toneNames", &WebDocument::toneNames)
        .function("storeCell", &storeCell)
        .class_function("editorFor", &WebDocument::editorFor)
        .class_function("listIndexFor", &WebDocument::listIndexFor)
        .class_function("itemStartingWith", &WebDocument::itemStartingWith)
        .function("keyOpensEditor", &WebDocument::keyOpensEditor)
        .function("typeOverLock", &typeOverLock)
        .function("openFrequency", &openFrequency)
        .function("enterCell", &enterCell)
        .function("leaveCell", &leaveCell)
        .function("differs", &WebDocument::differs)
        .function("tabFrom", &WebDocument::tabFrom)
        .function("enterOnGrid", &WebDocument::enterOnGrid)
        .function("undo", &WebDocument::undo)
        .function("redo", &WebDocument::redo)
        .function("undoName", &WebDocument::undoName)
        .function("redoName", &WebDocument::redoName)
        .function("copyChannels", &WebDocument::copyChannels)
        .function("paste", &paste)
        .function("clearChannels", &clearChannels)
        .function("importChannels", &importChannels)
        .function("importReport", &WebDocument::importReport)
        .class_function("stockListText", &WebDocument::stockListText)
        .class_function("stockListFile", &WebDocument::stockListFile)
        .function("cutChannels", &cutChannels)
        .function("insertChannel", &insertChannel)
        .function("deleteChannels", &deleteChannels)
        .function("moveChannels", &moveChannels)
        .function("sortChannels", &sortChannels)
        .function("findChannels", &findChannels)
        .function("isFound", &WebDocument::isFound)
        .class_function("findCountText", &WebDocument::findCountText)
        .function("editChannels", &editChannels)
        .function("fillChannels", &fillChannels)
        .class_function("offsetNote", &WebDocument::offsetNote)
        .class_function("fillNote", &WebDocument::fillNote)
        .function("exportChannels", &exportChannels)
        .function("compareWith", &compareWith)
        .function("modelSelections", &WebDocument::modelSelections)
        .function("setModelSelections", &WebDocument::setModelSelections)
        .function("featureSelections", &WebDocument::featureSelections)
        .function("setFeatureSelections", &WebDocument::setFeatureSelections)
        .function("transferImage", &transferImage)
        .function("takeRead", &WebDocument::takeRead)
        .function("giveAnswer", &WebDocument::giveAnswer);
    // A transfer over a real port: the worker feeds it bytes, times and answers.
    class_<TransferSession>("TransferSession")
        .constructor<>()
        .function("start", &startSession)
        .function("portOpened", &TransferSession::portOpened)
        .function("bytesReceived", &bytesReceived)
        .function("written", &TransferSession::written)
        .function("timeElapsed", &TransferSession::timeElapsed)
        .function("answer", &answerSession)
        .function("cancel", &TransferSession::cancel)
        .function("lineLost", &TransferSession::lineLost)
        .function("takeActions", &takeActions)
        .function("nextDeadline", &nextDeadline)
        .function("hasEnded", &TransferSession::hasEnded)
        .function("result", &ownResult);
    class_<DemoSession>("DemoSession")
        .constructor<>()
        .function("memory", &demoMemory)
        .function("setMemory", &DemoSession::setMemory)
        .function("start", &startDemo)
        .function("run", &runDemo)
        .function("answer", &answerDemo)
        .function("cancel", &DemoSession::cancel)
        .function("hasEnded", &demoEnded)
        .function("result", &demoResult);
    class_<VirtualRadio>("VirtualRadio")
        .constructor<>()
        // A radio that misbehaves as the virtual radio's --fault options say, comma-separated;
        // null for a list it does not know. The caller deletes it.
        .class_function("withFaults", &radioWithFaults, allow_raw_pointers())
        .function("setPacing", &VirtualRadio::setPacing)
        .function("receive", &radioReceive)
        .function("takeOutput", &radioTakeOutput)
        .function("nextOutput", &radioNextOutput)
        .function("hungUp", &VirtualRadio::hungUp)
        .function("memory", &radioMemory)
        .function("setMemory", &radioSetMemory);
}
