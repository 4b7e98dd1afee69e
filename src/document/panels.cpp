#include "document/soundtablemodel.h"
#include "mydocument.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"
#include "ui_slideshowInfoPanel.h"
#include "ui_soundPanel.h"

#include <QPushButton>

namespace lanternreel {

namespace {

// One pass through `slides` slides at `seconds` each: whole minutes, the rest dropped, or the
// seconds under a minute. Counted in 64 bits: very many slides at very long intervals pass 32.
QString projectedDurationText(int32_t slides, int32_t seconds)
{
    const int64_t total = int64_t { slides } * seconds;
    const int64_t minutes = total / 60;
    if (minutes > 0)
        return QString::number(minutes) + QStringLiteral(" minutes");
    return QString::number(total) + QStringLiteral(" seconds");
}

// A panel of the document's: non-modal, gone when closed, and gone with the document even when
// the document has no window to take it along.
void preparePanel(QDialog *panel, QObject *document)
{
    panel->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(panel, &QDialog::finished, panel, &QObject::deleteLater);
    QObject::connect(document, &QObject::destroyed, panel, &QObject::deleteLater);
}

void bringForward(QDialog *panel)
{
    panel->show();
    panel->raise();
    panel->activateWindow();
}

} // namespace

void MyDocument::slideshowInfo()
{
    Ui::slideshowInfoPanel layout;
    auto *panel = new QDialog(window());
    layout.setupUi(panel);
    preparePanel(panel, this);

    infoPanel = panel;
    numberOfSlides = layout.numberOfSlides;
    durationOfSlides = layout.durationOfSlides;
    projectedDuration = layout.projectedDuration;
    projectedSoundtrackDuration = layout.projectedSoundtrackDuration;

    const int32_t slides = imageHandle->numImages();
    numberOfSlides->setText(QString::number(slides) + QStringLiteral(" images"));
    durationOfSlides->setText(QString::number(timerLength) + QStringLiteral(" seconds"));
    projectedDuration->setText(projectedDurationText(slides, timerLength));
    projectedSoundtrackDuration->setText(
        SoundHandler::getTimeString(soundHandle->returnTotalLength()));
    bringForward(panel);
}

void MyDocument::showSoundPanel()
{
    Ui::soundPanel layout;
    auto *panel = new QDialog(window());
    layout.setupUi(panel);
    preparePanel(panel, this);
    auto *table = new SoundTableModel(soundHandle, layout.soundTableView);

    soundPanel = panel;
    soundTableView = layout.soundTableView;
    soundHandle->setTableView(table);
    // The order is saved with the show, and a drop changes it without a command of the
    // document's; a table left from a soundtrack the document has since replaced changes
    // nothing of this show.
    connect(table, &SoundTableModel::soundtrackReordered, this, [this, table] {
        if (table->handler() == soundHandle.get())
            setDocumentEdited(true);
    });
    // The drop is still under way: the reason comes once it is over.
    table->setMayChange([this] {
        if (busyReason().isEmpty())
            return true;
        QMetaObject::invokeMethod(
            this, [this] { refuseWhileBusy(); }, Qt::QueuedConnection);
        return false;
    });

    // The buttons of an older panel that is still open act on that panel's table: Remove Sound
    // must remove what is selected where the user pressed it.
    const QPointer<QDialog> ownPanel = panel;
    const QPointer<QTableView> ownView = layout.soundTableView;
    const QPointer<SoundTableModel> ownTable = table;
    auto aimOutletsHere = [this, ownPanel, ownView, ownTable] {
        soundPanel = ownPanel;
        soundTableView = ownView;
        // A panel left from a soundtrack the document has since replaced has nothing to say
        // about the current one.
        if (ownTable && ownTable->handler() == soundHandle.get())
            soundHandle->setTableView(ownTable);
    };
    connect(layout.addSoundButton, &QPushButton::clicked, this, [this, aimOutletsHere] {
        aimOutletsHere();
        addSong();
    });
    connect(layout.removeSoundButton, &QPushButton::clicked, this, [this, aimOutletsHere] {
        aimOutletsHere();
        removeSong();
    });
    bringForward(panel);
}

} // namespace lanternreel
