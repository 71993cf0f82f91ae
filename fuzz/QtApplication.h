#pragma once

// The application object the fuzz targets need: Qt finds its image plugins and text codecs
// through it. Included by exactly one file of each target, which it gives libFuzzer's
// start-up hook.
#include <QCoreApplication>

#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::unique_ptr<QCoreApplication> application =
        std::make_unique<QCoreApplication>(*argc, *argv);
    return 0;
}
