// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/modal_box.h"

// An application-modal, stay-on-top QMessageBox titled "Ixo" with an OK button.
class MessageBox final : public ModalBox
{
public:
    void showOk(const QString& text) override;
};
