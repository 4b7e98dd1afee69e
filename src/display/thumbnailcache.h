#pragma once

#include "slides/slide.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace lanternreel {

// Small pictures of slides, made on the program's work pool below the window's priority and
// handed out as they come. Only the ones looked at last are kept, up to a budget of bytes, so a
// show of thousands of slides costs no more than one screenful and some around it.
class ThumbnailCache : public QObject
{
    Q_OBJECT

public:
    explicit ThumbnailCache(QObject *parent = nullptr);
    ~ThumbnailCache() override;

    // The box every thumbnail fits in, in device pixels. A new box lets every thumbnail go.
    void setBox(QSize box);
    QSize box() const { return m_box; }
    // Bytes of pixels kept at most.
    void setBudget(qint64 bytes) { m_budget = bytes; }
    qint64 bytesKept() const { return m_bytes; }

    // The thumbnail of `slide`, or a null image while it is being made (then ready() follows),
    // or when the slide's picture does not decode.
    QImage thumbnail(const SlidePtr &slide);
    // The thumbnails asked for and not yet made.
    bool isBusy() const { return !m_wanted.empty() || !m_making.empty(); }

signals:
    void ready(const lanternreel::SlidePtr &slide);

private:
    struct Kept
    {
        std::weak_ptr<const Slide> slide; // a thumbnail keeps no slide alive
        QImage image; // null when the picture does not decode
        quint64 lastUse = 0;
    };

    void startMaking();
    void made(const SlidePtr &slide, const QImage &image);
    void keepWithinBudget();

    QSize m_box;
    qint64 m_budget;
    qint64 m_bytes = 0;
    quint64 m_uses = 0;
    std::unordered_map<const Slide *, Kept> m_kept;
    std::deque<SlidePtr> m_wanted; // the one asked for last first
    std::unordered_set<const Slide *> m_making;
    // Bumped by every new box: work started for an earlier box is not kept.
    quint64 m_generation = 0;
};

} // namespace lanternreel
