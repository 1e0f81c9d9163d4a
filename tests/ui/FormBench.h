#pragma once
// A main window on a device file of the test's own, with the port probe answered and every
// message recorded, for the window tests.
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "ui/main/TLumbroForm.h"

#include <memory>
#include <string>

struct FormBench {
    TempDir dir;
    ScriptedMessages messages;
    MemorySettingsStore settings;
    std::unique_ptr<TLumbroForm> form;

    // Starts the window on `ini` (written to Pravik.ini), remembering `lastPic` when given.
    explicit FormBench(const std::string& ini, const std::string& lastPic = "") {
        if (!lastPic.empty()) {
            settings.Write("Config", "lastpic", lastPic);
        }
        form = std::make_unique<TLumbroForm>(messages, settings);
        form->SetPortProbe([](uint16_t) { return PortAccess{}; });
        form->Principal(QString::fromStdString(dir.Write("Pravik.ini", ini)));
    }
};
