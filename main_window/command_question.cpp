#include "command_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace relwiz {

bool user_goes_on(QWidget* parent, const CommandQuestion& question)
{
    QMessageBox box(QMessageBox::Question, question.title, question.text, QMessageBox::Cancel, parent->window());
    box.setInformativeText(question.details);
    QPushButton* go_on = box.addButton(question.go_on, QMessageBox::AcceptRole);
    if (question.cancel_is_default)
        box.setDefaultButton(QMessageBox::Cancel);
    else
        box.setDefaultButton(go_on);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == go_on;
}

}  // namespace relwiz
