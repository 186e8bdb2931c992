#include "gui/widgets/messageboxes.h"

#include <QMessageBox>

namespace tarnel {

void MessageBoxes::info(const std::string& text) {
    QMessageBox::information(fParent, QStringLiteral("Tarnel Unit Converter"),
                             QString::fromStdString(text));
}

bool MessageBoxes::yesNo(const std::string& text) {
    return QMessageBox::question(fParent, QStringLiteral("Tarnel Unit Converter"),
                                 QString::fromStdString(text)) == QMessageBox::Yes;
}

} // namespace tarnel
