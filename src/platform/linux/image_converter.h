#pragma once

#include "platform/picture_converter.h"

// Converts pictures with Qt's image readers and writes the BMP through writeWholeFile().
class ImageConverter final : public PictureConverter
{
public:
    BmpConversion convertToBmp(const QString& source, const QString& target) override;
};
