#include "ui/Form2.h"

#include <QIcon>

namespace pelmora {

Form2::Form2()
    : BorderlessWindow({QStringLiteral("Form2"),
                        QStringLiteral("Pelmora 帮助"),
                        DensityPicture(QStringLiteral(":/pictures/help.png"),
                                       QStringLiteral(":/pictures/help@2x.png")),
                        DensityPicture(QStringLiteral(":/pictures/help-close-highlight.png"),
                                       QStringLiteral(":/pictures/help-close-highlight@2x.png")),
                        {12795, 795, 5970, 8340},
                        {0, 0, 4935, 495},
                        {5400, 50, 495, 375},
                        {5520, 50, 360, 375}}) {
    // No icon of its own, so the window system shows its default one. Set empty on purpose:
    // Qt gives the application's icon, should there ever be one, to windows that set none.
    setWindowIcon(QIcon());
    // The advice is pixels of the picture; a screen reader gets it as the window's description.
    setAccessibleDescription(
        QStringLiteral("本计算器暂时只把手续费计算在内，为测试版，所以可能会有计算错误问题，"
                       "如发现有误或想要完整版本的请联系本人。"));
}

void Form2::Label2_Click() {
    hide();
    Q_EMIT hiddenByGlyph();
}

} // namespace pelmora
