#pragma once

#include "data/ChannelCsvColumns.h"
#include "data/StrictNumber.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// One data line of a channel list while it is imported: its cells by column, and the bad
// cells it turned up, each as "line N, column NAME: reason".
class ChannelCsvLine {
public:
    using ColumnIndex = std::array<int, ChannelCsvColumns::Count>; // -1: the file lacks it

    ChannelCsvLine(int number, const std::vector<std::string>& fields, const ColumnIndex& index,
                   std::vector<std::string>& problems)
        : m_number(number)
        , m_fields(fields)
        , m_index(index)
        , m_problems(problems) {}

    [[nodiscard]] int number() const { return m_number; }
    [[nodiscard]] bool has(ChannelCsvColumns::Column column) const { return m_index[column] >= 0; }
    // The cell's text; empty when the file has no such column.
    [[nodiscard]] std::string_view cell(ChannelCsvColumns::Column column) const {
        return has(column) ? std::string_view(m_fields[static_cast<std::size_t>(m_index[column])])
                           : std::string_view();
    }
    void refuse(ChannelCsvColumns::Column column, const std::string& reason) {
        m_problems.push_back("line " + std::to_string(m_number) + ", column " +
                             std::string(ChannelCsvColumns::Names[column]) + ": " + reason);
        m_refused = true;
    }
    // "\"text\" " + what, for a reason that names the cell's value.
    void refuseValue(ChannelCsvColumns::Column column, const std::string& what) {
        refuse(column, "\"" + std::string(cell(column)) + "\" " + what);
    }
    void refuseMissing(ChannelCsvColumns::Column column) {
        refuse(column, "the file has no such column");
    }
    [[nodiscard]] bool refused() const { return m_refused; }

    // The cell without blanks around it, in lower case, for names compared without case.
    [[nodiscard]] std::string folded(ChannelCsvColumns::Column column) const {
        return fold(cell(column));
    }
    [[nodiscard]] static std::string fold(std::string_view text) {
        std::string result(StrictNumber::trimmed(text));
        std::transform(result.begin(), result.end(), result.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return result;
    }

private:
    int m_number;
    const std::vector<std::string>& m_fields;
    const ColumnIndex& m_index;
    std::vector<std::string>& m_problems;
    bool m_refused = false;
};

} // namespace tarn
