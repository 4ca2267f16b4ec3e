// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// What became of a conversion: the BMP was written, the picture could not be decoded, or the picture was fine
// but the BMP could not be written (`reason` then says why, e.g. the folder is read-only).
struct BmpConversion
{
    enum Outcome { Written, Undecodable, NotWritten };
    Outcome outcome = Undecodable;
    QString reason;

    explicit operator bool() const { return outcome == Written; }
};

// Turns a picture file (BMP, GIF, JPEG) into a BMP file the desktop can show.
class PictureConverter
{
public:
    virtual ~PictureConverter() = default;
    /// Decodes `source` and writes it as a BMP file to `target`, replacing it. On failure `target` is unchanged.
    virtual BmpConversion convertToBmp(const QString& source, const QString& target) = 0;
};
