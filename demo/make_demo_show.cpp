// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the demo show the program opens when started with no paths: four pictures drawn here,
// a three-second chord, and the show file that holds them, written by the program's own writer.
//   lanternreel_make_demo FOLDER
// The sound is stored by reference, so the show names FOLDER/chord.wav by its full path.

#include "document/model.h"
#include "document/showarchive.h"
#include "platform/alerts.h"
#include "platform/log.h"
#include "platform/openpanels.h"
#include "platform/qt/avmedialength.h"
#include "platform/services.h"
#include "platform/sounds.h"
#include "slides/imagehandler.h"
#include "slides/slide.h"
#include "soundtrack/soundhandler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

using namespace lanternreel;

namespace {

constexpr QSize PictureSize(1024, 640);

// Only what writing a show asks of the platform: the sound chooser answers the chord, and any
// alert means the demo would be incomplete.
class DemoServices : public Alerts, public Log, public SoundFactory, public OpenPanels
{
public:
    explicit DemoServices(QString soundPath)
        : m_soundPath(std::move(soundPath))
    {
        m_services.alerts = this;
        m_services.log = this;
        m_services.sounds = this;
        m_services.openPanels = this;
        m_services.mediaLength = &m_length;
    }
    const Services &services() const { return m_services; }
    bool alerted() const { return m_alerted; }

    void beep() override { }
    void alert(const QString &message, const QString &information, const QString &) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(message), qPrintable(information));
        m_alerted = true;
    }
    bool alertOffering(const QString &message, const QString &information, const QString &) override
    {
        alert(message, information, QString());
        return false;
    }
    void log(const QString &) override { }
    void out(const QString &) override { }
    std::unique_ptr<Sound> makeSound(const QString &path) override
    {
        return std::make_unique<StoredSound>(path);
    }
    QStringList soundFileTypes() const override { return { QStringLiteral("wav") }; }
    std::optional<QStringList> chooseImages(const QStringList &) override { return std::nullopt; }
    std::optional<QStringList> chooseSounds(const QStringList &) override
    {
        return QStringList { m_soundPath };
    }
    std::optional<QString> chooseFolder(const QString &) override { return std::nullopt; }

private:
    // Never played here: the show keeps only its path.
    class StoredSound : public Sound
    {
    public:
        explicit StoredSound(QString path)
            : m_path(std::move(path))
        { }
        void play() override { }
        void stop() override { }
        bool isPlaying() const override { return false; }
        QString name() const override { return QFileInfo(m_path).fileName(); }
        QString path() const override { return m_path; }
        void setOnFinished(std::function<void(bool)>) override { }

    private:
        QString m_path;
    };

    QString m_soundPath;
    AvMediaLength m_length;
    Services m_services;
    bool m_alerted = false;
};

void caption(QPainter &painter, const QString &text, const QColor &color)
{
    QFont font = painter.font();
    font.setPixelSize(44);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 110));
    const QRect box(0, PictureSize.height() - 120, PictureSize.width(), 80);
    painter.drawText(box.translated(3, 3), Qt::AlignCenter, text);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

QImage dusk()
{
    QImage image(PictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, PictureSize.height());
    sky.setColorAt(0, QColor(0x2b, 0x1e, 0x5a));
    sky.setColorAt(0.55, QColor(0xe0, 0x6c, 0x4a));
    sky.setColorAt(1, QColor(0xff, 0xc8, 0x6b));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xe9, 0xa8));
    painter.drawEllipse(QPointF(690, 330), 70, 70);
    const QColor hills[]
        = { QColor(0x6b, 0x3a, 0x5e), QColor(0x45, 0x27, 0x4a), QColor(0x24, 0x17, 0x30) };
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path(QPointF(0, PictureSize.height()));
        for (int x = 0; x <= PictureSize.width(); x += 16) {
            const double y = 360 + layer * 80
                + 50 * std::sin(x / (140.0 + layer * 40) + layer * 1.7)
                + 25 * std::sin(x / 57.0 + layer);
            path.lineTo(x, y);
        }
        path.lineTo(PictureSize.width(), PictureSize.height());
        path.closeSubpath();
        painter.setBrush(hills[layer]);
        painter.drawPath(path);
    }
    caption(painter, QStringLiteral("Dusk over the hills"), QColor(0xff, 0xf1, 0xd6));
    return image;
}

QImage lanternLight()
{
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(QColor(0x0d, 0x12, 0x26));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Soft lights at places that look scattered but are the same in every build.
    for (int i = 0; i < 40; ++i) {
        const QPointF centre((i * 397) % PictureSize.width(), (i * 211 + 60) % 520);
        const double radius = 18 + (i * 37) % 60;
        QRadialGradient light(centre, radius);
        const QColor warm = QColor::fromHsv((20 + i * 9) % 60, 170, 255);
        light.setColorAt(0, QColor(warm.red(), warm.green(), warm.blue(), 170));
        light.setColorAt(1, QColor(warm.red(), warm.green(), warm.blue(), 0));
        painter.setBrush(light);
        painter.drawEllipse(centre, radius, radius);
    }
    caption(painter, QStringLiteral("Lantern light"), QColor(0xff, 0xd5, 0x8a));
    return image;
}

QImage filmStrip()
{
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(QColor(0xe9, 0xe4, 0xd8));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x26, 0x29, 0x3b));
    painter.drawRect(0, 150, PictureSize.width(), 300);
    painter.setBrush(QColor(0xe9, 0xe4, 0xd8));
    for (int x = 12; x < PictureSize.width(); x += 48) {
        painter.drawRoundedRect(x, 164, 26, 18, 4, 4);
        painter.drawRoundedRect(x, 418, 26, 18, 4, 4);
    }
    const QColor frames[] = { QColor(0x5b, 0x8d, 0xd9), QColor(0x86, 0xc0, 0x6c),
                              QColor(0xf2, 0xb1, 0x34), QColor(0xd9, 0x5b, 0x6a) };
    for (int i = 0; i < 4; ++i) {
        const QRectF frame(36 + i * 248, 196, 216, 208);
        QLinearGradient fill(frame.topLeft(), frame.bottomRight());
        fill.setColorAt(0, frames[i].lighter(130));
        fill.setColorAt(1, frames[i].darker(120));
        painter.setBrush(fill);
        painter.drawRect(frame);
    }
    caption(painter, QStringLiteral("Four frames"), QColor(0x26, 0x29, 0x3b));
    return image;
}

QImage waves()
{
    QImage image(PictureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sea(0, 0, 0, PictureSize.height());
    sea.setColorAt(0, QColor(0xb8, 0xe4, 0xf0));
    sea.setColorAt(1, QColor(0x0b, 0x3c, 0x5d));
    painter.fillRect(image.rect(), sea);
    for (int band = 0; band < 9; ++band) {
        QPainterPath path;
        for (int x = 0; x <= PictureSize.width(); x += 8) {
            const double y = 120 + band * 52 + 18 * std::sin(x / 70.0 + band * 0.9);
            if (x == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        painter.setPen(QPen(QColor(255, 255, 255, 60 + band * 15), 6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(path);
    }
    caption(painter, QStringLiteral("Waves"), Qt::white);
    return image;
}

// Three seconds of a C major chord, faded in and out so it starts and ends without a click:
// 16-bit mono PCM at 44.1 kHz in a RIFF WAVE file.
QByteArray chord()
{
    constexpr int Rate = 44100;
    constexpr int Samples = Rate * 3;
    constexpr double Notes[] = { 261.63, 329.63, 392.00, 523.25 };
    QByteArray pcm(Samples * 2, Qt::Uninitialized);
    for (int i = 0; i < Samples; ++i) {
        const double t = double(i) / Rate;
        double value = 0;
        for (double frequency : Notes)
            value += std::sin(2 * std::numbers::pi * frequency * t);
        const double envelope = std::min({ 1.0, t / 0.05, (3.0 - t) / 0.8 });
        const auto sample = qint16(std::lround(value / std::size(Notes) * envelope * 0.6 * 32767));
        qToLittleEndian(sample, pcm.data() + 2 * i);
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        wav.append(bytes, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        wav.append(bytes, 2);
    };
    wav.append("RIFF");
    u32(36 + pcm.size());
    wav.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(Rate);
    u32(Rate * 2); // bytes a second
    u16(2); // bytes a frame
    u16(16); // bits a sample
    wav.append("data");
    u32(pcm.size());
    wav.append(pcm);
    return wav;
}

bool save(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing captions needs fonts, not a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lanternreel_make_demo FOLDER\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    const QString soundPath = folder.absoluteFilePath(QStringLiteral("chord.wav"));
    if (!save(soundPath, chord())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(soundPath));
        return 1;
    }

    DemoServices services(soundPath);
    Model model(services.services());
    ImageHandler &images = *model.getImageHandler();
    images.appendSlide(Slide::fromImage(QStringLiteral("1 Dusk.jpg"), dusk()));
    images.appendSlide(Slide::fromImage(QStringLiteral("2 Lantern light.jpg"), lanternLight()));
    images.appendSlide(Slide::fromImage(QStringLiteral("3 Four frames.jpg"), filmStrip()));
    images.appendSlide(Slide::fromImage(QStringLiteral("4 Waves.jpg"), waves()));
    images.compressImages();
    // Through the soundtrack's own command, so the stored length is what libavformat measures.
    model.getSoundHandler()->addSong();
    if (services.alerted() || model.getSoundHandler()->numSounds() != 1)
        return 1;

    const QString showPath = folder.absoluteFilePath(QStringLiteral("demo.lrshow"));
    QSaveFile show(showPath);
    if (!show.open(QIODevice::WriteOnly) || !writeShow(show, model) || !show.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(showPath),
                     qPrintable(show.errorString()));
        return 1;
    }
    return 0;
}
