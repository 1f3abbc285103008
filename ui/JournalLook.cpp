#include "ui/JournalLook.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableView>
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

QTableView* journalTable(QWidget* parent, const char* name, const QString& accessibleName,
                         QAbstractItemModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessibleName);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

} // namespace pelmora
