#pragma once

#include <cstddef>
#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

namespace tarn::cli {

// The shared stderr of a write to several radios at once: one progress line per port and
// the messages of each, labelled with its port. On a terminal the progress lines stay at the
// bottom and are redrawn in place; otherwise each port prints a line every tenth of the way.
// Every call may come from any thread.
class FleetConsole {
public:
    FleetConsole(std::ostream& err, bool terminal, std::vector<std::string> labels);

    void setPhase(std::size_t port, const std::string& phase);
    void setPercent(std::size_t port, int percent);
    void message(std::size_t port, const std::string& text);
    // Leaves the progress lines as they stand.
    void close();

private:
    struct Row {
        std::string label;
        std::string phase = "Waiting";
        int percent = 0;
        int shownTenth = -1;
    };

    [[nodiscard]] std::string line(const Row& row) const;
    void eraseBlock();
    void drawBlock();
    void printTenth(Row& row);

    std::mutex m_mutex;
    std::ostream& m_err;
    bool m_terminal;
    std::vector<Row> m_rows;
    std::size_t m_labelWidth = 0;
    bool m_drawn = false;
};

} // namespace tarn::cli
