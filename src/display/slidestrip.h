#pragma once

#include <QList>
#include <QListView>
#include <QSize>

namespace lanternreel {

class SlideStripModel;

// The slides of a show as a row of thumbnails under the slide in the show's window. A click on
// a thumbnail asks for its slide; thumbnails dragged elsewhere in the strip, one or several
// selected together, ask to move there; Delete or Backspace, while the strip has the keyboard,
// asks to remove the selected ones. The strip changes nothing itself: its owner does, and the
// model follows.
class SlideStrip : public QListView
{
    Q_OBJECT

public:
    // The box each thumbnail fits in, in the window's own pixels.
    static constexpr QSize ThumbnailBox { 128, 96 };

    explicit SlideStrip(QWidget *parent = nullptr);
    ~SlideStrip() override;

    void setStripModel(SlideStripModel *model);
    SlideStripModel *stripModel() const;
    // The selected rows, in order.
    QList<int> selectedRows() const;
    // The row before which a drop at `point` (in the viewport) puts what it carries; the number
    // of rows for after the last.
    int dropRowAt(QPoint point) const;

    // Whether the user wants the strip shown; remembered from one run to the next.
    static bool isWanted();
    static void setWanted(bool wanted);

signals:
    void slideChosen(int row);
    void moveRequested(const QList<int> &rows, int before);
    void removeRequested(const QList<int> &rows);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateThumbnailBox();
    void showDropRow(int row);

    int m_dropRow = -1; // where the drag over the strip would put its slides
};

} // namespace lanternreel
