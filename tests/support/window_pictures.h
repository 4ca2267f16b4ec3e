// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QTest>

// Pictures of windows compared with the ones kept in tests/ui/pictures: the same pixels on every machine,
// whatever its fonts, icon theme, screen or desktop. prepareEnvironment() runs before the application is made (the
// test's main): the offscreen platform at scale 1, no desktop settings (fonts, palette, icon theme: the style's
// own icons), and fontconfig told of Debian's DejaVu fonts and nothing else (the build's pictures/fonts.conf).
// prepareApplication() then sets the Fusion style and its palette, the font and a caret that does not blink. The
// rest that moves in a window is clock text, and the test's clock is faked.
namespace WindowPictures {

inline void prepareEnvironment()
{
    qputenv("FONTCONFIG_FILE", IXO_PICTURES_OUT_DIR "/fonts.conf");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    for (const char* name : {"QT_FONT_DPI", "QT_SCREEN_SCALE_FACTORS", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
        qunsetenv(name);
    QApplication::setDesktopSettingsAware(false);
}

/// False when the DejaVu fonts are missing (fonts-dejavu-core): no picture can be compared then.
inline bool prepareApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QGuiApplication::styleHints()->setCursorFlashTime(0);     // the caret stays shown
    return QFontDatabase::families().contains("DejaVu Sans"); // the package's fonts come together
}

/// Compares `window`, activated and laid out, with the kept picture NAME.png. The same pixels give an empty text;
/// else NAME.png (the new picture) and NAME.diff.png (the two XORed: black where they agree) are written into the
/// build's pictures/ and the text says so. With IXO_RECORD_PICTURES=1 (`make pictures`) the kept picture is
/// written anew instead.
inline QString compare(QWidget* window, const QString& name)
{
    // A dialog over no shown window is a plain top-level one: typed as a dialog, the X window system would name the
    // program's hidden leader window as its owner, which the window manager refuses.
    if (window->windowType() != Qt::Window && !(window->parentWidget() && window->parentWidget()->isVisible()))
        return name + QStringLiteral(" is a dialog of no shown window");
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return name + QStringLiteral(" was not activated");
    QCoreApplication::processEvents();
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString keptPath = QStringLiteral(IXO_PICTURES_KEPT_DIR "/%1.png").arg(name);
    QImage diff = QImage(keptPath).convertToFormat(QImage::Format_RGB32);
    if (diff == picture)
        return {};
    if (qEnvironmentVariableIntValue("IXO_RECORD_PICTURES") == 1)
        return picture.save(keptPath) ? QString() : QStringLiteral("could not record ") + keptPath;
    if (!diff.isNull()) {
        QPainter painter(&diff);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawImage(0, 0, picture);
    }
    const QString out = QStringLiteral(IXO_PICTURES_OUT_DIR "/") + name;
    picture.save(out + QStringLiteral(".png"));
    diff.save(out + QStringLiteral(".diff.png"));
    return QStringLiteral("%1 differs from %2: the new picture is %3.png, the difference %3.diff.png; `make "
                          "pictures` records an intended change")
        .arg(name, keptPath, out);
}

} // namespace WindowPictures

// QTEST_MAIN for a test that pictures windows: the environment before the application, the style after it.
#define IXO_WINDOW_TEST_MAIN(TestObject)                                                                               \
    QTEST_MAIN_WRAPPER(TestObject, WindowPictures::prepareEnvironment(); QTEST_MAIN_SETUP();                           \
                       if (!WindowPictures::prepareApplication())                                                      \
                           qFatal("the DejaVu fonts are missing (scripts/install-deps test)");)
