#include "document/model.h"
#include "document/show.h"
#include "document/showarchive.h"
#include "mydocument.h"
#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/showflags.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

// The show file: saving the document's model and replacing it by one read from a file.

namespace lanternreel {

bool MyDocument::dataRepresentationOfType(const QString &typeName, QIODevice &device)
{
    if (typeName != QLatin1String(ShowTypeName))
        return false;
    // A slide that no longer decodes would make a file that does not open: better no save.
    if (!m_show->slides().compressImages())
        return false;
    model->setImageHandler(m_show->sharedSlides());
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
    if (isSlideshowInProgress())
        stopShow();
    model = std::move(decoded);
    setImageHandler(model->imageHandler());
    setSoundHandler(model->soundHandler());

    const ShowFlags *menu = m_services.menuFlags;
    m_show->setLoop(menu && menu->loop());
    m_show->setRandom(menu && menu->random());
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
    m_show->retitle();
}

} // namespace lanternreel
