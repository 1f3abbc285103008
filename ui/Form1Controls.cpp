// Form1's controls, at the places of the design in twips, with their names, texts and looks.
#include "calc/FieldId.h"
#include "ui/FieldTitles.h"
#include "ui/Form1.h"
#include "ui/Placement.h"
#include "ui/ResultLabel.h"
#include "ui/Twips.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <limits>

namespace pelmora {
namespace {

QString nameOf(FieldId field) {
    const std::string_view name = fieldName(field);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QLineEdit* inputBox(QWidget* window, ControlTradeFields& fields, FieldId field,
                    const TwipsRect& where) {
    auto* box = new QLineEdit(window);
    placeControl(*box, nameOf(field), fieldTitle(field), where);
    // The boxes have no length limit; a long paste must not be cut to a different number.
    box->setMaxLength(std::numeric_limits<int>::max());
    const std::string_view initial = defaultText(field);
    box->setText(QString::fromLatin1(initial.data(), static_cast<qsizetype>(initial.size())));
    fields.bind(field, box);
    return box;
}

ResultLabel* resultLabel(QWidget* window, ControlTradeFields& fields, FieldId field,
                         const TwipsRect& where, Qt::Alignment horizontal = Qt::AlignLeft) {
    auto* label = new ResultLabel(window);
    placeControl(*label, nameOf(field), fieldTitle(field), where);
    label->setAlignment(horizontal | Qt::AlignVCenter);
    fields.bind(field, label);
    return label;
}

QPushButton* calculateButton(QWidget* window, const QString& name, const QString& accessibleName,
                             const TwipsRect& where) {
    auto* button = new QPushButton(QStringLiteral("计算"), window);
    placeControl(*button, name, accessibleName, where);
    // Enter and Esc in a text box must press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

void Form1::createInputBoxes() {
    nr1 = inputBox(this, m_fields, FieldId::nr1, {600, 2160, 615, 270});
    jr1 = inputBox(this, m_fields, FieldId::jr1, {1440, 2160, 615, 270});
    nr2 = inputBox(this, m_fields, FieldId::nr2, {600, 2640, 615, 270});
    jr2 = inputBox(this, m_fields, FieldId::jr2, {1440, 2640, 615, 270});
    nr3 = inputBox(this, m_fields, FieldId::nr3, {600, 3120, 615, 270});
    jr3 = inputBox(this, m_fields, FieldId::jr3, {1440, 3120, 615, 270});
    nr4 = inputBox(this, m_fields, FieldId::nr4, {600, 3720, 615, 270});
    jr4 = inputBox(this, m_fields, FieldId::jr4, {1440, 3720, 615, 270});
    srl = inputBox(this, m_fields, FieldId::srl, {3000, 680, 1215, 360});
    scl = inputBox(this, m_fields, FieldId::scl, {3020, 4600, 1215, 360});
    jc = inputBox(this, m_fields, FieldId::jc, {240, 5520, 855, 270});
    Text1 = inputBox(this, m_fields, FieldId::Text1, {240, 7440, 1215, 270});
}

void Form1::createResultLabels() {
    yr1 = resultLabel(this, m_fields, FieldId::yr1, {2280, 2160, 735, 255});
    yr2 = resultLabel(this, m_fields, FieldId::yr2, {2280, 2640, 735, 255});
    yr3 = resultLabel(this, m_fields, FieldId::yr3, {2280, 3120, 735, 255});
    yr4 = resultLabel(this, m_fields, FieldId::yr4, {2280, 3720, 735, 255});
    sr1 = resultLabel(this, m_fields, FieldId::sr1, {3120, 2160, 615, 255});
    sr2 = resultLabel(this, m_fields, FieldId::sr2, {3120, 2640, 615, 255});
    sr3 = resultLabel(this, m_fields, FieldId::sr3, {3120, 3120, 615, 255});
    sr4 = resultLabel(this, m_fields, FieldId::sr4, {3120, 3720, 615, 255});
    nrz = resultLabel(this, m_fields, FieldId::nrz, {4920, 1560, 2295, 300}, Qt::AlignHCenter);
    jrp = resultLabel(this, m_fields, FieldId::jrp, {4920, 2280, 2295, 255}, Qt::AlignHCenter);
    srz = resultLabel(this, m_fields, FieldId::srz, {4920, 3000, 2295, 255}, Qt::AlignHCenter);
    yrz = resultLabel(this, m_fields, FieldId::yrz, {4920, 3600, 2295, 255}, Qt::AlignHCenter);
    sc = resultLabel(this, m_fields, FieldId::sc, {1320, 5520, 855, 255});
    yc = resultLabel(this, m_fields, FieldId::yc, {2400, 5520, 1575, 255});
    lc = resultLabel(this, m_fields, FieldId::lc, {4200, 5520, 855, 255});
    lcs = resultLabel(this, m_fields, FieldId::lcs, {5280, 5520, 855, 255});
    Label3 = resultLabel(this, m_fields, FieldId::Label3, {6360, 5520, 1215, 255});
    Label4 = resultLabel(this, m_fields, FieldId::Label4, {1560, 7440, 1335, 255});
}

void Form1::createButtons() {
    Command1 = calculateButton(this, QStringLiteral("Command1"), QStringLiteral("买进 计算"),
                               {6600, 600, 735, 375});
    Command2 = calculateButton(this, QStringLiteral("Command2"), QStringLiteral("卖出 计算"),
                               {6720, 4560, 735, 375});
    Command3 = calculateButton(this, QStringLiteral("Command3"), QStringLiteral("卖出价预算 计算"),
                               {6720, 6360, 735, 375});
}

void Form1::createLinkRow() {
    // Label7 stops short of the cube's six rightmost pixel columns, which stay bare picture.
    Label7 = overlay(QStringLiteral("Label7"), QStringLiteral("聊天群"), {240, 7930, 600, 400},
                     Pointer::Link);
    Label5 = overlay(QStringLiteral("Label5"), QStringLiteral("券商网站"), {1200, 7970, 1575, 375},
                     Pointer::Link);
    Label6 = overlay(QStringLiteral("Label6"), QStringLiteral("财经网站 股票频道"),
                     {2760, 7970, 1575, 375}, Pointer::Link);
    Label8 = overlay(QStringLiteral("Label8"), QStringLiteral("博客"), {5160, 7940, 600, 495},
                     Pointer::Link);
    Label9 = overlay(QStringLiteral("Label9"), QStringLiteral("帮助"), {6840, 7920, 495, 495},
                     Pointer::Link);
    // Label6 owns the one pixel column it shares with Label5.
    Label6->raise();
}

// Tab runs through the boxes and buttons in this order and wraps around at both ends; the
// labels take no focus and are left out.
void Form1::orderTabs() {
    const std::array<QWidget*, 15> order = {nr1,      jr1,      nr2,      jr2, nr3, jr3, nr4,  jr4,
                                            Command1, Command2, Command3, srl, scl, jc,  Text1};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace pelmora
