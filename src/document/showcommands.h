#pragma once

#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

#include <QUndoCommand>
#include <memory>
#include <vector>

namespace lanternreel {

class Show;

// The changes to a show that can be taken back, as commands on the document's undo stack. Each
// is made before it is pushed, so the push itself changes nothing; redoing makes it again.

// A change to the slides (an import, a removal, a move): undoing puts back both orders and the
// position from before it, redoing those from after it.
class SlidesCommand : public QUndoCommand
{
public:
    // `shownBefore` is the slide the window showed before the change; the one it shows now is
    // what a redo puts back.
    SlidesCommand(Show &show, const QString &text, SlideOrder before, SlidePtr shownBefore);
    void undo() override;
    void redo() override;

private:
    Show &m_show;
    SlideOrder m_before;
    SlideOrder m_after;
    SlidePtr m_shownBefore;
    SlidePtr m_shownAfter;
    bool m_made = true;
};

// Sounds added at the end of the soundtrack, `count` of them from row `first`.
class AddSoundsCommand : public QUndoCommand
{
public:
    AddSoundsCommand(std::shared_ptr<SoundHandler> sounds, int32_t first, int32_t count,
                     SoundHandler::Position before);
    void undo() override;
    void redo() override;

private:
    std::shared_ptr<SoundHandler> m_sounds;
    int32_t m_first;
    int32_t m_count;
    SoundHandler::Position m_before;
    SoundHandler::Position m_after;
    std::vector<SoundHandler::TakenSound> m_taken; // while undone
    bool m_made = true;
};

// The sound at `row` taken out of the soundtrack; pushing it takes it out.
class RemoveSoundCommand : public QUndoCommand
{
public:
    RemoveSoundCommand(std::shared_ptr<SoundHandler> sounds, int32_t row);
    void undo() override;
    void redo() override;

private:
    std::shared_ptr<SoundHandler> m_sounds;
    int32_t m_row;
    SoundHandler::Position m_before;
    std::vector<SoundHandler::TakenSound> m_taken; // while done
};

// Two sounds swapped by a drop in a soundtrack table.
class SwapSoundsCommand : public QUndoCommand
{
public:
    SwapSoundsCommand(std::shared_ptr<SoundHandler> sounds, int32_t first, int32_t second);
    void undo() override;
    void redo() override;

private:
    std::shared_ptr<SoundHandler> m_sounds;
    int32_t m_first;
    int32_t m_second;
    bool m_made = true;
};

} // namespace lanternreel
