#pragma once

#include <QString>

// A box that holds the program until the user presses OK (stays on top, title "Ixo").
class ModalBox
{
public:
    virtual ~ModalBox() = default;
    virtual void showOk(const QString& text) = 0;
};
