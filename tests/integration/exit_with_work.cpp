// SPDX-License-Identifier: GPL-3.0-or-later
// A program that ends while the work pool still has a picture to scale, as the program does when
// it is closed while a show's thumbnails are being made. It must exit, not hang in its exit.
#include "slides/workpool.h"

#include <QGuiApplication>
#include <QImage>
#include <QThread>

using namespace lanternreel;

namespace {

QImage scaledDown()
{
    QImage big(4000, 3000, QImage::Format_RGB32);
    big.fill(Qt::darkCyan);
    return big.scaled(1000, 750, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    workPool();
    // Qt's own pool for smooth scaling comes after the work pool, so it goes before it.
    scaledDown();
    startWork([] {
        QThread::msleep(500);
        scaledDown();
    });
    return 0;
}
