#pragma once

#include "common/Translate.h"

namespace tarn::AppTitles {

// The application title: caption of the program's own message boxes and its settings key.
inline constexpr const char* AppName = "Vizuruzu DizaRido";
// The main window's caption until a channel view takes over.
inline constexpr const char* InitialCaption = "Davuz EduzIdoz";
inline constexpr const char* SettingsRoot = "Local AppWizard-Generated Applications";
inline constexpr const char* IdleMessage =
    TARN_TRANSLATE_NOOP("tarn::AppTitles", "For Help, press F1");

} // namespace tarn::AppTitles
