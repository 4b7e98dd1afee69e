#include "document/model.h"
#include "document/showarchive.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/menuitem.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

// The show file: saving the document's model and replacing it by one read from a file.

namespace lanternreel {

namespace {

// The state of an item of the application's menu; a missing item reads as off.
int menuItemState(const Services &services, const QString &menu, const QString &item)
{
    if (!services.menus)
        return 0;
    const std::unique_ptr<MenuItem> found = services.menus->findItem(menu, item);
    return found ? found->state() : 0;
}

} // namespace

bool MyDocument::dataRepresentationOfType(const QString &typeName, QIODevice &device)
{
    if (typeName != QLatin1String(ShowTypeName))
        return false;
    imageHandle->compressImages();
    model->setImageHandler(imageHandle);
    model->setSoundHandler(soundHandle);
    return writeShow(device, *model);
}

bool MyDocument::loadDataRepresentation(QIODevice &device, const QString &, QString *why)
{
    // Everything is read and checked, and every picture decoded, before the document takes any
    // of it: a bad file leaves the document exactly as it was.
    std::unique_ptr<Model> decoded = readShow(device, m_services, why);
    if (!decoded)
        return false;
    if (!decoded->getImageHandler()->decompressImages()) {
        if (why)
            *why = QStringLiteral("It is damaged: a picture in it does not decode.");
        return false;
    }
    if (slideshowInProgress)
        stopShow();
    model = std::move(decoded);
    setImageHandler(model->imageHandler());
    setSoundHandler(model->soundHandler());

    const QString slideshow = QStringLiteral("Slideshow");
    imageHandle->setLoop(menuItemState(m_services, slideshow, QStringLiteral("Loop Slideshow"))
                         == 1);
    imageHandle->setRandom(menuItemState(m_services, slideshow, QStringLiteral("Randomize Slides"))
                           == 1);
    m_services.log->out(QStringLiteral("Loaded."));
    tellAboutMissingSounds();
    return true;
}

void MyDocument::tellAboutMissingSounds()
{
    const auto missing = soundHandle->unplayableSounds();
    if (missing.empty())
        return;
    QStringList paths;
    for (const Sound *sound : missing)
        paths.append(sound->path());
    m_services.alerts->beep();
    m_services.alerts->alert(
        QStringLiteral("Missing Sound Files"),
        QStringLiteral("The soundtrack will skip these sound files, which are missing or cannot "
                       "be played:\n%1")
            .arg(paths.join(QLatin1Char('\n'))));
}

void MyDocument::fileNameDidChange()
{
    if (window2)
        window2->setWindowTitle(correctWindowTitle(currentImage ? currentImage->image() : nullptr));
}

} // namespace lanternreel
