// SPDX-License-Identifier: GPL-3.0-or-later
// A libFuzzer target for the information-text reader.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>

#include "ui/rtf_reader.h"

namespace {

const mirvalon::ByteDecoder latin1 = [](unsigned char b) { return QChar(b); };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    QTextDocument document;
    mirvalon::readRtf(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)),
                      document, latin1);
    return 0;
}
