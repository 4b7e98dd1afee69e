#include "document/exportjobs.h"
#include "document/show.h"
#include "mydocument.h"
#include "panels/exportvideopanel.h"
#include "panels/progresspanel.h"
#include "platform/alerts.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "soundtrack/soundhandler.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

// File › Export Video… and Export Slides…: what they ask, the jobs they run, what they tell.
// Every question is a window-modal dialog answered through its signals, so the show's window
// and every other one go on meanwhile.

namespace lanternreel {

class ExportCommands
{
public:
    // Beeps and tells why no export can start now; true then.
    static bool refuse(MyDocument &document)
    {
        QString message;
        QString informative;
        if (document.m_show->slides().numImages() == 0) {
            message = MyDocument::tr("There Is Nothing to Export");
            informative = MyDocument::tr("Import images into the show first.");
        } else if (document.m_exportJob && document.m_exportJob->isRunning()) {
            message = MyDocument::tr("An Export Is Running");
            informative = MyDocument::tr(
                "Wait for the export of this show to end, or cancel it, before starting another.");
        } else {
            return false;
        }
        tell(document, message, informative);
        return true;
    }

    static void tell(MyDocument &document, const QString &message, const QString &informative)
    {
        document.m_services.alerts->beep();
        document.m_services.alerts->alert(message, informative);
    }

    // Beside the show's file, or among the user's videos or pictures while it has none.
    static QString suggestedFolder(const MyDocument &document,
                                   QStandardPaths::StandardLocation where)
    {
        if (!document.fileName().isEmpty())
            return QFileInfo(document.fileName()).absolutePath();
        const QString folder = QStandardPaths::writableLocation(where);
        return QFileInfo(folder).isDir() ? folder : QDir::homePath();
    }

    static void chooseVideoFile(MyDocument &document, QSize frameSize,
                                VideoExportSettings::Ending ending)
    {
        const QString suggested = QDir(suggestedFolder(document, QStandardPaths::MoviesLocation))
                                      .filePath(document.displayName() + QStringLiteral(".mp4"));
        auto *dialog = new QFileDialog(document.window(), MyDocument::tr("Export Video"), suggested,
                                       MyDocument::tr("MP4 Video (*.mp4)"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        // Added by the dialog itself, so that it asks before replacing the file that will
        // really be written.
        dialog->setDefaultSuffix(QStringLiteral("mp4"));
        QObject::connect(dialog, &QFileDialog::fileSelected, &document,
                         [&document, frameSize, ending](const QString &path) {
                             startVideo(document, path, frameSize, ending);
                         });
        dialog->open();
    }

    // The show as it is now: the slides are shared and never change, so it goes on meanwhile.
    static void startVideo(MyDocument &document, const QString &path, QSize frameSize,
                           VideoExportSettings::Ending ending)
    {
        if (refuse(document))
            return;
        const ImageHandler &images = document.m_show->slides();
        std::vector<SlidePtr> slides = images.isRandom() && !images.randomSlides().empty()
            ? images.randomSlides()
            : images.slides();
        VideoExportSettings settings;
        settings.path = path;
        settings.frameSize = frameSize;
        settings.secondsPerSlide = document.m_show->interval();
        settings.background = document.fullscreenColor;
        settings.slideCount = int(slides.size());
        settings.picture = [slides = std::move(slides)](int index, QSize fitInside) {
            return slidePicture(*slides[size_t(index)], fitInside);
        };
        for (const auto &sound : document.soundHandle->returnSounds())
            settings.soundPaths.append(sound->path());
        settings.ending = ending;

        auto *job = new VideoExportJob(std::move(settings), &document);
        follow(document, job, [&document, job] {
            const VideoExportResult &result = job->result();
            if (result.outcome == VideoExportResult::Outcome::Failed)
                tell(document, MyDocument::tr("The Video Could Not Be Exported"),
                     result.error.isEmpty() ? MyDocument::tr("It could not be written.")
                                            : result.error);
            else if (result.outcome == VideoExportResult::Outcome::Written
                     && !result.skippedSounds.isEmpty())
                tell(document, MyDocument::tr("Missing Sound Files"),
                     MyDocument::tr("The video was made without these sound files, which are "
                                    "missing or cannot be played:\n%1")
                         .arg(result.skippedSounds.join(QLatin1Char('\n'))));
        });
    }

    static void chooseSlidesFolder(MyDocument &document)
    {
        auto *dialog = new QFileDialog(document.window(), MyDocument::tr("Export Slides"),
                                       suggestedFolder(document, QStandardPaths::PicturesLocation));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setLabelText(QFileDialog::Accept, MyDocument::tr("Export"));
        QObject::connect(dialog, &QFileDialog::fileSelected, &document,
                         [&document](const QString &folder) {
                             if (!refuse(document))
                                 startSlides(document, document.m_show->slides().slides(), folder,
                                             ExistingFiles::Ask);
                         });
        dialog->open();
    }

    static void startSlides(MyDocument &document, std::vector<SlidePtr> slides,
                            const QString &folder, ExistingFiles existing)
    {
        auto *job = new SlidesExportJob(std::move(slides), folder, existing, &document);
        follow(document, job, [&document, job, existing] {
            const SlidesExportResult &result = job->result();
            switch (result.outcome) {
            case SlidesExportResult::Outcome::Conflicts:
                askAboutExistingFiles(document, job->slides(), job->folder(), result.existing);
                break;
            case SlidesExportResult::Outcome::Failed:
                tell(document, MyDocument::tr("The Slides Could Not Be Exported"),
                     result.error.isEmpty() ? MyDocument::tr("They could not be written.")
                                            : result.error);
                break;
            case SlidesExportResult::Outcome::Written:
                if (!result.unreadable.isEmpty())
                    tell(document, MyDocument::tr("Some Slides Were Left Out"),
                         MyDocument::tr("These slides could not be read, and were not "
                                        "exported:\n%1")
                             .arg(result.unreadable.join(QLatin1Char('\n'))));
                // Files that came meanwhile; those the user chose to skip need no word.
                if (existing != ExistingFiles::Skip && !result.existing.isEmpty())
                    tell(document, MyDocument::tr("Some Slides Were Left Out"),
                         MyDocument::tr("These files appeared in the folder during the export "
                                        "and were left as they were:\n%1")
                             .arg(result.existing.join(QLatin1Char('\n'))));
                break;
            case SlidesExportResult::Outcome::Cancelled:
                break;
            }
        });
    }

    // One question for all of them: nothing has been written yet.
    static void askAboutExistingFiles(MyDocument &document, const std::vector<SlidePtr> &slides,
                                      const QString &folder, const QStringList &existing)
    {
        const QString where = QDir::toNativeSeparators(folder);
        auto *box = new QMessageBox(
            QMessageBox::Warning, MyDocument::tr("Export Slides"),
            existing.size() == 1
                ? MyDocument::tr("“%1” is already in “%2”.").arg(existing.first(), where)
                : MyDocument::tr("%1 of the slides' files are already in “%2”.")
                      .arg(existing.size())
                      .arg(where),
            QMessageBox::NoButton, document.window());
        box->setInformativeText(
            MyDocument::tr("Replace them with the slides, or keep them and export only the "
                           "other slides?"));
        box->setDetailedText(existing.join(QLatin1Char('\n')));
        QPushButton *replace
            = box->addButton(MyDocument::tr("Replace"), QMessageBox::DestructiveRole);
        QPushButton *skip = box->addButton(MyDocument::tr("Keep Them"), QMessageBox::AcceptRole);
        box->addButton(QMessageBox::Cancel);
        box->setDefaultButton(skip);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        QObject::connect(box, &QMessageBox::buttonClicked, &document,
                         [&document, slides, folder, replace, skip](QAbstractButton *button) {
                             if (button != replace && button != skip)
                                 return;
                             if (!refuse(document))
                                 startSlides(document, slides, folder,
                                             button == replace ? ExistingFiles::Replace
                                                               : ExistingFiles::Skip);
                         });
        box->open();
    }

    // The progress window comes after half a second; `done` runs once the job has ended, and
    // the job goes after it.
    static void follow(MyDocument &document, Job *job, std::function<void()> done)
    {
        document.m_exportJob = job;
        QObject::connect(job, &Job::finished, &document, [job, done = std::move(done)] {
            done();
            job->deleteLater();
        });
        ProgressPanel::follow(*job, document.window());
    }
};

void MyDocument::exportVideo()
{
    if (ExportCommands::refuse(*this))
        return;
    auto *panel = new ExportVideoPanel(m_show->slides().numImages(), m_show->interval(),
                                       soundHandle->returnTotalLength(), window());
    connect(panel, &QDialog::accepted, this, [this, panel] {
        ExportCommands::chooseVideoFile(*this, panel->frameSize(), panel->ending());
    });
    panel->open();
}

void MyDocument::exportSlides()
{
    if (!ExportCommands::refuse(*this))
        ExportCommands::chooseSlidesFolder(*this);
}

Job *MyDocument::exportJob() const
{
    return m_exportJob && m_exportJob->isRunning() ? m_exportJob.data() : nullptr;
}

} // namespace lanternreel
