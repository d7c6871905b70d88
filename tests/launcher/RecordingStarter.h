#pragma once

#include "qtsupport/ProcessStarter.h"

#include <QStringList>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tarn::test {

// Records each program the launcher starts, and what the product profile held then.
class RecordingStarter final : public ProcessStarter {
public:
    explicit RecordingStarter(std::filesystem::path productProfile = {})
        : m_productProfile(std::move(productProfile)) {}

    bool start(const QString& fileName) override {
        started.append(fileName);
        std::ifstream in(m_productProfile, std::ios::binary);
        profileAtStart.emplace_back(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
        return false;
    }

    QStringList started;
    std::vector<std::string> profileAtStart;

private:
    std::filesystem::path m_productProfile;
};

} // namespace tarn::test
