// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/x_root_wallpaper.h"

#include <cstdlib>
#include <cstring>

#include <QByteArray>
#include <QImage>
#include <QImageReader>

// Xlib defines macros (Bool, Status, None) that clash with Qt's headers: it comes after them.
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
// clang-format on

namespace {

int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

struct DisplayConnection
{
    explicit DisplayConnection(const QString& name)
    {
        const QByteArray bytes = name.toLocal8Bit();
        display = XOpenDisplay(name.isEmpty() ? nullptr : bytes.constData());
    }
    ~DisplayConnection()
    {
        if (display)
            XCloseDisplay(display);
    }
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
    Display* display = nullptr;
};

Pixmap pixmapProperty(Display* display, Window root, Atom property)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    Pixmap pixmap = 0;
    if (XGetWindowProperty(display, root, property, 0, 1, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (type == XA_PIXMAP && format == 32 && count == 1)
            pixmap = *reinterpret_cast<Pixmap*>(data);
        XFree(data);
    }
    return pixmap;
}

// Frees the pixmap a previous setter left behind (it is kept alive by a retained client that owns nothing else)
// and publishes `pixmap` (0: none) on the root window.
void replaceRootPixmap(Display* display, Window root, Pixmap pixmap)
{
    const Atom rootId = XInternAtom(display, "_XROOTPMAP_ID", False);
    const Atom esetrootId = XInternAtom(display, "ESETROOT_PMAP_ID", False);
    const Pixmap previous = pixmapProperty(display, root, esetrootId);
    if (previous != 0 && previous == pixmapProperty(display, root, rootId)) {
        XSync(display, False);
        XErrorHandler oldHandler = XSetErrorHandler(ignoreXErrors);
        XKillClient(display, previous);
        XSync(display, False);
        XSetErrorHandler(oldHandler);
    }
    if (pixmap != 0) {
        XChangeProperty(display, root, rootId, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&pixmap), 1);
        XChangeProperty(display, root, esetrootId, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&pixmap), 1);
    } else {
        XDeleteProperty(display, root, rootId);
        XDeleteProperty(display, root, esetrootId);
    }
}

int shiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1UL) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

unsigned long channel(int value, unsigned long mask)
{
    // Scales an 8-bit channel into the bits of `mask`.
    const unsigned long width = mask >> shiftOf(mask);
    return ((static_cast<unsigned long>(value) * width + 127) / 255) << shiftOf(mask);
}

// The picture scaled to cover width x height, centred, cropped.
QImage coverScreen(const QImage& picture, int width, int height)
{
    const QImage scaled = picture.scaled(width, height, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - width) / 2, (scaled.height() - height) / 2, width, height)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

XRootWallpaper::XRootWallpaper(const QString& displayName) : m_displayName(displayName) {}

bool XRootWallpaper::paint(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;

    DisplayConnection connection(m_displayName);
    Display* display = connection.display;
    if (!display)
        return false;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    const int depth = DefaultDepth(display, screen);
    Visual* visual = DefaultVisual(display, screen);
    if (visual->c_class != TrueColor && visual->c_class != DirectColor)
        return false;

    const QImage image = coverScreen(picture, width, height);
    XImage* ximage = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                  static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (!ximage)
        return false;
    ximage->data = static_cast<char*>(std::malloc(static_cast<size_t>(ximage->bytes_per_line) * height));
    if (!ximage->data) {
        XDestroyImage(ximage);
        return false;
    }
    const bool sameLayout = ximage->bits_per_pixel == 32 && ximage->red_mask == 0xff0000 &&
                            ximage->green_mask == 0xff00 && ximage->blue_mask == 0xff &&
                            ximage->byte_order == (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? LSBFirst : MSBFirst);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (sameLayout) {
            std::memcpy(ximage->data + static_cast<ptrdiff_t>(y) * ximage->bytes_per_line, row,
                        static_cast<size_t>(width) * 4);
            continue;
        }
        for (int x = 0; x < width; ++x)
            XPutPixel(ximage, x, y,
                      channel(qRed(row[x]), visual->red_mask) | channel(qGreen(row[x]), visual->green_mask) |
                          channel(qBlue(row[x]), visual->blue_mask));
    }

    const Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                        static_cast<unsigned>(depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, ximage, 0, 0, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFreeGC(display, gc);
    XDestroyImage(ximage);

    XGrabServer(display);
    replaceRootPixmap(display, root, pixmap);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XUngrabServer(display);
    // The pixmap must stay when this connection closes: the next setter frees it through XKillClient.
    XSetCloseDownMode(display, RetainPermanent);
    XSync(display, False);
    return true;
}

bool XRootWallpaper::clear()
{
    DisplayConnection connection(m_displayName);
    Display* display = connection.display;
    if (!display)
        return false;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    XGrabServer(display);
    replaceRootPixmap(display, root, 0);
    XSetWindowBackground(display, root, BlackPixel(display, screen));
    XClearWindow(display, root);
    XUngrabServer(display);
    XSync(display, False);
    return true;
}
