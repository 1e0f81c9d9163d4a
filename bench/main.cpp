// Benchmarks run inside a Qt application on the offscreen platform, so the window
// benchmarks can create real windows without a display.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {
// The offscreen platform warns about window features it lacks; the table stays readable.
void QuietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtWarningMsg || !message.startsWith("This plugin does not support")) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}
} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
