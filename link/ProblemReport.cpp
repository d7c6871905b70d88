#include "link/ProblemReport.h"

namespace tarn {

namespace {

std::string orNone(const std::string& text) {
    return text.empty() ? "(none)" : text;
}

std::string deviceText(const std::optional<SystemPort>& device) {
    if (!device)
        return "not present";
    std::string text = device->describe();
    if (!device->manufacturer.empty())
        text += ", made by " + device->manufacturer;
    if (!device->serialNumber.empty())
        text += ", serial number " + device->serialNumber;
    return text;
}

// Indented, so a message of several lines stays one entry.
std::string indented(const std::string& text) {
    std::string result = "  ";
    for (const char c : text) {
        result += c;
        if (c == '\n')
            result += "  ";
    }
    return result;
}

} // namespace

std::string ProblemReport::text(const ProblemFacts& facts, bool withFrequencies) {
    std::string text = "Program: " + facts.program + "\n" + "Toolkit: " + facts.toolkit + "\n" +
                       "System: " + facts.system + "\n" + "Port: " + orNone(facts.port) + "\n" +
                       "Device: " + deviceText(facts.device) + "\n" +
                       "Last serial trace: " + orNone(facts.lastTrace) + "\n" +
                       "Last message shown:\n" + indented(orNone(facts.lastMessage)) + "\n";
    if (withFrequencies)
        text += "Channels:\n" + orNone(facts.frequencies) +
                (facts.frequencies.ends_with('\n') ? "" : "\n");
    else
        text += "Channels: left out\n";
    return text;
}

} // namespace tarn
