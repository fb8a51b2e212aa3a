#include "designer/DesignItems.h"

namespace DesignItems {

QList<Item> itemsForField(int field)
{
    const QString code = QString::number(field);
    switch (field) {
    case LabelText:
        return {{Kind::Label, 30, 40, QString()}};
    case StatusDate:
        return {{Kind::Edit, 50, 40, code}, {Kind::CalendarButton, 50, 60, QStringLiteral("141")}};
    case NextContactDate:
        return {{Kind::Edit, 50, 40, code},
                {Kind::CalendarButton, 50, 60, QStringLiteral("171")},
                {Kind::MustCheckBox, 50, 70, QStringLiteral("172")}};
    case Notes:
    case PreferredTypes:
        return {{Kind::Memo, 30, 40, code}};
    case GroupSubAccountList:
        return {{Kind::GroupList, 30, 50, QStringLiteral("421")}};
    default:
        if (field > 0 && field <= LastField)
            return {{Kind::Edit, 30, 40, code}};
        return {};
    }
}

QSize defaultSize(Kind kind)
{
    switch (kind) {
    case Kind::Label:
        return {65, 17};
    case Kind::Edit:
        return {121, 25};
    case Kind::CalendarButton:
        return {25, 25};
    case Kind::MustCheckBox:
        return {97, 17};
    case Kind::Memo:
        return {185, 89};
    case Kind::GroupList:
        return {301, 37};
    }
    return {};
}

QStringList controlsForButton(int entry)
{
    static const char *const names[ButtonCount] = {
        "SpeedButton1", "SpeedButton2", "SpeedButton3",  "SpeedButton4", "EMailBtn",      "SpeedButton5",
        "SpeedButton6", "SpeedButton8", "SpeedButton9",  "SpeedButton10", "SpeedButton11", "SpeedButton7",
        nullptr,        "FirstAccBtn",  "SpeedPrior",    "SpeedNext",    "SpeedSaveNext", "LastAccBtn",
        "SpeedButton12", "NextButton1", "SpeedButton13",
    };
    if (entry < 0 || entry >= ButtonCount)
        return {};
    if (!names[entry])
        return {QStringLiteral("Scripts"), QStringLiteral("RunScript")};
    return {QString::fromLatin1(names[entry])};
}

QString itemName(int counter)
{
    return QStringLiteral("N") + QString::number(counter);
}

} // namespace DesignItems
