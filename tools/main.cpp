// Draws every picture of the program into the assets folder, at single and double density.

#include "tools/FullCostPictures.h"
#include "tools/HelpPicture.h"
#include "tools/Highlights.h"
#include "tools/IcoFile.h"
#include "tools/Icon.h"
#include "tools/LinkCursor.h"
#include "tools/MainPicture.h"
#include "tools/SettingsPicture.h"
#include "tools/Text.h"
#include "tools/TradeToolsPicture.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <functional>

namespace {

using namespace pelmora::drawing;

constexpr int kIconSizes[] = {256, 48};

const QString kCaptureRelativePath = QStringLiteral("source/form1-worked-example.png");

void say(const QString& line) {
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

class Writer {
public:
    explicit Writer(const QDir& folder) : m_folder(folder) {}

    [[nodiscard]] bool ok() const { return m_ok; }

    void writeImage(const QString& name, const QImage& image) {
        if (!image.save(m_folder.filePath(name), "PNG")) {
            fail(name);
        }
    }

    // Writes name.png at single density and name@2x.png at double density.
    void writeBothDensities(const QString& name, const std::function<QImage(int)>& draw) {
        writeImage(name + QStringLiteral(".png"), draw(1));
        writeImage(name + QStringLiteral("@2x.png"), draw(2));
    }

    void writeBytes(const QString& name, const QByteArray& bytes) {
        QSaveFile file(m_folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            fail(name);
        }
    }

private:
    void fail(const QString& name) {
        say(QStringLiteral("error: could not write %1").arg(m_folder.filePath(name)));
        m_ok = false;
    }

    QDir m_folder;
    bool m_ok = true;
};

bool fontsInstalled() {
    bool ok = true;
    for (const QString& family : {kSansFamily, kSerifFamily}) {
        if (!familyInstalled(family)) {
            say(QStringLiteral("error: font family \"%1\" is not installed (Debian package "
                               "fonts-noto-cjk)")
                    .arg(family));
            ok = false;
        }
    }
    return ok;
}

// The help picture shows the real main window, from a capture of it that
// scripts/screenshot-form1.sh --help-source takes.
bool writeHelpPicture(Writer& writer, const QString& capturePath) {
    const QImage capture(capturePath);
    if (capture.isNull()) {
        say(QStringLiteral(
                "error: no capture of the main window at %1 (scripts/screenshot-form1.sh "
                "--help-source takes one)")
                .arg(capturePath));
        return false;
    }
    if (capture.size() != kMainWindowCaptureSize) {
        say(QStringLiteral("error: %1 is %2 x %3 pixels, expected a %4 x %5 capture")
                .arg(capturePath)
                .arg(capture.width())
                .arg(capture.height())
                .arg(kMainWindowCaptureSize.width())
                .arg(kMainWindowCaptureSize.height()));
        return false;
    }
    writer.writeBothDensities(QStringLiteral("help"),
                              [&capture](int scale) { return drawHelpPicture(capture, scale); });
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown on screen; the offscreen platform needs no display server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of Pelmora."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("assets"),
                                 QStringLiteral("The folder to write the pictures into."));
    const QCommandLineOption captureOption(
        QStringLiteral("capture"),
        QStringLiteral("A 514 x 564 capture of the main window for the help picture (default: "
                       "<assets>/%1).")
            .arg(kCaptureRelativePath),
        QStringLiteral("file"));
    parser.addOption(captureOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }

    const QDir folder(parser.positionalArguments().constFirst());
    if (!folder.exists()) {
        say(QStringLiteral("error: %1 is not a folder").arg(folder.path()));
        return 1;
    }
    if (!fontsInstalled()) {
        return 1;
    }

    Writer writer(folder);
    writer.writeBothDensities(QStringLiteral("main"), drawMainPicture);
    writer.writeBothDensities(QStringLiteral("close-highlight"), drawCloseHighlight);
    writer.writeBothDensities(QStringLiteral("help-close-highlight"), drawHelpCloseHighlight);
    writer.writeImage(QStringLiteral("link-cursor.png"), drawLinkCursor());
    writer.writeBothDensities(QStringLiteral("gear-lit"), drawGearLit);
    writer.writeBothDensities(QStringLiteral("full-cost-marker"), drawFullCostMarker);
    writer.writeBothDensities(QStringLiteral("settings"), drawSettingsPicture);
    writer.writeBothDensities(QStringLiteral("trade-tools"), drawTradeToolsPicture);

    QList<QImage> icons;
    for (const int size : kIconSizes) {
        icons.append(drawIcon(size));
        writer.writeImage(QStringLiteral("icon-%1.png").arg(size), icons.last());
    }
    writer.writeBytes(QStringLiteral("pelmora.ico"), icoFile(icons));

    const bool helpOk = writeHelpPicture(writer, parser.isSet(captureOption)
                                                     ? parser.value(captureOption)
                                                     : folder.filePath(kCaptureRelativePath));
    return writer.ok() && helpOk ? 0 : 1;
}
