// The page's view of the core. Every bound call returns a value; none lets an exception out,
// because an exception crossing into JavaScript leaves the module in an unknown state.
#include "data/ChannelCodec.h"
#include "data/ModelSettings.h"
#include "data/OptionalFeatures.h"
#include "shell/CommandTable.h"
#include "web/WebDocument.h"

#include <emscripten/bind.h>

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
WebResult storeCell(WebDocument& d, int row, int column, const std::string& text, bool enter) {
    return guarded([&] { return d.storeCell(row, column, text, enter); });
}
WebResult paste(WebDocument& d, int channel, const std::string& text) {
    return guarded([&] { return d.paste(channel, text); });
}
WebResult clearChannels(WebDocument& d, const std::vector<int>& channels) {
    return guarded([&] { return d.clearChannels(channels); });
}
WebResult importChannels(WebDocument& d, const std::string& text, const std::string& name,
                         bool replace) {
    return guarded([&] { return d.importChannels(text, name, replace); });
}
WebResult demoTransfer(WebDocument& d, bool write, bool verify) {
    return guarded([&] { return d.demoTransfer(write, verify); });
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
emscripten::val demoRadioMemory(const WebDocument& d) {
    return copiedOut(d.demoRadioMemory());
}
emscripten::val lastTransferBytes(const WebDocument& d) {
    return copiedOut(d.lastTransferBytes());
}

emscripten::val textList(std::span<const std::string_view> texts) {
    emscripten::val list = emscripten::val::array();
    for (const std::string_view text : texts)
        list.call<void>("push", std::string(text));
    return list;
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
            val item = val::object();
            item.set("id", id);
            item.set("text", std::string(info->text));
            item.set("tooltip", std::string(CommandTable::tooltip(*info)));
            item.set("keys", std::string(info->keys));
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
    value_object<WebResult>("WebResult")
        .field("ok", &WebResult::ok)
        .field("messages", &WebResult::messages);
    value_object<ListResult>("ListResult")
        .field("result", &ListResult::result)
        .field("text", &ListResult::text)
        .field("first", &ListResult::first)
        .field("second", &ListResult::second);
    function("commandTable", &commandTable);
    function("columnHeaders", &columnHeaders);
    function("modelForm", &modelForm);
    function("featureForm", &featureForm);
    class_<WebDocument>("WebDocument")
        .constructor<>()
        .function("newDocument", &WebDocument::newDocument)
        .function("open", &openFile)
        .function("saveBytes", &saveBytes)
        .function("markSaved", &WebDocument::markSaved)
        .function("isModified", &WebDocument::isModified)
        .function("channelCount", &WebDocument::channelCount)
        .function("cellText", &WebDocument::cellText)
        .function("toneNames", &WebDocument::toneNames)
        .function("storeCell", &storeCell)
        .function("undo", &WebDocument::undo)
        .function("redo", &WebDocument::redo)
        .function("undoName", &WebDocument::undoName)
        .function("redoName", &WebDocument::redoName)
        .function("copyChannels", &WebDocument::copyChannels)
        .function("paste", &paste)
        .function("clearChannels", &clearChannels)
        .function("importChannels", &importChannels)
        .function("importReport", &WebDocument::importReport)
        .function("exportChannels", &exportChannels)
        .function("compareWith", &compareWith)
        .function("modelSelections", &WebDocument::modelSelections)
        .function("setModelSelections", &WebDocument::setModelSelections)
        .function("featureSelections", &WebDocument::featureSelections)
        .function("setFeatureSelections", &WebDocument::setFeatureSelections)
        .function("demoTransfer", &demoTransfer)
        .function("demoRadioMemory", &demoRadioMemory)
        .function("setDemoRadioMemory", &WebDocument::setDemoRadioMemory)
        .function("lastTransferBytes", &lastTransferBytes)
        .function("lastStatusTexts", &WebDocument::lastStatusTexts)
        .function("giveAnswer", &WebDocument::giveAnswer);
}
