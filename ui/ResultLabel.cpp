#include "ui/ResultLabel.h"

#include "ui/WindowWords.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

namespace pelmora {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable labels ask for click focus; these must stay out of the focus order entirely.
    setFocusPolicy(Qt::NoFocus);
}

void ResultLabel::showFigure(const QString& figure) {
    const QString before = text();
    if (figure == before) {
        return;
    }
    setText(figure);
    m_note.clear();
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleTextUpdateEvent changed(this, 0, before, figure);
    QAccessible::updateAccessibility(&changed);
}

void ResultLabel::setNote(const QString& note) {
    m_note = note;
}

void ResultLabel::setHelp(const QString& help) {
    m_help = help;
}

QString ResultLabel::tip() const {
    QStringList lines;
    if (isCutOff()) {
        lines.push_back(text());
    }
    // The note tells what this figure is made of, which says more than how figures are made.
    const QString& words = m_note.isEmpty() ? m_help : m_note;
    if (!words.isEmpty()) {
        lines.push_back(words);
    }
    return lines.join(u'\n');
}

bool ResultLabel::isCutOff() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

bool ResultLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (const QString shown = tip(); !shown.isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(event);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(copyAction());
    copy->setEnabled(!text().isEmpty());
    connect(copy, &QAction::triggered, this, &ResultLabel::copyFigure);
    menu.exec(event->globalPos());
}

// A selection copies what is selected; otherwise the whole figure, including the part cut off.
void ResultLabel::copyFigure() const {
    QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
}

} // namespace pelmora
