// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/picture_converter.h"

// Converts pictures with Qt's image readers and writes the BMP through writeWholeFile().
class ImageConverter final : public PictureConverter
{
public:
    BmpConversion convertToBmp(const QString& source, const QString& target) override;
};
