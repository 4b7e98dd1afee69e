#include "showcommands.h"

#include "document/show.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"

#include <QCoreApplication>

namespace lanternreel {

SlidesCommand::SlidesCommand(Show &show, const QString &text, SlideOrder before,
                             SlidePtr shownBefore)
    : QUndoCommand(text)
    , m_show(show)
    , m_before(std::move(before))
    , m_after(show.slides().order())
    , m_shownBefore(std::move(shownBefore))
    , m_shownAfter(show.shownSlide())
{ }

void SlidesCommand::undo()
{
    m_show.restoreOrder(m_before, m_shownBefore);
}

void SlidesCommand::redo()
{
    if (std::exchange(m_made, false))
        return;
    m_show.restoreOrder(m_after, m_shownAfter);
}

AddSoundsCommand::AddSoundsCommand(std::shared_ptr<SoundHandler> sounds, int32_t first,
                                   int32_t count, SoundHandler::Position before)
    : QUndoCommand(count == 1 ? QCoreApplication::translate("MyDocument", "Add Sound")
                              : QCoreApplication::translate("MyDocument", "Add Sounds"))
    , m_sounds(std::move(sounds))
    , m_first(first)
    , m_count(count)
    , m_before(before)
    , m_after(m_sounds->position())
{ }

void AddSoundsCommand::undo()
{
    m_taken = m_sounds->takeSounds(m_first, m_count);
    m_sounds->restorePosition(m_before);
}

void AddSoundsCommand::redo()
{
    if (std::exchange(m_made, false))
        return;
    m_sounds->insertSounds(m_first, std::move(m_taken));
    m_taken.clear();
    m_sounds->restorePosition(m_after);
}

RemoveSoundCommand::RemoveSoundCommand(std::shared_ptr<SoundHandler> sounds, int32_t row)
    : QUndoCommand(QCoreApplication::translate("MyDocument", "Remove Sound"))
    , m_sounds(std::move(sounds))
    , m_row(row)
{ }

void RemoveSoundCommand::undo()
{
    m_sounds->insertSounds(m_row, std::move(m_taken));
    m_taken.clear();
    m_sounds->restorePosition(m_before);
}

void RemoveSoundCommand::redo()
{
    m_before = m_sounds->position();
    m_taken = m_sounds->takeSounds(m_row, 1);
}

SwapSoundsCommand::SwapSoundsCommand(std::shared_ptr<SoundHandler> sounds, int32_t first,
                                     int32_t second)
    : QUndoCommand(QCoreApplication::translate("MyDocument", "Swap Sounds"))
    , m_sounds(std::move(sounds))
    , m_first(first)
    , m_second(second)
{ }

void SwapSoundsCommand::undo()
{
    m_sounds->swapSounds(m_first, m_second);
}

void SwapSoundsCommand::redo()
{
    if (std::exchange(m_made, false))
        return;
    m_sounds->swapSounds(m_first, m_second);
}

} // namespace lanternreel
