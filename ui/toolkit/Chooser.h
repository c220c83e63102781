#pragma once
// A drop-down list of the reader. Its own class lets a screen reader hear it by its accessible
// name (the caption naming it) rather than by the entry it shows.

#include <QComboBox>

namespace lumra {

class Chooser final : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

} // namespace lumra
