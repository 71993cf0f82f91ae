#include <QGuiApplication>

#include <benchmark/benchmark.h>

// Every benchmark runs with a GUI application on the offscreen platform: text and pictures
// need Qt's font and image machinery, and a benchmark never needs a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
