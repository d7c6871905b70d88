#pragma once

#include "qtsupport/ProcessStarter.h"

#include <QStringList>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tarn::test {

// Records each program the launcher starts, its added environment and what the product
// profile held then. Like a real start, an empty name fails; so does every start once
// fails is set.
class RecordingStarter final : public ProcessStarter {
public:
    explicit RecordingStarter(std::filesystem::path productProfile = {})
        : m_productProfile(std::move(productProfile)) {}

    bool start(const QString& fileName, const QStringList& environment) override {
        started.append(fileName);
        environments.append(environment);
        std::ifstream in(m_productProfile, std::ios::binary);
        profileAtStart.emplace_back(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
        return !fails && !fileName.isEmpty();
    }

    bool fails = false;
    QStringList started;
    QList<QStringList> environments;
    std::vector<std::string> profileAtStart;

private:
    std::filesystem::path m_productProfile;
};

} // namespace tarn::test
