#include "profile/ProductLanguage.h"

#include "profile/FileOps.h"
#include "profile/ProfileFile.h"

namespace tarn {

namespace {

constexpr char kFileName[] = "QX32_V.INI";
constexpr char kSection[] = "MAIN";
constexpr char kKey[] = "LANGUAGE";
constexpr char kChinese[] = "QX32_V_CH";
constexpr char kEnglish[] = "QX32_V_EN";
// Stands for a missing key: stored values never hold a line break.
constexpr char kMissing[] = "\n";

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return {};
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

} // namespace

std::string productProfilePath(const ProductProfilePlace& place) {
    if (!place.fromEnvironment.empty())
        return place.fromEnvironment;
    if (place.installed)
        return place.configHome.empty() ? std::string()
                                        : joined(joined(place.configHome, "halcyon"), kFileName);
    return joined(place.programDirectory, kFileName);
}

std::string messagesLocale(const char* (*getenv)(const char*)) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

std::optional<InterfaceLanguage> localeLanguage(const std::string& localeName) {
    if (localeName.rfind("zh", 0) == 0)
        return InterfaceLanguage::Chinese;
    if (localeName.rfind("en", 0) == 0)
        return InterfaceLanguage::English;
    return std::nullopt;
}

InterfaceLanguage chooseLanguage(const std::string& profilePath, const std::string& localeName,
                                 FileOps& ops) {
    if (!profilePath.empty() && ops.exists(profilePath)) {
        ProfileFile profile(4, ops);
        if (!profile.open(profilePath, false, true, false))
            return InterfaceLanguage::English;
        const std::string value = profile.getString(kSection, kKey, kMissing);
        if (value != kMissing)
            return value == kChinese ? InterfaceLanguage::Chinese : InterfaceLanguage::English;
    }
    return localeLanguage(localeName).value_or(InterfaceLanguage::English);
}

bool storeLanguage(const std::string& profilePath, InterfaceLanguage language, FileOps& ops) {
    if (profilePath.empty())
        return false;
    ProfileFile profile(4, ops);
    if (!profile.open(profilePath, false, true, false))
        return false;
    profile.setString(kSection, kKey, language == InterfaceLanguage::Chinese ? kChinese : kEnglish);
    // A read-only profile is left alone, so the choice is not stored either.
    const auto status = profile.save(false).status;
    return status == ProfileFile::SaveResult::Status::Written ||
           status == ProfileFile::SaveResult::Status::NotModified;
}

} // namespace tarn
