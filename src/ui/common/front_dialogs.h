// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QtGlobal>

class QWidget;

// The dialogs that claim the front (the message input, the data file chooser, the overwrite question, the warning
// and alarm message windows) put themselves on top through here, as the front order decides.
class FrontDialogs
{
public:
    /// A dialog that claims the front with `code` (1, 13 or 157) makes itself known here when it loads.
    virtual void registerForegroundDialog(qint32 code, QWidget* dialog) = 0;
    /// The dialog with foreground `code` lost the front: unless a window of a higher code claims it, the dialog
    /// comes back to the front with a beep and claims it.
    virtual void reclaimFront(QWidget* dialog, qint32 code) = 0;
    /// A closing window gives up the front: the dialog whose code was current when it opened (`previousFront`) is put
    /// back on top, and nobody claims the front any more.
    virtual void handFrontBack(qint32 previousFront) = 0;

protected:
    ~FrontDialogs() = default;
};
