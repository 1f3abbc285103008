#include "ui/JournalLook.h"

#include <QPalette>
#include <QWidget>

namespace pelmora {

void giveProgramColours(QWidget& window) {
    QPalette palette = window.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, Qt::black);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, QColor(236, 240, 248));
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Button, QColor(212, 208, 200));
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(160, 160, 160));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

} // namespace pelmora
