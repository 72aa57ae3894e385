// The caption label beside a tool-button grid: a transparent, auto-sized label named
// "MemLabel<n>" from a process-wide counter, in Arial 8 pt of the caption text colour.
#pragma once

#include <QLabel>

class TCaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit TCaptionLabel(QWidget* parent = nullptr);
};
