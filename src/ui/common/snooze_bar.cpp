// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/common/snooze_bar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "core/alarms/snooze.h"

SnoozeBar::SnoozeBar(QWidget* parent) : QWidget(parent)
{
    m_snoozeButton = new QPushButton(tr("Snooze"), this);
    m_snoozeButton->setAutoDefault(false);
    m_lengthBox = new QComboBox(this);
    for (const int length : Snooze::kLengths)
        m_lengthBox->addItem(tr("%n min", "snooze length in minutes", length), length);
    m_lengthBox->setCurrentIndex(int(Snooze::kLengths.indexOf(Snooze::kPresetMinutes)));
    m_lengthBox->setAccessibleName(tr("Snooze length"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_snoozeButton, 0, 0);
    layout->addWidget(m_lengthBox, 0, 1);

    connect(m_snoozeButton, &QPushButton::clicked, this, [this] { Q_EMIT snoozeClicked(minutes()); });
}

int SnoozeBar::minutes() const
{
    return m_lengthBox->currentData().toInt();
}
