#pragma once

#include <QObject>

class QWidget;

namespace pelmora {

// Ends the event loop right after `window` has painted its first frame, so a whole process can
// be timed from launch to what the user first sees.
class FirstFrame final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstFrame)

public:
    static void quitAfterFirstPaint(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstFrame(QWidget& window);
    bool m_seen = false;
};

} // namespace pelmora
