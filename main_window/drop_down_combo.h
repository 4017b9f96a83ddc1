// A drop-down combo box whose edit field keeps exactly what was typed: no
// completion from the list, and Enter neither adds the text to the list nor
// swaps it for an item that differs only in case.
#pragma once

#include <QComboBox>

namespace relwiz {

class DropDownCombo : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownCombo(QWidget* parent = nullptr);

    // The list, with nothing selected, and the text of the edit field.
    void set_design(const QStringList& items, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace relwiz
