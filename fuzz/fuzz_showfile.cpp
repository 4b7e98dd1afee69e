// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the show file reader: whatever the bytes, reading them must either give a
// whole show or refuse cleanly, without touching memory it does not own.

#include "document/model.h"
#include "document/showarchive.h"
#include "fuzzservices.h"
#include "slides/imagehandler.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QThreadPool>
#include <cstddef>
#include <cstdint>

using namespace lanternreel;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // Qt's image readers complain about every broken picture; the fuzzer makes nothing else.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // One worker: the pictures are tiny, and a single thread keeps runs reproducible.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzzing::SilentServices services;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                               static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QString why;
    std::unique_ptr<Model> model = readShow(buffer, services.services(), &why);
    if (model) {
        ImageHandler &images = *model->getImageHandler();
        if (images.decompressImages()) {
            // What a loaded show does next: take the flags, step through it.
            images.setRandom(true);
            images.nextImage();
            images.setRandom(false);
        }
    }
    return 0;
}
