#pragma once
#include "common/SettingsStore.h"

#include <array>
#include <string>

// The four most recently opened HEX files, most recent first, kept in the settings store
// as "lastfile1".."lastfile4" of section "Config".
namespace RecentFiles {
inline constexpr int kSlots = 4;

std::array<std::string, kSlots> Read(const SettingsStore& settings);

// Puts path into slot 1 and moves the earlier entries down, as far as the slot where the
// same path stood or the first empty one; a new path into a full list drops slot 4.
// Returns the list as stored.
std::array<std::string, kSlots> Add(SettingsStore& settings, const std::string& path);
} // namespace RecentFiles
