// Draws every picture of the program into the assets folder, at single and double density, and
// lists them in the folder's resource file.

#include "HelpPicture.h"
#include "Highlights.h"
#include "IcoFile.h"
#include "Icon.h"
#include "LinkCursor.h"
#include "MainPicture.h"
#include "Text.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

using namespace pelmora::drawing;

constexpr int kIconSizes[] = {256, 48};

const QString kCaptureRelativePath = QStringLiteral("source/form1-worked-example.png");
const QString kResourceFile = QStringLiteral("pictures.qrc");

void say(const QString& line) {
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

class Writer {
public:
    explicit Writer(QDir folder) : m_folder(std::move(folder)) {}

    bool ok() const { return m_ok; }

    void writeImage(const QString& name, const QImage& image) {
        if (!image.save(m_folder.filePath(name), "PNG"))
            fail(name);
    }

    // Writes name.png at single density and name@2x.png at double density.
    void writeBothDensities(const QString& name, const std::function<QImage(int)>& draw) {
        writeImage(name + QStringLiteral(".png"), draw(1));
        writeImage(name + QStringLiteral("@2x.png"), draw(2));
    }

    void writeBytes(const QString& name, const QByteArray& bytes) {
        QSaveFile file(m_folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            fail(name);
    }

    // Lists every picture now in the folder, so a picture that could not be drawn yet (the help
    // picture before its capture exists) is simply absent from the resources.
    void writeResourceList() {
        QByteArray qrc;
        QTextStream out(&qrc);
        out << "<!-- Written by pelmora-drawassets: the pictures present in this folder. -->\n"
            << "<RCC>\n    <qresource prefix=\"/pictures\">\n";
        for (const QString& name :
             m_folder.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
            out << "        <file>" << name << "</file>\n";
        out << "    </qresource>\n</RCC>\n";
        out.flush();
        QFile existing(m_folder.filePath(kResourceFile));
        // Left untouched when unchanged, so the build does not reconfigure for nothing.
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == qrc)
            return;
        existing.close();
        writeBytes(kResourceFile, qrc);
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

// The help picture shows the real main window, so without a capture of it there is nothing to
// draw yet, which is not an error; the other pictures do not depend on it. A capture of the
// wrong size is an error.
bool writeHelpPicture(Writer& writer, const QString& capturePath) {
    if (!QFile::exists(capturePath)) {
        say(QStringLiteral("note: no capture of the main window at %1; help.png and help@2x.png "
                           "were not drawn")
                .arg(capturePath));
        return true;
    }
    const QImage capture(capturePath);
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
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir folder(parser.positionalArguments().constFirst());
    if (!folder.exists()) {
        say(QStringLiteral("error: %1 is not a folder").arg(folder.path()));
        return 1;
    }
    if (!fontsInstalled())
        return 1;

    Writer writer(folder);
    writer.writeBothDensities(QStringLiteral("main"), drawMainPicture);
    writer.writeBothDensities(QStringLiteral("close-highlight"), drawCloseHighlight);
    writer.writeBothDensities(QStringLiteral("help-close-highlight"), drawHelpCloseHighlight);
    writer.writeImage(QStringLiteral("link-cursor.png"), drawLinkCursor());

    QList<QImage> icons;
    for (const int size : kIconSizes) {
        icons.append(drawIcon(size));
        writer.writeImage(QStringLiteral("icon-%1.png").arg(size), icons.last());
    }
    writer.writeBytes(QStringLiteral("pelmora.ico"), icoFile(icons));

    const bool helpOk = writeHelpPicture(writer, parser.isSet(captureOption)
                                                     ? parser.value(captureOption)
                                                     : folder.filePath(kCaptureRelativePath));
    writer.writeResourceList();
    return writer.ok() && helpOk ? 0 : 1;
}
