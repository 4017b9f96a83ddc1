#include "refusal_message.h"

#include <QMessageBox>

namespace relwiz {

void show_refusal(QWidget* parent, const QString& title, const Refusal& refusal, const QString& unchanged)
{
    QMessageBox box(QMessageBox::Warning, title, QString::fromStdString(refusal.message), QMessageBox::Ok,
                    parent->window());
    box.setInformativeText(refusal.detail.empty() ? unchanged
                                                  : QString::fromStdString(refusal.detail) + QStringLiteral("\n\n") + unchanged);
    box.exec();
}

}  // namespace relwiz
