#pragma once

#include <QLabel>

namespace pelmora {

// A label that shows a calculated figure: an opaque box in the button-face colour, black plain
// text that is cut off at the right edge when it is wider than the box. Beyond that, a figure
// that does not fit shows whole in a tooltip, and every figure can be selected with the mouse and
// copied from the context menu; the label still never takes the keyboard focus.
class ResultLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ResultLabel(QWidget* parent);

    // True when the text is wider than the box and so shows only in part.
    [[nodiscard]] bool isCutOff() const;

    // Shows a new figure and tells assistive technology, which reads it as the label's text and
    // description. A note on the old figure goes with it.
    void showFigure(const QString& figure);

    // What the figure is made of, shown in the tooltip under the figure, until the next figure.
    void setNote(const QString& note);
    // What the label says in its tooltip when there is no note: how the figure is worked out.
    void setHelp(const QString& help);

    // The tooltip as it would show now: the figure when it is cut off, then the note, or the
    // help when there is no note. Empty when there is nothing to show.
    [[nodiscard]] QString tip() const;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void copyFigure() const;

    QString m_note;
    QString m_help;
};

} // namespace pelmora
