// Device selection and grid reset of a 131072-cell device, the grid's first paint, the
// main window's start-up, and how long the window goes without processing events during
// a write with real timing.
#include "BenchSupport.h"

#include "ui/grid/QtCellTableModel.h"
#include "ui/grid/QtHexGridView.h"
#include "ui/main/TLumbroForm.h"
#include "workbench/DeviceSelection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

const char* kBigIni = "[Config]\nadapter=simulator\n"
                      "[PIC18F8722]\nProgMem=131072\nEEProm=1024\nProgBits=16\nRAM=3936\n"
                      "PalConfDef=$0700 $1F1F $8300 $0085 $C00F $E00F $400F\n"
                      "Programming=18f2xx0\n";

void BM_SelectDevice_131072Cells(benchmark::State& state) {
    const std::string ini = WriteTempFile("pravik-bench.ini", kBigIni);
    DeviceRecord record;
    MemoryImage image;
    ConfigWord16 c16;
    ConfigWords18 c18;
    MemorySettingsStore settings;
    for (auto _ : state) {
        SelectDevice("PIC18F8722", ini, SelectionTargets{record, image, c16, c18, settings});
        benchmark::DoNotOptimize(image.HexEditG.Size());
    }
}
BENCHMARK(BM_SelectDevice_131072Cells)->Unit(benchmark::kMillisecond);

void BM_GridFirstPaint_131072Cells(benchmark::State& state) {
    MemoryImage image;
    image.InitHexEditG(BenchDevice18(131072));
    QtCellTableModel model(image.HexEditG, [](int, int, const std::string&) { return false; });
    for (auto _ : state) {
        QtHexGridView view(&model, 40, 40);
        view.resize(737, 273);
        model.Reload();
        QPixmap pixmap(view.size());
        view.render(&pixmap);
        benchmark::DoNotOptimize(pixmap.cacheKey());
    }
}
BENCHMARK(BM_GridFirstPaint_131072Cells)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstShownWindow(benchmark::State& state) {
    const QString ini = QString(PRAVIK_SOURCE_DIR) + "/data/Pravik.ini";
    for (auto _ : state) {
        SilentMessages messages;
        MemorySettingsStore settings;
        TLumbroForm form(messages, settings);
        form.SetPortProbe([](uint16_t) { return PortAccess{}; });
        form.Principal(ini);
        form.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
    }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond);

// A "Flash" write of 512 words of a PIC16F876A (10 ms each) on the simulated adapter with
// real timing: the longest time between two moments the window could process events.
void BM_LongestUnresponsiveGap_FlashWrite(benchmark::State& state) {
    const std::string ini = WriteTempFile(
        "pravik-bench-flash.ini", "[Config]\nadapter=simulator\n[PIC16F876A]\nProgMem=8192\n"
                                  "EEProm=256\nRAM=368\nPalConfDef=0x3F72\nProgramming=Flash\n");
    double longestMs = 0;
    for (auto _ : state) {
        SilentMessages messages;
        MemorySettingsStore settings;
        settings.Write("Config", "lastpic", "PIC16F876A");
        TLumbroForm form(messages, settings);
        form.Principal(QString::fromStdString(ini));
        form.show();
        for (int a = 0; a < 512; ++a) {
            form.Image().HexEditG.SetAt(a, "1234");
        }
        form.Image().ProgUsed = 512;
        QElapsedTimer clock;
        qint64 last = -1;
        qint64 longest = 0;
        QTimer tick;
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0) {
                longest = std::max(longest, now - last);
            }
            last = now;
        });
        tick.start();
        clock.start();
        form.findChild<QPushButton*>("BotonEscribir")->click();
        tick.stop();
        longestMs = static_cast<double>(longest) / 1e6;
    }
    state.counters["longest_gap_ms"] = longestMs;
}
BENCHMARK(BM_LongestUnresponsiveGap_FlashWrite)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
