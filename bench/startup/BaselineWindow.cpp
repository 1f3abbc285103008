// The least a Qt program showing the same picture can do: one window painting the main picture
// and one text box. The start-up benchmark measures the program against it.
#include "bench/startup/FirstFrame.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

class PictureWindow final : public QWidget {
public:
    PictureWindow() : m_picture(QStringLiteral(":/pictures/main.png")) {
        setFixedSize(514, 564);
        auto* box = new QLineEdit(this);
        box->setGeometry(40, 144, 41, 18);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override { QPainter(this).drawPixmap(0, 0, m_picture); }

private:
    QPixmap m_picture;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PictureWindow window;
    window.show();
    pelmora::FirstFrame::quitAfterFirstPaint(window);
    return QApplication::exec();
}
