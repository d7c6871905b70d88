#include "tools/cli/FleetConsole.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace tarn::cli {

namespace {

constexpr int BarWidth = 30;
constexpr const char* ClearLine = "\x1b[2K";

} // namespace

FleetConsole::FleetConsole(std::ostream& err, bool terminal, std::vector<std::string> labels)
    : m_err(err)
    , m_terminal(terminal) {
    for (std::string& label : labels) {
        m_labelWidth = std::max(m_labelWidth, label.size());
        m_rows.push_back({std::move(label)});
    }
}

void FleetConsole::setPhase(std::size_t port, const std::string& phase) {
    const std::lock_guard lock(m_mutex);
    Row& row = m_rows.at(port);
    if (row.phase == phase)
        return;
    row.phase = phase;
    row.percent = 0;
    row.shownTenth = -1;
    if (m_terminal)
        drawBlock();
}

void FleetConsole::setPercent(std::size_t port, int percent) {
    const std::lock_guard lock(m_mutex);
    Row& row = m_rows.at(port);
    if (row.percent == percent && m_drawn)
        return;
    row.percent = percent;
    if (m_terminal)
        drawBlock();
    else
        printTenth(row);
}

void FleetConsole::message(std::size_t port, const std::string& text) {
    const std::lock_guard lock(m_mutex);
    eraseBlock();
    std::istringstream lines(text);
    for (std::string one; std::getline(lines, one);)
        m_err << m_rows.at(port).label << ": " << one << "\n";
    if (m_terminal)
        drawBlock();
    m_err << std::flush;
}

void FleetConsole::close() {
    const std::lock_guard lock(m_mutex);
    if (m_terminal && !m_drawn)
        drawBlock();
    m_drawn = false;
}

std::string FleetConsole::line(const Row& row) const {
    const int filled = row.percent * BarWidth / 100;
    return row.label + std::string(m_labelWidth - row.label.size(), ' ') + "  " + row.phase +
           std::string(row.phase.size() < 9 ? 9 - row.phase.size() : 1, ' ') + "[" +
           std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(BarWidth - filled), ' ') + "] " +
           std::to_string(row.percent) + "%";
}

void FleetConsole::eraseBlock() {
    if (!m_terminal || !m_drawn)
        return;
    // Up to the first progress line; what is printed next overwrites the block.
    m_err << "\x1b[" << m_rows.size() << "F";
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_err << ClearLine << "\n";
    m_err << "\x1b[" << m_rows.size() << "F";
    m_drawn = false;
}

void FleetConsole::drawBlock() {
    if (m_drawn)
        m_err << "\x1b[" << m_rows.size() << "F";
    for (const Row& row : m_rows)
        m_err << ClearLine << line(row) << "\n";
    m_err << std::flush;
    m_drawn = true;
}

void FleetConsole::printTenth(Row& row) {
    if (row.percent / 10 == row.shownTenth)
        return;
    row.shownTenth = row.percent / 10;
    m_err << row.label << ": " << row.phase << " " << row.percent << "%\n";
}

} // namespace tarn::cli
