#pragma once

#include <QString>

// Turns a picture file (BMP, GIF, JPEG) into a BMP file the desktop can show.
class PictureConverter
{
public:
    virtual ~PictureConverter() = default;
    /// Decodes `source` and writes it as a BMP file to `target`, replacing it. False when `source` cannot be
    /// decoded or `target` cannot be written; `target` is then unchanged.
    virtual bool convertToBmp(const QString& source, const QString& target) = 0;
};
