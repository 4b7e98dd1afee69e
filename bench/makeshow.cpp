// Writes a show file of COUNT slides that repeat the given JPEG photos in turn, stored as they
// are, for scripts that open a long show in the real program: makeshow FILE COUNT PHOTO...
// (A show saved by the program would first spend minutes re-encoding every imported photo.)

#include "document/showarchive.h"
#include "slides/slide.h"
#include "slides/workcontrol.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

using namespace lanternreel;

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: makeshow FILE COUNT PHOTO...\n");
        return 2;
    }
    std::vector<SlidePtr> photos;
    for (int i = 3; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        SlidePtr slide = Slide::fromStoredJpeg(QFileInfo(path).fileName(), file.readAll());
        if (!slide)
            return 1;
        photos.push_back(std::move(slide));
    }
    ShowSnapshot show;
    const int count = std::atoi(argv[2]);
    for (int i = 0; i < count; ++i)
        show.slides.push_back(photos[static_cast<size_t>(i) % photos.size()]);
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    const WorkControl control;
    if (!out.open(QIODevice::WriteOnly) || !writeShow(out, show, control) || !out.commit())
        return 1;
    return 0;
}
