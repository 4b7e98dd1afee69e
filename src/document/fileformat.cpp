// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// What reading a show file gave: a model whose pictures are decoded, checked whole.
struct ShowContent : DocumentContent
{
    std::unique_ptr<Model> model;
};

} // namespace

Document::WriteWork MyDocument::writeWork(const QString &typeName)
{
    if (typeName != QLatin1String(ShowTypeName))
        return {};
    model->setImageHandler(m_show->sharedSlides());
    model->setSoundHandler(soundHandle);
    // The slides are shared and never change; the rest is copied. The show may go on changing
    // while the copy is written.
    return [show = snapshotOf(m_show->slides(), *soundHandle)](QIODevice &device,
                                                               const WorkControl &control) {
        return writeShow(device, show, control);
    };
}

// Everything is read and checked, and every picture decoded, before the document takes any of
// it: a bad file leaves the document exactly as it was.
Document::ReadWork MyDocument::readWork(const QString &) const
{
    return [services = m_services](QIODevice &device, const WorkControl &control,
                                   QString *why) -> std::shared_ptr<DocumentContent> {
        std::unique_ptr<Model> decoded = openShow(device, services, &control, why);
        if (!decoded || control.isCancelled())
            return nullptr;
        auto content = std::make_shared<ShowContent>();
        content->model = std::move(decoded);
        return content;
    };
}

void MyDocument::takeContent(std::shared_ptr<DocumentContent> content)
{
    auto *show = dynamic_cast<ShowContent *>(content.get());
    if (!show || !show->model)
        return;
    if (isSlideshowInProgress())
        stopShow();
    model = std::move(show->model);
    setImageHandler(model->imageHandler());
    setSoundHandler(model->soundHandler());

    const ShowFlags *menu = m_services.menuFlags;
    m_show->setLoop(menu && menu->loop());
    m_show->setRandom(menu && menu->random());
    m_services.log->out(QStringLiteral("Loaded."));
    tellAboutMissingSounds();
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
    const bool locate = m_services.alerts->alertOffering(
        tr("Missing Sound Files"),
        tr("The soundtrack will skip these sound files, which are missing or cannot "
           "be played:\n%1")
            .arg(paths.join(QLatin1Char('\n'))),
        tr("Locate…"));
    if (locate)
        locateMissingSounds();
}

void MyDocument::fileNameDidChange()
{
    m_show->retitle();
}

} // namespace lanternreel
