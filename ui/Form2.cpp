#include "ui/Form2.h"

#include "design/HelpWindowDesign.h"

namespace pelmora {

Form2::Form2() : SecondaryWindow(kHelpWindow) {
    // The advice is pixels of the picture; a screen reader gets it as the window's description.
    setAccessibleDescription(
        QStringLiteral("本计算器暂时只把手续费计算在内，为测试版，所以可能会有计算错误问题，"
                       "如发现有误或想要完整版本的请联系本人。"));
}

} // namespace pelmora
