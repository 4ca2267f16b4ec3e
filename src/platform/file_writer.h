// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QByteArrayView>
#include <QString>

/// Replaces the whole file at `path` by `bytes`, creating its folder when missing: the bytes go to a temporary file
/// beside it, which is renamed over the old file once every byte is written. Every failure counts, also a full disk
/// that a buffered write would only meet after its success was reported. On failure the old file keeps its bytes,
/// no temporary file stays, and the result is false with the reason in plain words ("No space left on device",
/// "Permission denied") in `reason`.
bool writeWholeFile(const QString& path, QByteArrayView bytes, QString* reason = nullptr);
