#include "platform/ApplicationSetup.h"

#include "platform/SystemPlaces.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace pelmora {
namespace {

constexpr qreal kWidestDigit = 6.5;
constexpr int kSmallestPixelSize = 6;
constexpr int kLargestPixelSize = 24;
constexpr int kReferencePixelSize = 20;

qreal widestDigit(const QFont& font) {
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
        widest = std::max(widest, metrics.horizontalAdvance(digit));
    }
    return widest;
}

// The CJK face cut to the program's own texts, so that no caption or message depends on the
// fonts a system happens to have. Empty when it cannot be loaded.
QString embeddedCjkFamily() {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/PelmoraCJK.otf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

bool loadInto(QTranslator& translator, const QLocale& locale) {
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           qtTranslationsFolder());
}

} // namespace

QFont interfaceFont(const QFont& platformFont, const QString& cjkFamily) {
    // Digit width grows about in proportion to the size, so one measurement gives a close
    // estimate; hinting can put it off by a pixel, which a step or two either way settles.
    // Every size tried loads a font engine, the dearest thing at start-up.
    QFont font = platformFont;
    font.setPixelSize(kReferencePixelSize);
    const qreal perPixel = widestDigit(font) / kReferencePixelSize;
    int pixels = perPixel > 0 ? static_cast<int>(kWidestDigit / perPixel) : kReferencePixelSize;
    pixels = std::clamp(pixels, kSmallestPixelSize, kLargestPixelSize);
    font.setPixelSize(pixels);
    // Up while the next size still fits, then down while this one does not.
    for (QFont next = font; pixels < kLargestPixelSize; ++pixels, font = next) {
        next.setPixelSize(pixels + 1);
        if (widestDigit(next) > kWidestDigit) {
            break;
        }
    }
    while (pixels > kSmallestPixelSize && widestDigit(font) > kWidestDigit) {
        font.setPixelSize(--pixels);
    }
    if (!cjkFamily.isEmpty()) {
        // Digits and Latin letters stay the platform's; the system's fonts remain the fallback
        // for characters a user types that the embedded face lacks.
        // The family found, not the platform's alias ("Sans Serif"), or Qt would take the first
        // real family of the list as the main one, metrics and all.
        font.setFamilies({QFontInfo(font).family(), cjkFamily});
    }
    return font;
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Pelmora"));
    QCoreApplication::setOrganizationName(QStringLiteral("Pelmora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(PELMORA_APP_ID));
}

void loadQtTranslations() {
    auto translator = std::make_unique<QTranslator>();
    const QLocale system = QLocale::system();
    const bool loaded = (system.language() == QLocale::Chinese && loadInto(*translator, system)) ||
                        loadInto(*translator, QLocale(QLocale::Chinese, QLocale::China));
    if (loaded) {
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator.release());
    }
}

bool usesDecimalComma() {
    return QLocale::system().decimalPoint() == QStringLiteral(",");
}

void setUpApplication() {
    nameApplication();
    loadQtTranslations();
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
    }
    QApplication::setFont(interfaceFont(QApplication::font(), embeddedCjkFamily()));
}

} // namespace pelmora
