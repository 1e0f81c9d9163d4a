#pragma once
#include <string>

// The user's configuration directory: $XDG_CONFIG_HOME when it is an absolute path (the
// XDG rules tell programs to ignore a relative one), else $HOME/.config; empty when
// neither is set.
std::string UserConfigHome();

// The remembered settings of the window (last directory, recent files, last device),
// kept in the same folder as the user's device file: <config>/pravik/Pravik.conf.
std::string SettingsFile();
// Where earlier versions kept them, <config>/Pravik/Pravik.conf; read once when the
// settings file does not exist yet, so that nobody loses their last device.
std::string LegacySettingsFile();
